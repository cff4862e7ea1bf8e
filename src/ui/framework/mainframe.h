#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>

#include "ui/framework/interfacelanguage.h"

class QAction;
class QToolBar;

namespace kelvora {

class CQorView;
class ExamplesMenu;

// The program's main window: menus, accelerators and the two toolbars around the report
// view. It only offers the commands; the application decides what they do.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  enum class Command {
    New,
    Open,
    Save,
    SaveAs,
    Print,
    PrintPreview,
    ExportPdf,
    PrintSetup,
    Exit,
    Copy,
    Project,
    InputData,
    Database,
    ToolBars,
    EnglishResults,
    HelpContents,
    ContextHelp,
    RegulationDocument,
    About,
    LanguageCzech,
    LanguageEnglish,
  };

  explicit CMainFrame(QWidget* parent = nullptr);

  QAction* Action(Command command) const { return commands.at(command); }
  // The View-menu command that shows the report of module `index` (0 to 7).
  QAction* ModuleAction(int index) const { return moduleActions.at(static_cast<std::size_t>(index)); }
  // Help › Examples, which the application fills.
  ExamplesMenu& Examples() const { return *examples; }
  QToolBar* MainToolBar() const { return mainBar; }
  QToolBar* ModuleToolBar() const { return moduleBar; }

  // Shows `view` as the client area; Copy follows what is selected in it.
  void SetView(CQorView& view);
  // Checks the command of the shown module and the language switch.
  void ShowDocumentState(int currentModule, bool english);
  // Checks the language the interface speaks.
  void ShowInterfaceLanguage(InterfaceLanguage language);
  // Asked before the window closes; false keeps it open.
  void SetCloseGuard(std::function<bool()> guard) { closeGuard = std::move(guard); }

 signals:
  // The window is about to close; its placement is still that of the open window.
  void Closing();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* AddAction(Command command, const QString& text, const QString& tip, const char* icon = nullptr);
  void BuildMenus();
  void BuildToolBars();

  std::map<Command, QAction*> commands;
  std::array<QAction*, 8> moduleActions{};
  ExamplesMenu* examples = nullptr;
  QToolBar* mainBar = nullptr;
  QToolBar* moduleBar = nullptr;
  std::function<bool()> closeGuard;
};

}  // namespace kelvora
