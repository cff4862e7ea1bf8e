#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QPrinter>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

#include "core/document/document.h"
#include "ui/framework/interfacelanguage.h"
#include "ui/framework/qtpicturesource.h"
#include "ui/framework/qtplatform.h"
#include "ui/framework/qtsettingsstore.h"
#include "ui/framework/qtsystemlocale.h"
#include "ui/framework/windowplacement.h"

namespace kelvora {

class CMainFrame;
class CQorView;
class CTitleDlg;
class HelpWindow;

// The questions of the file commands, apart from plain messages.
class FilePrompts {
 public:
  enum class SaveChanges { Save, Discard, Cancel };
  virtual ~FilePrompts() = default;
  virtual SaveChanges AskSaveChanges(const QString& documentName) = 0;
  // The file chosen, or empty when cancelled; the examples folder is offered beside the
  // user's own places.
  virtual QString OpenFileName(const QString& filter, const QString& examplesFolder) = 0;
  virtual QString SaveFileName(const QString& suggested, const QString& filter) = 0;
};

struct AppOptions {
  // The command line after the program's name; when not empty, the document to open.
  QStringList arguments;
  // Message boxes and file dialogs unless given.
  Messages* messages = nullptr;
  FilePrompts* prompts = nullptr;
  // Shows the title dialog without waiting for it to close.
  bool modelessTitle = false;
  // How a found file is handed to the desktop.
  std::function<bool(const QUrl&)> openUrl;
  // Where to save a picture of the main window once it is shown; the program then ends.
  QString screenshot;
  // Started with the process, for the start-up time reported with a screenshot.
  std::optional<QElapsedTimer> clock;
  // Decides the interface language while the user has chosen none, and a new document's
  // currency.
  QLocale systemLocale = QLocale::system();
};

// What the command line asks of the program.
struct CommandLine {
  enum class Request { Start, Usage, Version, Mistake };
  Request request = Request::Start;
  // Usage and Version: what to print. Mistake: what is wrong, then the usage.
  QString text;
  // Start: the document and the hidden screenshot option.
  AppOptions options;
};

// The arguments after the program's name. Usage and version are answered whatever else is
// given; an option this program does not know is a mistake. "--" ends the options, so that
// a document whose name begins with "-" can be opened.
CommandLine ParseCommandLine(const QStringList& arguments);

// The application: starts the program, runs the file and help commands and keeps the
// window placement between runs.
class CQorApp : public QObject, private DocumentObserver {
  Q_OBJECT

 public:
  explicit CQorApp(AppOptions options = {});
  ~CQorApp() override;

  // Opens the document named on the command line, or shows the title dialog.
  void Start();

  CQorDoc& Document() { return *document; }
  CMainFrame& MainFrame() { return *frame; }
  CQorView& View() { return *view; }
  HelpWindow& Help() { return *help; }
  SettingsStore& Settings() { return settings; }
  // The title dialog while it is shown.
  CTitleDlg* TitleDialog() const;

  bool New();
  bool Open();
  bool OpenDocument(const QString& path);
  // Opens `path` once the open document's changes are saved or given up, as File › Open does.
  bool OpenAfterSaving(const QString& path);
  bool Save();
  bool SaveAs();
  void ExportPdf();
  void OpenRegulationDocument();
  void ShowAbout();
  // The document's name in the title bar and the file dialogs.
  QString DocumentName() const;

 private:
  void DocumentChanged(std::uint32_t hint) override;
  void ConnectCommands();
  bool SaveModified();
  // Printing goes to the printer and paper of the print setup once it has run.
  void PrintSetup();
  void Print();
  void PrintPreview();
  void TakeScreenshot();
  // Stored for the next start: the windows already built keep their texts.
  void ChooseLanguage(InterfaceLanguage chosen);

  AppOptions options;
  QtSettingsStore settings;
  QtSystemLocale locale;
  InterfaceLanguage language;
  InterfaceTranslators translators;
  QtMessages boxes;
  Messages& messages;
  std::unique_ptr<FilePrompts> dialogs;
  FilePrompts& prompts;
  // The examples of the interface's language.
  QString examplesFolder;
  // A window of its own, so that a dialog waiting for its answer does not block it.
  std::unique_ptr<HelpWindow> help;
  QtMissingEntryChooser chooser;
  QtPictureSource pictures;
  std::unique_ptr<CQorDoc> document;
  std::unique_ptr<CMainFrame> frame;
  CQorView* view = nullptr;
  std::unique_ptr<QPrinter> printer;
  WindowPlacement placement;
  bool placementTaken = false;
  QPointer<CTitleDlg> titleDialog;
};

}  // namespace kelvora
