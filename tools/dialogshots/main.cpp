// Usage: kelvora_dialogshots [--english] [OUTPUT_DIR]
// Run from beside the reference data (the build's bin folder), on any screen, for example
// QT_QPA_PLATFORM=offscreen or under xvfb-run. Writes one PNG per dialog and names each
// file on standard output.

#include <QApplication>
#include <QDialog>
#include <QDir>

#include <cstdio>
#include <string_view>

#include "core/framework/platform.h"
#include "dialogcatalogue.h"
#include "ui/framework/interfacelanguage.h"
#include "ui/framework/itemdlg.h"

using namespace kelvora;

namespace {

// Messages go to standard error; nothing is asked.
class Printed : public Messages {
 public:
  void Show(std::string_view text) override {
    std::fprintf(stderr, "message: %.*s\n", int(text.size()), text.data());
  }
  bool AskOkCancel(std::string_view text) override {
    Show(text);
    return false;
  }
  bool AskYesNo(std::string_view text) override {
    Show(text);
    return false;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QStringList arguments = QApplication::arguments().mid(1);
  const bool english = arguments.removeAll(QStringLiteral("--english")) > 0;
  const InterfaceLanguage language = english ? InterfaceLanguage::English : InterfaceLanguage::Czech;
  const InterfaceTranslators translators(language);
  const QDir folder(arguments.isEmpty() ? QDir::currentPath() : arguments.front());
  if (!QDir().mkpath(folder.path())) return 1;
  Printed messages;
  Dialogs() = {&messages, nullptr};

  bool failed = false;
  // Shows the dialog as a user sees it, with the focus where it starts, and saves it; a
  // dialog shown already is taken as it is now, at the size it has.
  const bool visited = VisitEveryDialog(
      ".", folder.path().toStdString(), language, messages, [&](const char* name, QDialog& dialog) {
        dialog.show();
        QApplication::processEvents();
        const QString file = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
        if (!dialog.grab().save(file, "PNG")) {
          std::fprintf(stderr, "kelvora_dialogshots: cannot write %s\n", qPrintable(file));
          failed = true;
        }
        std::printf("%s %dx%d\n", qPrintable(file), dialog.width(), dialog.height());
      });
  if (!visited) std::fprintf(stderr, "kelvora_dialogshots: a list of the reference data is empty\n");
  return visited && !failed ? 0 : 1;
}
