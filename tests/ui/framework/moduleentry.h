#pragma once

#include <QAction>
#include <QDialog>
#include <QString>
#include <functional>

#include "core/document/document.h"
#include "database/dialogdriver.h"
#include "ui/framework/mainframe.h"
#include "ui/framework/qorapp.h"

namespace kelvora::testing {

// What a user does first with a module: chooses it, names the project and enters the input
// through the module's dialog, which `enter` fills and confirms.
inline void EnterModule(CQorApp& app, ModuleIndex module, const QString& project,
                        std::function<void(QDialog&)> enter) {
  app.MainFrame().ModuleAction(static_cast<int>(module))->trigger();
  OnNextModal([project](QDialog& dialog) {
    Type(dialog, "projectName", project);
    Click(dialog, "ok");
  });
  app.MainFrame().Action(CMainFrame::Command::Project)->trigger();
  OnNextModal(std::move(enter));
  app.MainFrame().Action(CMainFrame::Command::InputData)->trigger();
}

// Opens the module's input dialog, lets `change` alter it and cancels; answers the dialog's
// caption.
inline QString CancelledInput(CQorApp& app, ModuleIndex module, std::function<void(QDialog&)> change) {
  app.MainFrame().ModuleAction(static_cast<int>(module))->trigger();
  QString caption;
  OnNextModal([&caption, &change](QDialog& dialog) {
    caption = dialog.windowTitle();
    change(dialog);
    Click(dialog, "cancel");
  });
  app.MainFrame().Action(CMainFrame::Command::InputData)->trigger();
  return caption;
}

}  // namespace kelvora::testing
