#include "ui/framework/qorapp.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QScreen>
#include <QTimer>
#include <QWhatsThis>
#include <QWindow>

#include <cstdio>

#include "core/framework/datafile.h"
#include "core/framework/settingskeys.h"
#include "core/framework/stringtable.h"
#include "core/modules/heatloss/savings.h"
#include "ui/database/databaseeditors.h"
#include "ui/database/producteditors.h"
#include "ui/database/recordeditors.h"
#include "ui/framework/appdialogs.h"
#include "ui/framework/examplesmenu.h"
#include "ui/framework/helpwindow.h"
#include "ui/framework/itemdlg.h"
#include "ui/framework/mainframe.h"
#include "ui/framework/qorview.h"
#include "ui/modules/condensation/condensationeditors.h"
#include "ui/modules/economics/economicseditors.h"
#include "ui/modules/frost/frosteditor.h"
#include "ui/modules/heatloss/heatlosseditors.h"
#include "ui/modules/run/runeditors.h"
#include "ui/modules/sound/soundeditor.h"
#include "ui/modules/tank/tankeditor.h"

namespace kelvora {
namespace {

const QString kExtension = QStringLiteral(".vtp");

QString DocumentFilter() { return CQorApp::tr("KelvoraDoc (*.vtp)"); }
QString Untitled() { return CQorApp::tr("Nový"); }

class DialogPrompts : public FilePrompts {
 public:
  explicit DialogPrompts(std::function<QWidget*()> parent) : parent(std::move(parent)) {}

  SaveChanges AskSaveChanges(const QString& documentName) override {
    const auto answer = QMessageBox::question(
        parent(), QStringLiteral("Kelvora®"), CQorApp::tr("Uložit změny do %1?").arg(documentName),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) return SaveChanges::Save;
    return answer == QMessageBox::No ? SaveChanges::Discard : SaveChanges::Cancel;
  }
  QString OpenFileName(const QString& filter, const QString& examplesFolder) override {
    QFileDialog dialog(parent(), CQorApp::tr("Otevřít"), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (QFileInfo(examplesFolder).isDir())
      dialog.setSidebarUrls(dialog.sidebarUrls() << QUrl::fromLocalFile(examplesFolder));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
  }
  QString SaveFileName(const QString& suggested, const QString& filter) override {
    return QFileDialog::getSaveFileName(parent(), CQorApp::tr("Uložit jako"), suggested, filter);
  }

 private:
  std::function<QWidget*()> parent;
};

std::filesystem::path ToPath(const QString& path) { return std::filesystem::path(path.toStdU16String()); }
QString FromPath(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }

const QString kUsage = QStringLiteral(
    "Usage: kelvora [options] [document]\n"
    "Kelvora: insulation calculations of pipes, ducts, tanks and plane surfaces.\n"
    "Opens the document (a .vtp file) when one is given.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and exit.\n"
    "  -v, --version  Show the version and exit.\n"
    "  --             Take what follows as the document, even when it begins with \"-\".\n"
    "Qt's own options, such as -platform or -style, are taken as well.\n");

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  CommandLine line;
  QString mistake;
  bool optionsEnded = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
      line.options.arguments << argument;
    } else if (argument == QLatin1String("--")) {
      optionsEnded = true;
    } else if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
      return {CommandLine::Request::Usage, kUsage, {}};
    } else if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
      return {CommandLine::Request::Version, QStringLiteral("kelvora " KELVORA_VERSION "\n"), {}};
    } else if (argument == QLatin1String("--screenshot") && i + 1 < arguments.size()) {
      // Hidden: a picture of the main window for the documentation, and the start-up time.
      line.options.screenshot = arguments[++i];
      // The picture is taken with the title dialog up; waiting for it would never end.
      line.options.modelessTitle = true;
    } else if (mistake.isEmpty()) {
      mistake = QStringLiteral("kelvora: unknown option \"%1\"\n").arg(argument);
    }
  }
  if (!mistake.isEmpty()) return {CommandLine::Request::Mistake, mistake + kUsage, {}};
  return line;
}

