#include "ui/framework/mainframe.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QPainter>
#include <QSvgRenderer>
#include <QToolBar>
#include <QToolButton>

#include "core/framework/stringtable.h"
#include "ui/framework/examplesmenu.h"
#include "ui/framework/qorview.h"
#include "ui/framework/qtplatform.h"

namespace kelvora {
namespace {

struct ModuleCommand {
  const char* text;  // translated in the context of the main window
  const char* icon;
};

// The View-menu texts are shorter than the report titles of the same modules.
constexpr std::array<ModuleCommand, 8> kModuleCommands{{
    {QT_TRANSLATE_NOOP("kelvora::CMainFrame", "Tepelná ztráta"), "heatloss"},
    {QT_TRANSLATE_NOOP("kelvora::CMainFrame", "Změna teploty v potrubí"), "piperun"},
    {QT_TRANSLATE_NOOP("kelvora::CMainFrame", "Teplota v nádrži"), "tank"},
    {QT_TRANSLATE_NOOP("kelvora::CMainFrame", "Izolace proti vnější kondenzaci"), "externalcondensation"},
    {QT_TRANSLATE_NOOP("kelvora::CMainFrame", "Izolace proti vnitřní kondenzaci"), "internalcondensation"},
    {QT_TRANSLATE_NOOP("kelvora::CMainFrame", "Protimrazová ochrana vodovodních potrubí"), "frost"},
    {QT_TRANSLATE_NOOP("kelvora::CMainFrame", "Útlum hluku ve vzduchovodu"), "sound"},
    {QT_TRANSLATE_NOOP("kelvora::CMainFrame", "Ekonomika izolace"), "economics"},
}};

const QSize kMainButton(42, 42);
const QSize kMainIcon(32, 32);
const QSize kModuleButton(58, 26);
const QSize kModuleIcon(52, 20);

// Drawn from the SVG source at the toolbar's size and twice that, so that the buttons stay
// sharp on any screen, without depending on an icon plug-in.
QIcon SvgIcon(const char* name, QSize size) {
  QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
  QIcon icon;
  for (int scale : {1, 2}) {
    QPixmap pixmap(size * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(scale);
    icon.addPixmap(pixmap);
  }
  return icon;
}

QToolBar* MakeToolBar(const QString& title, const QString& name, QSize iconSize) {
  auto* bar = new QToolBar(title);
  bar->setObjectName(name);
  bar->setIconSize(iconSize);
  bar->setMovable(false);
  bar->setFloatable(false);
  // The toolbar switch of the View menu governs both bars together.
  bar->toggleViewAction()->setVisible(false);
  return bar;
}

void AddButton(QToolBar& bar, QAction* action, QSize size) {
  bar.addAction(action);
  bar.widgetForAction(action)->setFixedSize(size);
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(FromUtf8(MessageText(ids::kAppTitle)));
  setContextMenuPolicy(Qt::NoContextMenu);
  resize(1024, 768);

  AddAction(Command::New, tr("&Nový"), tr("Nový dokument"), "new")
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  AddAction(Command::Open, tr("&Otevřít..."), tr("Otevřít dokument"), "open")
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  AddAction(Command::Save, tr("&Uložit"), tr("Uložit dokument"), "save")
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  AddAction(Command::SaveAs, tr("Uložit &jako..."), tr("Uložit dokument pod novým názvem"));
  AddAction(Command::Print, tr("&Tisk..."), tr("Tisk"), "print")
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  AddAction(Command::PrintPreview, tr("Ná&hled tisku"), tr("Náhled tisku"), "preview");
  AddAction(Command::ExportPdf, tr("Exportovat do PDF..."), tr("Uložit stránky zprávy jako PDF"));
  AddAction(Command::PrintSetup, tr("Nastavení t&isku..."), tr("Nastavení tiskárny a papíru"));
  AddAction(Command::Exit, tr("&Konec"), tr("Ukončit program"));
  AddAction(Command::Copy, tr("Kopírovat do schránky"), tr("Kopírovat vybranou tabulku do schránky"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  AddAction(Command::Project, tr("&Projekt..."), tr("Projekt"), "project");
  AddAction(Command::InputData, tr("&Vstupní údaje..."), tr("Vstupní údaje"), "input");
  AddAction(Command::Database, tr("&Databáze..."), tr("Databáze"), "database");
  AddAction(Command::ToolBars, tr("Panely nástrojů"), tr("Zobrazit nebo skrýt panely nástrojů"))
      ->setCheckable(true);
  AddAction(Command::EnglishResults, tr("Výsledky v angličtině"), tr("Výsledky v angličtině"), "english")
      ->setCheckable(true);
  AddAction(Command::HelpContents, tr("&Obsah"), tr("Nápověda"), "help")
      ->setShortcut(QKeySequence(Qt::Key_F1));
  AddAction(Command::ContextHelp, tr("Nápověda k prvku"), tr("Nápověda k prvku okna"))
      ->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
  // The button names the regulation by the abbreviation of the interface's language.
  AddAction(Command::RegulationDocument, tr("Vyhláška 193 (PDF)"), tr("Vyhláška č. 193/2007 Sb. (PDF)"),
            DisplayLanguage() == Language::English ? "regulation_en" : "regulation");
  AddAction(Command::About, tr("O programu &Kelvora..."), tr("O programu Kelvora"));
  // Each language named in itself, so that a user who reads only one finds it.
  AddAction(Command::LanguageCzech, QStringLiteral("Čeština"), QStringLiteral("Čeština"))->setCheckable(true);
  AddAction(Command::LanguageEnglish, QStringLiteral("English"), QStringLiteral("English"))
      ->setCheckable(true);
  Action(Command::Copy)->setEnabled(false);

  auto* modules = new QActionGroup(this);
  modules->setExclusive(true);
  for (std::size_t i = 0; i < kModuleCommands.size(); ++i) {
    const QString text = tr(kModuleCommands[i].text);
    auto* action = new QAction(SvgIcon(kModuleCommands[i].icon, kModuleIcon), text, modules);
    action->setObjectName(QStringLiteral("module%1").arg(i));
    action->setToolTip(text);
    action->setCheckable(true);
    moduleActions[i] = action;
  }

  BuildMenus();
  BuildToolBars();
}

QAction* CMainFrame::AddAction(Command command, const QString& text, const QString& tip, const char* icon) {
  auto* action = new QAction(text, this);
  action->setToolTip(tip);
  action->setWhatsThis(tip);
  if (icon) action->setIcon(SvgIcon(icon, kMainIcon));
  commands[command] = action;
  addAction(action);  // its shortcut works while the menus are closed and the toolbars hidden
  return action;
}

void CMainFrame::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&Soubor"));
  for (Command c : {Command::New, Command::Open, Command::Save, Command::SaveAs}) file->addAction(Action(c));
  file->addSeparator();
  for (Command c : {Command::Print, Command::PrintPreview, Command::ExportPdf, Command::PrintSetup})
    file->addAction(Action(c));
  file->addSeparator();
  file->addAction(Action(Command::Exit));

  QMenu* edit = menuBar()->addMenu(tr("&Editovat"));
  edit->addAction(Action(Command::Copy));
  edit->addSeparator();
  for (Command c : {Command::Project, Command::InputData, Command::Database}) edit->addAction(Action(c));

  QMenu* view = menuBar()->addMenu(tr("&Zobrazit"));
  view->addAction(Action(Command::ToolBars));
  view->addSeparator();
  for (QAction* action : moduleActions) view->addAction(action);
  view->addSeparator();
  view->addAction(Action(Command::EnglishResults));
  QMenu* language = view->addMenu(QStringLiteral("Jazyk / Language"));
  language->setObjectName(QStringLiteral("languageMenu"));
  auto* languages = new QActionGroup(this);
  for (Command c : {Command::LanguageCzech, Command::LanguageEnglish})
    language->addAction(languages->addAction(Action(c)));

  QMenu* help = menuBar()->addMenu(tr("&Nápověda"));
  help->addAction(Action(Command::HelpContents));
  examples = new ExamplesMenu(help);
  help->addMenu(examples);
  help->addAction(Action(Command::RegulationDocument));
  help->addSeparator();
  help->addAction(Action(Command::About));
}

void CMainFrame::BuildToolBars() {
  mainBar = MakeToolBar(tr("Hlavní"), QStringLiteral("mainToolBar"), kMainIcon);
  const std::initializer_list<Command> groups[] = {
      {Command::New, Command::Open, Command::Save},
      {Command::Print, Command::PrintPreview},
      {Command::Project, Command::InputData, Command::Database},
      {Command::EnglishResults, Command::RegulationDocument, Command::HelpContents},
  };
  for (const auto& group : groups) {
    if (!mainBar->actions().isEmpty()) mainBar->addSeparator();
    for (Command c : group) AddButton(*mainBar, Action(c), kMainButton);
  }
  addToolBar(Qt::TopToolBarArea, mainBar);

  moduleBar = MakeToolBar(tr("Moduly"), QStringLiteral("moduleToolBar"), kModuleIcon);
  for (QAction* action : moduleActions) AddButton(*moduleBar, action, kModuleButton);
  addToolBar(Qt::BottomToolBarArea, moduleBar);

  QAction* toggle = Action(Command::ToolBars);
  toggle->setChecked(true);
  connect(toggle, &QAction::toggled, this, [this](bool shown) {
    mainBar->setVisible(shown);
    moduleBar->setVisible(shown);
  });
}

void CMainFrame::SetView(CQorView& view) {
  setCentralWidget(&view);
  QAction* copy = Action(Command::Copy);
  copy->setEnabled(view.CanCopy());
  connect(&view, &CQorView::SelectionChanged, copy, [copy, &view] { copy->setEnabled(view.CanCopy()); });
}

void CMainFrame::ShowDocumentState(int currentModule, bool english) {
  if (currentModule >= 0 && currentModule < static_cast<int>(moduleActions.size()))
    moduleActions[static_cast<std::size_t>(currentModule)]->setChecked(true);
  Action(Command::EnglishResults)->setChecked(english);
}

void CMainFrame::ShowInterfaceLanguage(InterfaceLanguage language) {
  Action(language == InterfaceLanguage::Czech ? Command::LanguageCzech : Command::LanguageEnglish)
      ->setChecked(true);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (closeGuard && !closeGuard()) {
    event->ignore();
    return;
  }
  emit Closing();
  QMainWindow::closeEvent(event);
}

}  // namespace kelvora
