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
#include "ui/framework/qorview.h"
#include "ui/framework/qtplatform.h"

namespace kelvora {
namespace {

struct ModuleCommand {
  const char* text;
  const char* icon;
};

// The View-menu texts are shorter than the report titles of the same modules.
constexpr std::array<ModuleCommand, 8> kModuleCommands{{
    {"Tepelná ztráta", "heatloss"},
    {"Změna teploty v potrubí", "piperun"},
    {"Teplota v nádrži", "tank"},
    {"Izolace proti vnější kondenzaci", "externalcondensation"},
    {"Izolace proti vnitřní kondenzaci", "internalcondensation"},
    {"Protimrazová ochrana vodovodních potrubí", "frost"},
    {"Útlum hluku ve vzduchovodu", "sound"},
    {"Ekonomika izolace", "economics"},
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
  setWindowTitle(FromUtf8(LoadResourceString(ids::kAppTitle, Language::Czech)));
  setContextMenuPolicy(Qt::NoContextMenu);
  resize(1024, 768);

  AddAction(Command::New, QStringLiteral("&Nový"), QStringLiteral("Nový dokument"), "new")
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  AddAction(Command::Open, QStringLiteral("&Otevřít..."), QStringLiteral("Otevřít dokument"), "open")
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  AddAction(Command::Save, QStringLiteral("&Uložit"), QStringLiteral("Uložit dokument"), "save")
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  AddAction(Command::SaveAs, QStringLiteral("Uložit &jako..."),
            QStringLiteral("Uložit dokument pod novým názvem"));
  AddAction(Command::Print, QStringLiteral("&Tisk..."), QStringLiteral("Tisk"), "print")
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  AddAction(Command::PrintPreview, QStringLiteral("Ná&hled tisku"), QStringLiteral("Náhled tisku"),
            "preview");
  AddAction(Command::ExportPdf, QStringLiteral("Exportovat do PDF..."),
            QStringLiteral("Uložit stránky zprávy jako PDF"));
  AddAction(Command::PrintSetup, QStringLiteral("Nastavení t&isku..."),
            QStringLiteral("Nastavení tiskárny a papíru"));
  AddAction(Command::Exit, QStringLiteral("&Konec"), QStringLiteral("Ukončit program"));
  AddAction(Command::Copy, QStringLiteral("Kopírovat do schránky"),
            QStringLiteral("Kopírovat vybranou tabulku do schránky"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  AddAction(Command::Project, QStringLiteral("&Projekt.."), QStringLiteral("Projekt"), "project");
  AddAction(Command::InputData, QStringLiteral("&Vstupní údaje..."), QStringLiteral("Vstupní údaje"),
            "input");
  AddAction(Command::Database, QStringLiteral("&Databáze..."), QStringLiteral("Databáze"), "database");
  AddAction(Command::ToolBars, QStringLiteral("Panely nástrojů"),
            QStringLiteral("Zobrazit nebo skrýt panely nástrojů"))
      ->setCheckable(true);
  AddAction(Command::EnglishResults, QStringLiteral("English results"),
            QStringLiteral("Výsledky v angličtině"), "english")
      ->setCheckable(true);
  AddAction(Command::HelpContents, QStringLiteral("&Obsah"), QStringLiteral("Nápověda"), "help")
      ->setShortcut(QKeySequence(Qt::Key_F1));
  AddAction(Command::ContextHelp, QStringLiteral("Nápověda k prvku"), QStringLiteral("Nápověda k prvku okna"))
      ->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
  AddAction(Command::RegulationDocument, QStringLiteral("Vyhláška 193 (PDF) "),
            QStringLiteral("Vyhláška č. 193/2007 Sb. (PDF)"), "regulation");
  AddAction(Command::About, QStringLiteral("O programu &Kelvora..."), QStringLiteral("O programu Kelvora"));
  Action(Command::Copy)->setEnabled(false);

  auto* modules = new QActionGroup(this);
  modules->setExclusive(true);
  for (std::size_t i = 0; i < kModuleCommands.size(); ++i) {
    const QString text = QString::fromUtf8(kModuleCommands[i].text);
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
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Soubor"));
  for (Command c : {Command::New, Command::Open, Command::Save, Command::SaveAs}) file->addAction(Action(c));
  file->addSeparator();
  for (Command c : {Command::Print, Command::PrintPreview, Command::ExportPdf, Command::PrintSetup})
    file->addAction(Action(c));
  file->addSeparator();
  file->addAction(Action(Command::Exit));

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Editovat"));
  edit->addAction(Action(Command::Copy));
  edit->addSeparator();
  for (Command c : {Command::Project, Command::InputData, Command::Database}) edit->addAction(Action(c));

  QMenu* view = menuBar()->addMenu(QStringLiteral("&Zobrazit"));
  view->addAction(Action(Command::ToolBars));
  view->addSeparator();
  for (QAction* action : moduleActions) view->addAction(action);
  view->addSeparator();
  view->addAction(Action(Command::EnglishResults));

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Nápověda"));
  help->addAction(Action(Command::HelpContents));
  help->addAction(Action(Command::RegulationDocument));
  help->addSeparator();
  help->addAction(Action(Command::About));
}

void CMainFrame::BuildToolBars() {
  mainBar = MakeToolBar(QStringLiteral("Hlavní"), QStringLiteral("mainToolBar"), kMainIcon);
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

  moduleBar = MakeToolBar(QStringLiteral("Moduly"), QStringLiteral("moduleToolBar"), kModuleIcon);
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

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (closeGuard && !closeGuard()) {
    event->ignore();
    return;
  }
  emit Closing();
  QMainWindow::closeEvent(event);
}

}  // namespace kelvora