CQorApp::CQorApp(AppOptions appOptions)
    : options(std::move(appOptions)),
      locale(options.systemLocale),
      language(ChosenInterfaceLanguage(settings, options.systemLocale)),
      translators(language),
      messages(options.messages ? *options.messages : boxes),
      dialogs(options.prompts ? nullptr : std::make_unique<DialogPrompts>([this] { return frame.get(); })),
      prompts(options.prompts ? *options.prompts : *dialogs),
      help(std::make_unique<HelpWindow>(messages, language)) {
  // The dialogs tell the user and open help through these, the missing-entry dialog too.
  Dialogs() = {&messages, help.get()};
  RegisterDatabaseEditors();

  // The document reads the reference data, and reports a file it cannot read, before any
  // window is shown.
  const DataFolders folders{ToPath(QCoreApplication::applicationDirPath()), UserDataFolder()};
  document = std::make_unique<CQorDoc>(
      DocumentServices{messages, chooser, settings, locale, folders.program, folders.user});
  examplesFolder = ExamplesFolder(folders, language);
  document->reports.Page().SetPictureSource(&pictures);
  RegisterRecordEditors();
  // A user-defined product may not take the name of a standard one.
  RegisterProductEditors(&document->database);
  RegisterHeatLossEditors(document.get());
  RegisterRunEditors(document.get());
  RegisterTankEditor(document.get());
  RegisterEconomicsEditors(document.get());
  RegisterCondensationEditors(document.get());
  RegisterSoundEditor(document.get());
  RegisterFrostEditor(document.get());

  frame = std::make_unique<CMainFrame>();
  Dialogs().owner = frame.get();
  chooser.SetParent(frame.get());
  frame->showMaximized();
  view = new CQorView(*document, *help, frame.get());
  frame->SetView(*view);
  document->AddObserver(*this);
  ConnectCommands();
  document->New();

  placement = WindowPlacement::Of(*frame);
  placement.Read(settings);
  placement.ApplyTo(*frame);
}

CQorApp::~CQorApp() {
  if (!placementTaken) placement = WindowPlacement::Of(*frame);
  placement.Write(settings);
  document->RemoveObserver(*this);
  if (help) help->close();
  if (Dialogs().messages == &messages) Dialogs() = {};
  // The product, heat-loss, run and tank dialogs must not outlive the databases they were told about.
  RegisterProductEditors();
  RegisterHeatLossEditors(nullptr);
  RegisterRunEditors(nullptr);
  RegisterTankEditor(nullptr);
  RegisterEconomicsEditors(nullptr);
  RegisterCondensationEditors(nullptr);
  RegisterSoundEditor(nullptr);
  RegisterFrostEditor(nullptr);
}

void CQorApp::Start() {
  // Before the title dialog, which waits for its answer.
  if (!options.screenshot.isEmpty()) QTimer::singleShot(0, this, &CQorApp::TakeScreenshot);
  if (!options.arguments.isEmpty()) {
    OpenDocument(options.arguments.join(QLatin1Char(' ')));
  } else if (TitleWindowWanted(settings)) {
    auto* title = new CTitleDlg(settings, *help, frame.get());
    title->setAttribute(Qt::WA_DeleteOnClose);
    title->setWindowModality(Qt::WindowModal);
    titleDialog = title;
    if (options.modelessTitle) {
      title->show();
    } else {
      title->exec();
    }
  }
}

CTitleDlg* CQorApp::TitleDialog() const { return titleDialog; }

void CQorApp::ConnectCommands() {
  using Command = CMainFrame::Command;
  auto on = [this](Command command, auto slot) {
    connect(frame->Action(command), &QAction::triggered, this, slot);
  };
  on(Command::New, [this] { New(); });
  on(Command::Open, [this] { Open(); });
  on(Command::Save, [this] { Save(); });
  on(Command::SaveAs, [this] { SaveAs(); });
  on(Command::Print, [this] { Print(); });
  on(Command::PrintPreview, [this] { PrintPreview(); });
  on(Command::ExportPdf, [this] { ExportPdf(); });
  on(Command::PrintSetup, [this] { PrintSetup(); });
  on(Command::Exit, [this] { frame->close(); });
  on(Command::Copy, [this] { view->Copy(); });
  on(Command::Project, [this] { document->EditProject(); });
  on(Command::InputData, [this] { document->EditInput(); });
  on(Command::Database, [this] { document->EditDatabase(); });
  on(Command::EnglishResults, [this] { document->ToggleEnglishResults(); });
  on(Command::HelpContents, [this] { help->OpenTopic(HelpWindow::kContents); });
  on(Command::ContextHelp, [] { QWhatsThis::enterWhatsThisMode(); });
  on(Command::RegulationDocument, [this] { OpenRegulationDocument(); });
  on(Command::About, [this] { ShowAbout(); });
  on(Command::LanguageCzech, [this] { ChooseLanguage(InterfaceLanguage::Czech); });
  on(Command::LanguageEnglish, [this] { ChooseLanguage(InterfaceLanguage::English); });
  frame->Examples().Fill(examplesFolder);
  connect(&frame->Examples(), &ExamplesMenu::Chosen, this, &CQorApp::OpenAfterSaving);
  frame->ShowInterfaceLanguage(language);
  for (int i = 0; i < kModuleCount; ++i) {
    connect(frame->ModuleAction(i), &QAction::triggered, this, [this, i] { document->ChooseModule(i); });
  }
  frame->SetCloseGuard([this] { return SaveModified(); });
  connect(frame.get(), &CMainFrame::Closing, this, [this] {
    placement = WindowPlacement::Of(*frame);
    placementTaken = true;
    help->close();
  });
}

