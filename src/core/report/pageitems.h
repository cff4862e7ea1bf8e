#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/framework/item.h"
#include "core/report/drawingsurface.h"
#include "core/report/graphicsitem.h"

namespace kelvora {

class CProject;

// The page header of one module's report, drawn once per page: product name, module
// title, banner, the module's picture in the colours of its calculation, project data and
// the document's file.
class CHeader : public CGraphicsItem {
 public:
  CHeader(const PageModel& page, const CProject& project, const CQorModul& module, int moduleIndex,
          const std::filesystem::path& file);

  bool Contains(LayoutPoint documentPoint) const override;
  // Time stamp, project texts and picture, taken afresh.
  void Update() override;
  void Draw(DrawingSurface& surface, const LayoutRect& visible) override;
  void BeginPrinting(DrawingSurface& printer) override;
  void EndPrinting() override;

  static constexpr std::size_t kLineCount = 7;
  std::array<std::string, kLineCount> labelsCz;
  std::array<std::string, kLineCount> labelsEn;
  std::array<std::string, kLineCount> lines;
  std::string productName = "Kelvora";
  std::string titleCz;
  std::string titleEn;
  RasterPicture banner;
  RasterPicture symbolPicture;
  SymbolInfo symbolInfo{};
  // The local time the time stamp shows; tests put a fixed one here.
  std::function<std::tm()> localTime;

 private:
  void Layout();
  void LoadSymbol(std::string_view pictureName);

  const CProject* project;
  const CQorModul* module;
  const std::filesystem::path* file;
  int moduleIndex;
  // Page-relative positions in layout units.
  LayoutPoint productAt;
  LayoutPoint titleAt;
  std::array<LayoutPoint, kLineCount> lineAt{};
  LayoutRect bannerRect;
  LayoutRect pictureRect;
  std::int32_t ruleTop = 0;
  std::int32_t ruleMiddle = 0;
  std::int32_t rulePen = 0;
};

// The page footer shared by every report: the maker's contact lines and the page number.
class CFooter : public CGraphicsItem {
 public:
  explicit CFooter(const PageModel& page);

  bool Contains(LayoutPoint documentPoint) const override;
  void Update() override;
  void Draw(DrawingSurface& surface, const LayoutRect& visible) override;
  void BeginPrinting(DrawingSurface& printer) override;
  void EndPrinting() override;

  std::string contactLine1;
  std::string contactLine2;
  std::string pageFormatCz;
  std::string pageFormatEn;

 private:
  void Layout();

  LayoutPoint line1At;
  LayoutPoint line2At;
  std::int32_t rulePen = 0;
};

}  // namespace kelvora
