// Every number field of every module dialog, typed into as a user types: a decimal comma
// and a decimal point give the same value after OK, and a text that holds no one number is
// refused with a message that names the field, the focus back in it.

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>

#include "core/database/database.h"
#include "core/document/document.h"
#include "database/dialogdriver.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"
#include "ui/framework/fieldexchange.h"
#include "ui/modules/common/isolasjondlg.h"
#include "ui/modules/condensation/innvendigkondensdlg.h"
#include "ui/modules/condensation/utvendigkondensdlg.h"
#include "ui/modules/economics/costunit.h"
#include "ui/modules/economics/kostnaddlg.h"
#include "ui/modules/economics/okoisolasjondlg.h"
#include "ui/modules/economics/okonomidlg.h"
#include "ui/modules/frost/frostdlg.h"
#include "ui/modules/heatloss/tilleggsutstyrdlg.h"
#include "ui/modules/heatloss/varmetapdlg.h"
#include "ui/modules/run/kanaltempdlg.h"
#include "ui/modules/run/segmentdlg.h"
#include "ui/modules/sound/lyddlg.h"
#include "ui/modules/tank/tanktempdlg.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Child;
using kelvora::testing::Click;
using kelvora::testing::Record;
using kelvora::testing::TestDocument;
using kelvora::testing::Type;

namespace {

const QString kEnterNumber = QStringLiteral("není číslo, zadejte číslo.");

// A module dialog over a filled module, and the same dialog opened anew on what OK took.
struct Opened {
  std::unique_ptr<CItemDlg> dialog;
  std::function<std::unique_ptr<CItemDlg>()> reopen;
};

template <class Make, class Inputs, class Taken>
Opened Reopenable(Make make, const Inputs& inputs, Taken taken) {
  auto dialog = make(inputs);
  auto* shown = dialog.get();
  return {std::move(dialog), [make, taken, shown] { return make(taken(*shown)); }};
}

template <class Make, class Inputs>
Opened Reopenable(Make make, const Inputs& inputs) {
  return Reopenable(make, inputs, [](const auto& dialog) -> decltype(auto) { return dialog.Inputs(); });
}

Opened Open(const QString& name, CQorDoc& doc) {
  CDataBase* database = &doc.database;
  CQorDoc* document = &doc;
  if (name == "heat loss") {
    return Reopenable(
        [database](const CVarmeTapModul& m) { return std::make_unique<CVarmetapDlg>(m, *database, nullptr); },
        testing::FillHeatLoss(doc));
  }
  if (name == "insulation") {
    auto* wool = &Record<CIsoProdukt>(doc, DbList::Products);
    return Reopenable(
        [document, wool](const InsulationChoice& choice) {
          return std::make_unique<CIsolasjonDlg>(choice, std::vector<CIsoProdukt*>{wool},
                                                 document->userDatabase, 0);
        },
        InsulationChoice{0, 1, 40, 25, wool, nullptr}, [](const CIsolasjonDlg& d) { return d.Choice(); });
  }
  if (name == "equipment") {
    return Reopenable(
        [database](const EquipmentChoice& choice) {
          return std::make_unique<CTilleggsutstyrDlg>(choice, database->List(DbList::Equipment));
        },
        EquipmentChoice{2, 1, 1.5f, "Příruba", nullptr},
        [](const CTilleggsutstyrDlg& d) { return d.Choice(); });
  }
  if (name == "run") {
    return Reopenable(
        [database](const CKanalTempModul& m) { return std::make_unique<CKanalTempDlg>(m, *database); },
        testing::FillPipeRun(doc));
  }
  if (name == "section") {
    return Reopenable(
        [database](const CSegment& s) { return std::make_unique<CSegmentDlg>(s, *database, nullptr); },
        *testing::FillPipeRun(doc).sections.front());
  }
  if (name == "tank") {
    return Reopenable(
        [database](const CTankTempModul& m) { return std::make_unique<CTankTempDlg>(m, *database, nullptr); },
        testing::FillTank(doc));
  }
  if (name == "external condensation") {
    return Reopenable(
        [database](const CUtvendigKondensModul& m) {
          return std::make_unique<CUtvendigKondensDlg>(m, *database, nullptr);
        },
        testing::FillExternalCondensation(doc, 3));
  }
  if (name == "internal condensation") {
    return Reopenable(
        [database](const CInnvendigKondensModul& m) {
          return std::make_unique<CInnvendigKondensDlg>(m, *database, nullptr);
        },
        testing::FillInternalCondensation(doc));
  }
  if (name == "frost") {
    return Reopenable(
        [database](const CFrostModul& m) { return std::make_unique<CFrostDlg>(m, *database, nullptr); },
        testing::FillFrost(doc));
  }
  if (name == "sound") {
    return Reopenable([database](const CLydModul& m) { return std::make_unique<CLydDlg>(m, *database); },
                      testing::FillSound(doc));
  }
  if (name == "economics") {
    return Reopenable([](const COkonomiModul& m) { return std::make_unique<COkonomiDlg>(m, nullptr); },
                      testing::FillEconomics(doc));
  }
  if (name == "economics alternative") {
    return Reopenable(
        [document](const COkoIsolasjon& alternative) {
          return std::make_unique<COkoIsolasjonDlg>(alternative, document->database, document->userDatabase,
                                                    document->costs);
        },
        testing::AddAlternative(doc, 0), [](const COkoIsolasjonDlg& d) { return d.Result(); });
  }
  // The price of an insulation cost preset.
  return Reopenable([](float price) { return std::make_unique<CIsoKostnadDlg>("Vata 40 mm", price); }, 250.0f,
                    [](const CIsoKostnadDlg& d) { return d.Price(); });
}

// Typed into as a user types, which a greyed field would refuse: the exchange reads every
// field, greyed or not.
void TypeInto(CItemDlg& dialog, const QByteArray& field, const QString& text) {
  auto& edit = Child<QLineEdit>(dialog, field.constData());
  edit.setEnabled(true);
  Type(dialog, field.constData(), text);
}

QString Shown(const std::vector<std::string>& messages) {
  QStringList texts;
  for (const std::string& text : messages) texts << QString::fromStdString(text);
  return texts.join(QStringLiteral(" | "));
}

}  // namespace

class NumberFieldsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    doc = std::make_unique<TestDocument>();
    Dialogs() = {&doc->messages, nullptr};
    // Warnings the checks ask (a medium above a product's limit) are confirmed.
    doc->messages.answers = std::deque<bool>(20, true);
    // As the economics dialog of the filled module leaves it.
    SharedCostUnit() = {"EUR", false};
  }
  void cleanup() {
    Dialogs() = {};
    doc.reset();
  }

  void everyFieldTakesACommaOrAPoint_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("typed");  // with a decimal comma
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("refusal");
    const auto row = [](const char* dialog, const char* field, const char* typed, float value,
                        const char* caption, const QString& refusal = kEnterNumber) {
      QTest::addRow("%s %s", dialog, field)
          << QString::fromLatin1(dialog) << QByteArray(field) << QString::fromLatin1(typed) << value
          << QString::fromUtf8(caption) << refusal;
    };
    row("heat loss", "mediumTemperature", "150,5", 150.5f, "Teplota média [°C]");
    row("heat loss", "ambientTemperature", "-10,5", -10.5f, "Okolní teplota [°C]");
    row("heat loss", "diameter", "219,5", 219.5f, "Průměr [mm]");
    row("heat loss", "height", "400,5", 400.5f, "Výška [mm]");
    row("heat loss", "width", "300,5", 300.5f, "Šířka [mm]");
    row("heat loss", "length", "25,5", 25.5f, "Délka potrubí [m]");
    row("heat loss", "area", "3,25", 3.25f, "Plocha [m2]");
    row("heat loss", "bareEmissivity", "0,75", 0.75f, "Emisivita potrubí*");
    row("heat loss", "windSpeed", "4,5", 4.5f, "Rychlost větru [m/s]");
    row("heat loss", "userCoefficient", "9,5", 9.5f, "Souč. přestupu tepla vně [W/m2K]");
    row("heat loss", "userEmissivity", "0,35", 0.35f, "Uživat. def. emisiv");
    row("heat loss", "surfaceTemperature", "40,5", 40.5f, "Teplota povrchu [°C]");
    row("heat loss", "maxHeatLossPerMetre", "20,5", 20.5f, "Tepelná ztráta [W/m]");
    row("heat loss", "maxHeatLossPerSquareMetre", "70,5", 70.5f, "Tepelná ztráta [W/m2]");
    row("heat loss", "operatingHours", "4000,5", 4000.5f, "Provoz. doba [h/rok]");
    row("heat loss", "energyPrice", "2,75", 2.75f, "Náklady energie na kWh");
    row("heat loss", "co2Factor", "500,5", 500.5f, "Emise CO2 [g/kWh]");
    row("heat loss", "flowValue", "3,5", 3.5f, "Rychlost průtoku média [m/s]");
    row("insulation", "standardThicknessText", "72,5", 72.5f, "Tloušťka [mm]");
    // A record field says the range it takes.
    row("equipment", "length", "1,25", 1.25f, "Přidaná délka potrubí [m]",
        QStringLiteral("není číslo, zadejte hodnotu od 0 do 1000."));
    row("run", "density", "1050,5", 1050.5f, "Hustota [kg/m3]");
    row("run", "heatCapacity", "3800,5", 3800.5f, "Tep. kapacita [J/kgK]");
    row("run", "freezingPoint", "-12,5", -12.5f, "Bod tuhnutí [°C]");
    row("run", "inletTemperature", "70,5", 70.5f, "Teplota média v prvním úseku [°C]");
    row("run", "operatingHours", "5000,5", 5000.5f, "Provozní doba [h/rok]");
    row("run", "energyPrice", "2,75", 2.75f, "Náklady na kWh energie");
    row("run", "humidity", "45,5", 45.5f, "Vlhkost vstupujícího vzduchu [%]");
    row("section", "height", "300,5", 300.5f, "Výška [mm]");
    row("section", "width", "250,5", 250.5f, "Šířka [mm]");
    row("section", "diameter", "89,5", 89.5f, "Průměr [mm]");
    row("section", "length", "12,5", 12.5f, "Délka [m]");
    row("section", "ambientTemperature", "5,5", 5.5f, "Teplota okolí [°C]");
    row("section", "windSpeed", "4,5", 4.5f, "Rychlost větru [m/s]");
    row("section", "outerCoefficient", "8,5", 8.5f, "Souč. přestupu tepla vně [W/m2K]");
    row("section", "innerCoefficient", "15,5", 15.5f, "Souč. přestupu tepla uvnitř [W/m2K]");
    row("section", "userEmissivity", "0,35", 0.35f, "Uživatelsky def. emisivita");
    row("section", "flow", "3,5", 3.5f, "Rychlost průtoku média [m/s]");
    row("tank", "diameter", "2,75", 2.75f, "Průměr [m]");
    row("tank", "length", "6,5", 6.5f, "Délka [m]");
    row("tank", "width", "2,5", 2.5f, "Šířka [m]");
    row("tank", "height", "3,5", 3.5f, "Výška [m]");
    row("tank", "depth", "4,5", 4.5f, "Hloubka [m]");
    row("tank", "ambientTemperature", "-5,5", -5.5f, "Okolní teplota [°C]");
    row("tank", "windSpeed", "4,5", 4.5f, "Rychlost větru [m/s]");
    row("tank", "outerCoefficient", "8,5", 8.5f, "Souč. přestupu tepla vně [W/m2K]");
    row("tank", "density", "870,5", 870.5f, "Hustota [kg/m3]");
    row("tank", "heatCapacity", "2100,5", 2100.5f, "Tepelná kap. [J/kgK]");
    row("tank", "freezingPoint", "-20,5", -20.5f, "Bod tuhnutí [°C]");
    row("tank", "startTemperature", "90,5", 90.5f, "Počáteční teplota [°C]");
    row("tank", "storageTime", "72,5", 72.5f, "Akumulační doba [h]");
    row("tank", "endTemperature", "40,5", 40.5f, "Konečná teplota [°C]");
    row("tank", "userEmissivity", "0,25", 0.25f, "Uživatelsky def. emis.");
    row("external condensation", "diameter", "114,5", 114.5f, "Průměr [mm]");
    row("external condensation", "height", "300,5", 300.5f, "Výška [mm]");
    row("external condensation", "width", "400,5", 400.5f, "Šířka [mm]");
    row("external condensation", "ambientTemperature", "24,5", 24.5f, "Okolní teplota [°C]");
    // Shown as a whole number.
    row("external condensation", "humidity", "72,0", 72.0f, "Rel. vlhkost vzd. [%]");
    row("external condensation", "windSpeed", "4,25", 4.25f, "Rychlost větru [m/s]");
    row("external condensation", "outerCoefficient", "8,5", 8.5f, "Souč. přestupu tepla vně [W/m2K]");
    row("external condensation", "mediumTemperature", "-12,25", -12.25f, "Teplota média [°C]");
    row("external condensation", "userEmissivity", "0,35", 0.35f, "Uživat. def. emisiv.");
    row("internal condensation", "diameter", "160,5", 160.5f, "Průměr [mm]");
    row("internal condensation", "height", "250,5", 250.5f, "Výška [mm]");
    row("internal condensation", "width", "500,5", 500.5f, "Šířka [mm]");
    row("internal condensation", "length", "35,5", 35.5f, "Délka [m]");
    row("internal condensation", "ambientTemperature", "5,5", 5.5f, "Okolní teplota [°C]");
    row("internal condensation", "windSpeed", "3,5", 3.5f, "Rychlost větru [m/s]");
    row("internal condensation", "outerCoefficient", "7,5", 7.5f, "Souč. přestupu tepla vně [W/m2K]");
    row("internal condensation", "innerCoefficient", "12,75", 12.75f, "Souč. přestupu tepla uvnitř [W/m2K]");
    row("internal condensation", "flow", "1,75", 1.75f, "Rychlost průtoku média [m/s]");
    row("internal condensation", "inletTemperature", "32,5", 32.5f, "Vstupní teplota [°C]");
    row("internal condensation", "humidity", "65,5", 65.5f, "Rel. vlhkost vzd. [%]");
    row("internal condensation", "userEmissivity", "0,35", 0.35f, "Emisivita");
    row("frost", "pipeDiameter", "60,5", 60.5f, "Vnější průměr [mm]");
    row("frost", "wallThickness", "2,75", 2.75f, "Tloušťka st. p. [mm]");
    row("frost", "ambientTemperature", "-25,5", -25.5f, "Teplota okolí [°C]");
    row("frost", "windSpeed", "6,5", 6.5f, "Rychlost větru [m/s]");
    row("frost", "outerCoefficient", "12,5", 12.5f, "Souč. přestupu tepla vně [W/m2K]");
    row("frost", "startTemperature", "10,5", 10.5f, "Počáteční teplota [°C]");
    row("frost", "percentageFrozen", "50,5", 50.5f, "Hmotnostní podíl zmrzlé vody [%]");
    row("frost", "emissivity", "0,55", 0.55f, "Uživatelsky def. emis");
    row("sound", "diameter", "250,5", 250.5f, "Průměr [mm]");
    row("sound", "height", "300,5", 300.5f, "Výška [mm]");
    row("sound", "width", "600,5", 600.5f, "Šířka [mm]");
    row("sound", "ownThickness", "75,5", 75.5f, "Tloušťka [mm]");
    row("sound", "alpha125", "0,15", 0.15f, "Činitel zvukové pohltivosti 125 Hz");
    row("sound", "alpha250", "0,35", 0.35f, "Činitel zvukové pohltivosti 250 Hz");
    row("sound", "alpha500", "0,65", 0.65f, "Činitel zvukové pohltivosti 500 Hz");
    row("sound", "alpha1000", "0,85", 0.85f, "Činitel zvukové pohltivosti 1000 Hz");
    row("sound", "alpha2000", "0,95", 0.95f, "Činitel zvukové pohltivosti 2000 Hz");
    row("sound", "alpha4000", "0,75", 0.75f, "Činitel zvukové pohltivosti 4000 Hz");
    row("economics", "diameter", "168,5", 168.5f, "Průměr [mm]");
    row("economics", "height", "600,5", 600.5f, "Výška [mm]");
    row("economics", "width", "450,5", 450.5f, "Šířka [mm]");
    row("economics", "bareEmissivity", "0,85", 0.85f, "Emisivita potrubí*");
    row("economics", "mediumTemperature", "120,5", 120.5f, "Teplota média [°C]");
    row("economics", "flow", "3,75", 3.75f, "Rychlost průtoku média [m/s]");
    row("economics", "ambientTemperature", "-5,5", -5.5f, "Okolní teplota [°C]");
    row("economics", "windSpeed", "6,5", 6.5f, "Rychlost větru [m/s]");
    row("economics", "userCoefficient", "9,5", 9.5f, "Souč. přestupu tepla vně [W/m2K]");
    row("economics", "energyPrice", "2,75", 2.75f, "Náklady na kWh energie");
    row("economics", "operatingHours", "5000,5", 5000.5f, "Provozní doba [h/rok]");
    row("economics", "lifeSpan", "15,5", 15.5f, "Odpisová doba [roky]");
    row("economics", "energyInflation", "3,5", 3.5f, "Inflace energie [%]");
    row("economics", "interestRate", "4,5", 4.5f, "Úroková sazba [%]");
    row("economics alternative", "standardThicknessText", "60,5", 60.5f, "Tloušťka [mm]");
    row("economics alternative", "emissivity", "0,35", 0.35f, "Uživatelsky def. emisivita");
    row("economics alternative", "price", "250,5", 250.5f, "Náklady [EUR/m]");
    row("insulation cost", "price", "250,5", 250.5f, "Náklady [EUR/m]");
  }
  void everyFieldTakesACommaOrAPoint() {
    QFETCH(QString, dialog);
    QFETCH(QByteArray, field);
    QFETCH(QString, typed);
    QFETCH(float, value);
    for (const QString& text : {typed, QString(typed).replace(QLatin1Char(','), QLatin1Char('.'))}) {
      Opened opened = Open(dialog, **doc);
      opened.dialog->show();
      TypeInto(*opened.dialog, field, text);
      Click(*opened.dialog, "ok");
      QVERIFY2(opened.dialog->result() == QDialog::Accepted,
               qPrintable(text + ": " + Shown(doc->messages.shown)));
      const auto again = opened.reopen();
      QCOMPARE(ReadFloatField(Child<QLineEdit>(*again, field.constData()).text().toStdString()),
               std::optional<float>(value));
    }
  }

  // Opened, no dialog squeezes a group below the height it needs: a wrapped text makes that
  // depend on the width, which a window's minimum size does not follow.
  void everyDialogOpensWithRoomForItsGroups_data() {
    QTest::addColumn<QString>("dialog");
    for (const char* name :
         {"heat loss", "insulation", "equipment", "run", "section", "tank", "external condensation",
          "internal condensation", "frost", "sound", "economics", "economics alternative", "insulation cost"})
      QTest::newRow(name) << QString::fromLatin1(name);
  }
  void everyDialogOpensWithRoomForItsGroups() {
    QFETCH(QString, dialog);
    Opened opened = Open(dialog, **doc);
    opened.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(opened.dialog.get()));
    for (const QGroupBox* group : opened.dialog->findChildren<QGroupBox*>()) {
      const int needed = group->hasHeightForWidth() ? group->heightForWidth(group->width())
                                                    : group->minimumSizeHint().height();
      QVERIFY2(!group->isVisible() || group->height() >= needed, qPrintable(group->title()));
    }
  }

  // The whole-number field among them as well.
  void aTextOfNoOneNumberIsRefusedByName_data() {
    everyFieldTakesACommaOrAPoint_data();
    QTest::newRow("equipment count") << "equipment" << QByteArray("count") << "2" << 2.0f
                                     << QStringLiteral("Počet kusů")
                                     << QStringLiteral("není celé číslo, zadejte celé číslo.");
  }
  void aTextOfNoOneNumberIsRefusedByName() {
    QFETCH(QString, dialog);
    QFETCH(QByteArray, field);
    QFETCH(QString, caption);
    QFETCH(QString, refusal);
    Opened opened = Open(dialog, **doc);
    opened.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(opened.dialog.get()));
    TypeInto(*opened.dialog, field, QStringLiteral("7,2,5"));
    Click(*opened.dialog, "ok");
    QVERIFY(opened.dialog->isVisible());
    QCOMPARE(Shown(doc->messages.shown), caption + QStringLiteral(": ") + refusal);
    // Where the user can type: a field the dialog greys takes no focus.
    auto& edit = Child<QLineEdit>(*opened.dialog, field.constData());
    if (!edit.isEnabled()) return;
    auto* box = qobject_cast<QComboBox*>(edit.parentWidget());
    QCOMPARE(opened.dialog->focusWidget(),
             box && box->lineEdit() == &edit ? static_cast<QWidget*>(box) : &edit);
  }

 private:
  std::unique_ptr<TestDocument> doc;
};

static RegisterUiTest<NumberFieldsTest> registration;
#include "numberfields_test.moc"
