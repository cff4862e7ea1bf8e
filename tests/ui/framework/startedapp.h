#pragma once

// The desktop program started by a test, with every question answered by the test.

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

#include "support/fakeplatform.h"
#include "ui/framework/appdialogs.h"
#include "ui/framework/mainframe.h"
#include "ui/framework/qorapp.h"
#include "ui/framework/qtsettingsstore.h"

namespace kelvora::testing {

// The file dialogs and the question whether to save, answered from its fields.
class ScriptedPrompts : public FilePrompts {
 public:
  SaveChanges AskSaveChanges(const QString& name) override {
    asked << name;
    return saveChanges;
  }
  QString OpenFileName(const QString&, const QString& examplesFolder) override {
    examplesFolders << examplesFolder;
    return openName;
  }
  QString SaveFileName(const QString& suggested, const QString&) override {
    suggestions << suggested;
    return saveName;
  }

  SaveChanges saveChanges = SaveChanges::Cancel;
  QString openName, saveName;
  QStringList asked, suggestions, examplesFolders;
};

// The program as started, with every question answered by the test. Unless a language is
// stored, the system locale given decides the interface's: Czech, whatever the machine's.
struct StartedApp {
  explicit StartedApp(QStringList arguments = {}, QLocale systemLocale = QLocale(QLocale::Czech)) {
    AppOptions options;
    options.arguments = std::move(arguments);
    options.systemLocale = std::move(systemLocale);
    options.messages = &messages;
    options.prompts = &prompts;
    options.modelessTitle = true;
    options.openUrl = [this](const QUrl& url) {
      opened << url;
      return true;
    };
    app = std::make_unique<CQorApp>(std::move(options));
    app->Start();
  }
  ~StartedApp() {
    if (app->MainFrame().isVisible()) app->MainFrame().close();
    app.reset();
  }

  RecordingMessages messages;
  ScriptedPrompts prompts;
  QList<QUrl> opened;
  std::unique_ptr<CQorApp> app;
};

// A working folder of the test class's own and no stored settings before each test, so
// that every start is a first start; the folder the run began in is restored afterwards.
class FreshStart {
 public:
  FreshStart() : startFolder(QDir::currentPath()) {}
  ~FreshStart() { QDir::setCurrent(startFolder); }
  FreshStart(const FreshStart&) = delete;
  FreshStart& operator=(const FreshStart&) = delete;

  bool Enter() {
    QFile::remove(QtSettingsStore().FileName());
    return work.isValid() && QDir::setCurrent(work.path());
  }
  QString FilePath(const QString& name) const { return work.filePath(name); }

 private:
  QString startFolder;
  QTemporaryDir work;
};

}  // namespace kelvora::testing