void CQorApp::ChooseLanguage(InterfaceLanguage chosen) {
  StoreInterfaceLanguage(settings, chosen);
  if (chosen == language) return;
  messages.Show(tr("Jazyk se změní při příštím spuštění programu.").toStdString());
}

void CQorApp::DocumentChanged(std::uint32_t) {
  frame->setWindowTitle(DocumentName() + QStringLiteral(" - ") + FromUtf8(MessageText(ids::kAppTitle)));
  frame->ShowDocumentState(document->currentModule, document->English());
}

QString CQorApp::DocumentName() const {
  return document->pathName.empty() ? Untitled() : FromPath(document->pathName.filename());
}

bool CQorApp::SaveModified() {
  if (!document->IsModified()) return true;
  switch (prompts.AskSaveChanges(DocumentName())) {
    case FilePrompts::SaveChanges::Save:
      return Save();
    case FilePrompts::SaveChanges::Discard:
      return true;
    case FilePrompts::SaveChanges::Cancel:
      break;
  }
  return false;
}

bool CQorApp::New() {
  if (!SaveModified()) return false;
  document->New();
  return true;
}

bool CQorApp::Open() {
  // Asked once a file is chosen: cancelling the file dialog changes nothing.
  const QString path = prompts.OpenFileName(DocumentFilter(), examplesFolder);
  return !path.isEmpty() && OpenAfterSaving(path);
}

bool CQorApp::OpenAfterSaving(const QString& path) { return SaveModified() && OpenDocument(path); }

bool CQorApp::OpenDocument(const QString& path) { return document->Open(ToPath(path)); }

bool CQorApp::Save() {
  if (document->pathName.empty()) return SaveAs();
  return document->Save(document->pathName);
}

bool CQorApp::SaveAs() {
  const QString suggested = document->pathName.empty() ? QDir::current().filePath(Untitled() + kExtension)
                                                       : FromPath(document->pathName);
  QString path = prompts.SaveFileName(suggested, DocumentFilter());
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += kExtension;
  return document->Save(ToPath(path));
}

void CQorApp::ExportPdf() {
  const QString name = QFileInfo(DocumentName()).completeBaseName() + QStringLiteral(".pdf");
  const QString folder =
      document->pathName.empty() ? QDir::currentPath() : FromPath(document->pathName.parent_path());
  const QString path = prompts.SaveFileName(QDir(folder).filePath(name), QStringLiteral("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  QString error;
  if (!view->ExportPdf(path, &error)) messages.Show(error.toStdString());
}

void CQorApp::PrintSetup() {
  if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPageSetupDialog(printer.get(), frame.get()).exec();
}

void CQorApp::Print() {
  if (printer) {
    view->Print(*printer);
  } else {
    view->Print();
  }
}

void CQorApp::PrintPreview() {
  if (printer) {
    view->PrintPreview(*printer);
  } else {
    view->PrintPreview();
  }
}

void CQorApp::OpenRegulationDocument() {
  const auto& key = settings::kRegulationDocument;
  const QString name = FromUtf8(settings.GetString(key.section, key.key, key.fallback));
  QString found;
  for (const QString& folder : {QCoreApplication::applicationDirPath(), QDir::currentPath()}) {
    const QFileInfo file(QDir(folder), name);
    if (file.isFile()) {
      found = file.absoluteFilePath();
      break;
    }
  }
  // Without the document the user still learns what the verdict requires.
  if (found.isEmpty()) {
    help->OpenTopic(kRegulationHelpTopic);
    return;
  }
  const QUrl url = QUrl::fromLocalFile(found);
  const bool opened = options.openUrl ? options.openUrl(url) : QDesktopServices::openUrl(url);
  if (!opened) {
    messages.Show(tr("Dokument „%1“ se nepodařilo otevřít. Je nainstalován prohlížeč souborů PDF?")
                      .arg(found)
                      .toStdString());
  }
}

void CQorApp::ShowAbout() {
  CAboutDlg about(settings, *help, frame.get());
  about.setWindowModality(Qt::WindowModal);
  about.exec();
}

void CQorApp::TakeScreenshot() {
  QWindow* window = frame->windowHandle();
  while (window && !window->isExposed()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  frame->repaint();
  if (options.clock)
    std::fprintf(stderr, "kelvora: main window shown after %lld ms\n", options.clock->elapsed());
  // A window manager may still resize the maximized window; take it once that has settled.
  QTimer::singleShot(300, this, [this] {
    // From the screen, so that a dialog over the window is in the picture too.
    const QRect area = frame->frameGeometry();
    QPixmap picture = frame->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (picture.isNull()) picture = frame->grab();
    const bool saved = picture.save(options.screenshot, "PNG");
    if (!saved) std::fprintf(stderr, "kelvora: cannot write %s\n", qPrintable(options.screenshot));
    QCoreApplication::exit(saved ? 0 : 1);
  });
}

}  // namespace kelvora
