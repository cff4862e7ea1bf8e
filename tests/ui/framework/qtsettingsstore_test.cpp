#include "ui/framework/qtsettingsstore.h"

#include <QTest>

#include "core/framework/datafile.h"
#include "core/framework/settingskeys.h"
#include "uitests.h"

using kelvora::QtSettingsStore;

class QtSettingsStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QFile::remove(QtSettingsStore().FileName()); }

  void livesInTheUsersConfigFolder() {
    const QString expected =
        qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Mirelta/Kelvora®.ini");
    QCOMPARE(QtSettingsStore().FileName(), expected);
  }

  void givesTheDefaultsWhenNothingIsStored() {
    QtSettingsStore store;
    const auto& key = kelvora::settings::kDatabaseFile;
    QCOMPARE(store.GetString(key.section, key.key, key.fallback), std::string("kelvora.dat"));
    QCOMPARE(store.GetInt("Window", "left", -7), -7);
    QCOMPARE(kelvora::ReferenceFile(store, kelvora::settings::kClimateFile, {}).Path(),
             std::filesystem::path("kelvora.cli"));
  }

  void keepsValuesAcrossInstances() {
    {
      QtSettingsStore store;
      store.SetString("Settings", "CURRENCY", "€");
      store.SetString("Files", "Cost File", "/data/ceny.cst");
      store.SetInt("Window", "bottom", 812);
    }
    QtSettingsStore store;
    QCOMPARE(store.GetString("Settings", "CURRENCY", "Kč"), std::string("€"));
    QCOMPARE(kelvora::ReferenceFile(store, kelvora::settings::kCostFile, {"/opt/kelvora/bin", {}}).Path(),
             std::filesystem::path("/data/ceny.cst"));
    QCOMPARE(store.GetInt("Window", "bottom", 0), 812);
  }
};

static RegisterUiTest<QtSettingsStoreTest> registered;
#include "qtsettingsstore_test.moc"
