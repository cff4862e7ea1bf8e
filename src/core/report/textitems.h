#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/report/drawingsurface.h"
#include "core/report/graphicsitem.h"

namespace kelvora {

// A titled block of lines: the Czech title in `name`, the English in `secondName`.
class CText : public CGraphicsItem {
 public:
  explicit CText(const PageModel& page) : CGraphicsItem(page) {}

  // String-table ids; the texts are loaded at once.
  void SetContent(int titleIdCz, int titleIdEn, const std::vector<int>& lineIdsCz,
                  const std::vector<int>& lineIdsEn, int lineCount, float xMm, float yMm);
  void SetPosition(float xMm, float yMm);

  // The language may have changed: the rectangle follows the shown text.
  void Update() override;
  void Draw(DrawingSurface& surface, const LayoutRect& visible) override;
  void BeginPrinting(DrawingSurface& printer) override;
  void EndPrinting() override;

  std::vector<std::string> linesCz;
  std::vector<std::string> linesEn;
  float x = 0.0f;
  float y = 0.0f;
  std::int32_t lineCount = 0;
  std::int32_t titleHeight = 0;
  std::int32_t lineHeight = 0;

 private:
  void Layout();
};

// One word-wrapped paragraph in a colour, selectable and copyable.
class CColoredText : public CGraphicsItem {
 public:
  explicit CColoredText(const PageModel& page) : CGraphicsItem(page) {}

  void SetContent(std::string czech, std::string english, Colour textColour, float xMm, float yMm);
  void SetPosition(float xMm, float yMm);

  void CopyToClipboard(Clipboard& clipboard) override;
  // The language may have changed: the rectangle follows the shown text.
  void Update() override;
  void Draw(DrawingSurface& surface, const LayoutRect& visible) override;
  void BeginPrinting(DrawingSurface& printer) override;
  void EndPrinting() override;

  // The text of the current language, as the copy command puts it on the clipboard.
  const std::string& CopyText() const;

  std::string textCz;
  std::string textEn;
  float x = 0.0f;
  float y = 0.0f;
  Colour colour = kReportTextColour;

 private:
  void Layout();
};

}  // namespace kelvora
