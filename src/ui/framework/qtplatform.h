#pragma once

#include <QPointer>
#include <QWidget>

#include "core/framework/platform.h"

namespace kelvora {

// Messages and questions as message boxes over the dialog that raises them, else over the
// main window: closed, the box gives the keyboard back to that dialog, not to a window it
// blocks.
class QtMessages : public Messages {
 public:
  void Show(std::string_view text) override;
  bool AskOkCancel(std::string_view text) override;
  bool AskYesNo(std::string_view text) override;
};

// The dialog that makes the user pick a replacement for a record a document names but
// the database lacks. It insists on a choice while there is something to pick; what it
// says and its help go through Dialogs().
class QtMissingEntryChooser : public MissingEntryChooser {
 public:
  void SetParent(QWidget* window) { parent = window; }

  std::optional<std::size_t> Choose(MissingEntrySource source, std::string_view text,
                                    const std::vector<std::string>& names) override;

 private:
  QPointer<QWidget> parent;
};

QString FromUtf8(std::string_view text);

}  // namespace kelvora
