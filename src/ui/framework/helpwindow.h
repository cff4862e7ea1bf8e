#pragma once

#include <QDialog>
#include <QUrl>

#include "core/framework/help.h"
#include "ui/framework/interfacelanguage.h"

class QTextBrowser;

namespace kelvora {

class Messages;

// The program's help: the bundled pages (":/help/html/<topic>.htm") in a window of their
// own, so that the user can read them beside the report.
class HelpWindow : public QDialog, public HelpViewer {
  Q_OBJECT

 public:
  explicit HelpWindow(Messages& messages, InterfaceLanguage language = InterfaceLanguage::Czech,
                      QWidget* parent = nullptr);

  // A topic is a path such as "::/html/footer.htm", alone or after the help file's name;
  // an empty or unknown topic opens the contents.
  void OpenTopic(std::string_view topic) override;

  // The page shown, as a resource URL.
  QUrl Page() const;

  static constexpr std::string_view kContents = "::/html/contents.htm";

 private:
  Messages& messages;
  InterfaceLanguage language;
  QTextBrowser* browser;
};

}  // namespace kelvora
