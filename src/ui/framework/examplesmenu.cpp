#include "ui/framework/examplesmenu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include <filesystem>

#include "core/framework/datafile.h"

namespace kelvora {
namespace {

struct Example {
  const char* file;
  const char* title;  // translated in the context of the menu
};

constexpr Example kExamples[] = {
    {"heatloss-pipe.vtp", QT_TRANSLATE_NOOP("kelvora::ExamplesMenu", "Tepelná ztráta horkovodu")},
    {"pipe-run.vtp", QT_TRANSLATE_NOOP("kelvora::ExamplesMenu", "Změna teploty v teplovodní přípojce")},
    {"duct-run.vtp",
     QT_TRANSLATE_NOOP("kelvora::ExamplesMenu", "Změna teploty ve vzduchotechnickém potrubí")},
    {"tank-hot-water.vtp", QT_TRANSLATE_NOOP("kelvora::ExamplesMenu", "Akumulační nádrž teplé vody")},
    {"tank-freezing.vtp", QT_TRANSLATE_NOOP("kelvora::ExamplesMenu", "Zamrzání požární nádrže")},
    {"chilled-water-pipe.vtp",
     QT_TRANSLATE_NOOP("kelvora::ExamplesMenu", "Vnější kondenzace na potrubí chladicí vody")},
    {"humid-exhaust-duct.vtp",
     QT_TRANSLATE_NOOP("kelvora::ExamplesMenu", "Vnitřní kondenzace v odtahu vlhkého vzduchu")},
    {"frost-pipe.vtp",
     QT_TRANSLATE_NOOP("kelvora::ExamplesMenu", "Protimrazová ochrana vodovodního potrubí")},
    {"sound-duct.vtp",
     QT_TRANSLATE_NOOP("kelvora::ExamplesMenu", "Útlum hluku ve vzduchotechnickém potrubí")},
    {"economics-pipe.vtp",
     QT_TRANSLATE_NOOP("kelvora::ExamplesMenu", "Ekonomická tloušťka izolace horkovodu")},
};

}  // namespace

QString ExamplesFolder(const DataFolders& folders, InterfaceLanguage language) {
  const std::filesystem::path installed = folders.Shipped();
  std::error_code error;
  std::filesystem::path folder =
      !installed.empty() && std::filesystem::is_directory(installed / "examples", error)
          ? installed / "examples"
          : folders.program / "examples";
  if (language == InterfaceLanguage::English) folder /= "en";
  return QString::fromStdU16String(folder.u16string());
}

ExamplesMenu::ExamplesMenu(QWidget* parent) : QMenu(tr("&Příklady"), parent) {
  setObjectName(QStringLiteral("examplesMenu"));
}

void ExamplesMenu::Fill(const QString& folder) {
  clear();
  const QDir dir(folder);
  for (const Example& example : kExamples) {
    const QString path = dir.filePath(QLatin1String(example.file));
    if (!QFileInfo(path).isFile()) continue;
    QAction* action = addAction(tr(example.title));
    action->setObjectName(QFileInfo(path).completeBaseName());
    connect(action, &QAction::triggered, this, [this, path] { emit Chosen(path); });
  }
  setEnabled(!isEmpty());
}

}  // namespace kelvora
