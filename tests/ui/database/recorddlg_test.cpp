#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include <memory>

#include "core/database/absorpsjon.h"
#include "core/database/klima.h"
#include "core/database/mantling.h"
#include "core/framework/editors.h"
#include "database/dialogdriver.h"
#include "support/fakeplatform.h"
#include "support/recordingsurface.h"
#include "ui/controls/colorbtn.h"
#include "ui/database/absorpsjondlg.h"
#include "ui/database/klimadlg.h"
#include "ui/database/mantlingdlg.h"
#include "ui/database/recordeditors.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Child;
using kelvora::testing::Click;
using kelvora::testing::OnNextModal;
using kelvora::testing::RecordingHelp;
using kelvora::testing::RecordingMessages;
using kelvora::testing::Type;

namespace {

QString Number(float value) { return QString::number(static_cast<double>(value)); }

QStringList Names(const QListWidget& box) {
  QStringList names;
  for (int i = 0; i < box.count(); ++i) names << box.item(i)->text();
  return names;
}

template <class T>
QStringList Names(const ItemList<T>& list) {
  QStringList names;
  for (const auto& record : list) names << QString::fromStdString(record->name);
  return names;
}

// Something a calculation would be: a user of a record.
class User : public CItem {};

// One record of every class with a dialog here, valid as it starts.
struct Records {
  Records() {
    surface.name = "Hliník";
    liquid.name = "Voda";
    equipment.name = "Ventil";
    equipment.lengths.push_back(std::make_unique<CTilleggslengde>());
    absorber.name = "Tlumič";
    absorber.thicknesses.push_back(std::make_unique<CAbsorpsjonTykkelse>());
    thickness.SetThickness(80.0f);
    location.name = "Brno";
  }

  std::unique_ptr<QDialog> Open(const QString& kind) {
    if (kind == "surface") return std::make_unique<CMantlingDlg>(surface);
    if (kind == "liquid") return std::make_unique<CVeskeDlg>(liquid);
    if (kind == "equipment") return std::make_unique<CTillegg2Dlg>(equipment);
    if (kind == "length") return std::make_unique<CTilleggslengdeDlg>(length);
    if (kind == "absorber") return std::make_unique<CAbsorpsjonDlg>(absorber);
    if (kind == "thickness") return std::make_unique<CAbsorpsjonTykkelseDlg>(thickness);
    return std::make_unique<CKlimastedDlg>(location);
  }

  // What a dialog may change of the record, as text.
  QString State(const QString& kind) const {
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    if (kind == "surface")
      return QStringList{text(surface.name), text(surface.secondName), Number(surface.emissivity),
                         QString::number(surface.colour)}
          .join('|');
    if (kind == "liquid")
      return QStringList{text(liquid.name), text(liquid.secondName), Number(liquid.density),
                         Number(liquid.heatCapacity), Number(liquid.freezingPoint)}
          .join('|');
    if (kind == "equipment") return text(equipment.name) + '|' + Names(equipment.lengths).join('/');
    if (kind == "length")
      return QStringList{text(length.name), Number(length.addedLength), Number(length.minDiameter),
                         Number(length.maxDiameter)}
          .join('|');
    if (kind == "absorber")
      return QStringList{text(absorber.name), Names(absorber.thicknesses).join('/'),
                         QString::number(absorber.insulationColour), QString::number(absorber.surfaceColour)}
          .join('|');
    if (kind == "thickness") {
      QStringList fields{text(thickness.name), Number(thickness.thickness)};
      for (int band = 0; band < kOctaveBands; ++band) fields << Number(thickness.Alpha(band));
      return fields.join('|');
    }
    return QStringList{text(location.name), text(location.displayText), Number(location.temperature),
                       Number(location.windSpeed)}
        .join('|');
  }

  CMantling surface{MantlingKind::OuterFinish};
  CVeske liquid;
  CTillegg2 equipment;
  CTilleggslengde length;
  CAbsorpsjon absorber{AbsorberKind::RectangularDuct};
  CAbsorpsjonTykkelse thickness;
  CKlimasted location;
};

}  // namespace

class RecordDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { RegisterRecordEditors(); }
  void init() {
    // The colour choice answers what the test chose, and remembers what it was preset with.
    keptChooser = ColourDialog();
    ColourDialog() = [this](Colour initial, QWidget*) {
      presets.push_back(initial);
      return nextColour;
    };
    presets.clear();
    messages = RecordingMessages();
    help = RecordingHelp();
    Dialogs() = {&messages, &help};
    records = std::make_unique<Records>();
  }
  void cleanup() {
    Dialogs() = {};
    ColourDialog() = keptChooser;
  }

  void surfaceTakesNamesEmissivityAndColour() {
    CMantlingDlg dialog(records->surface);
    dialog.show();
    QCOMPARE(Child<QLineEdit>(dialog, "emissivity").text(), QStringLiteral("0.94"));
    Type(dialog, "name", "Nerez");
    Type(dialog, "secondName", "Stainless");
    Type(dialog, "emissivity", "0,35");
    nextColour = 0x00563412;
    Click(dialog, "chooseColour");
    nextColour = std::nullopt;
    Click(dialog, "colourSwatch");
    QCOMPARE(presets, (std::vector<Colour>{0x00C0C0C0, 0x00563412}));
    QCOMPARE(Child<CColorBtn>(dialog, "colourSwatch").GetColour(), 0x00563412u);
    Click(dialog, "ok");
    QVERIFY(messages.shown.empty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(records->surface.name, std::string("Nerez"));
    QCOMPARE(records->surface.secondName, std::string("Stainless"));
    QCOMPARE(records->surface.emissivity, 0.35f);
    QCOMPARE(records->surface.colour, 0x00563412u);
  }

  // A name longer than the field takes, from a file or another program, survives opening
  // and confirming the dialog; typing stays within the longer length.
  void aStoredNameLongerThanTheFieldIsKeptWhole() {
    const std::string longName(70, 'n');
    records->surface.name = longName;
    records->surface.secondName = longName + "e";
    CMantlingDlg dialog(records->surface);
    dialog.show();
    Click(dialog, "ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(records->surface.name, longName);
    QCOMPARE(records->surface.secondName, longName + "e");
  }

  void surfaceEmissivityFollowsTheScrollBar() {
    CMantlingDlg dialog(records->surface);
    dialog.show();
    Child<QScrollBar>(dialog, "emissivityBar").triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(Child<QLineEdit>(dialog, "emissivity").text(), QStringLiteral("0.74"));
    Click(dialog, "ok");
    QCOMPARE(records->surface.emissivity, 0.74f);
  }

  void liquidTakesItsProperties() {
    CVeskeDlg dialog(records->liquid);
    dialog.show();
    Type(dialog, "name", "Glykol 30 %");
    Type(dialog, "secondName", "Glycol 30 %");
    Type(dialog, "density", "1030,5");
    Type(dialog, "heatCapacity", "3900 J/kgK");
    Type(dialog, "freezingPoint", "-15,5");
    Click(dialog, "ok");
    QVERIFY(messages.shown.empty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(records->liquid.name, std::string("Glykol 30 %"));
    QCOMPARE(records->liquid.secondName, std::string("Glycol 30 %"));
    QCOMPARE(records->liquid.density, 1030.5f);
    QCOMPARE(records->liquid.heatCapacity, 3900.0f);
    QCOMPARE(records->liquid.freezingPoint, -15.5f);
  }

  // Ranges are kept by added length; the equipment keeps its old ones until OK.
  void equipmentEditsItsRangesOnACopy() {
    CTillegg2 valve;
    CTillegg2Dlg dialog(valve);
    dialog.show();
    Type(dialog, "name", "Ventil");
    const auto addRange = [&](const char* added, const char* min, const char* max) {
      OnNextModal([=](QDialog& range) {
        QCOMPARE(range.windowTitle(), QStringLiteral("Přidaná délka potrubí / průměru potrubí"));
        Type(range, "addedLength", added);
        Type(range, "minDiameter", min);
        Type(range, "maxDiameter", max);
        Click(range, "ok");
      });
      Click(dialog, "newLength");
    };
    addRange("2.5", "51", "100");
    addRange("1", "15", "40");
    auto& box = Child<QListWidget>(dialog, "lengths");
    QCOMPARE(Names(box), (QStringList{"15 - 40 mm", "51 - 100 mm"}));
    QCOMPARE(box.currentRow(), 0);
    QVERIFY(valve.lengths.empty());

    // An update moves the range to its new place.
    OnNextModal([](QDialog& range) {
      Type(range, "addedLength", "3");
      Type(range, "maxDiameter", "50");
      Click(range, "ok");
    });
    Click(dialog, "updateLength");
    QCOMPARE(Names(box), (QStringList{"51 - 100 mm", "15 - 50 mm"}));
    QCOMPARE(box.currentRow(), 1);

    Click(dialog, "ok");
    QVERIFY(messages.shown.empty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Names(valve.lengths), (QStringList{"51 - 100 mm", "15 - 50 mm"}));
    QCOMPARE(valve.lengths[1]->addedLength, 3.0f);
    QCOMPARE(valve.AddedLengthFor(30.0f), 3.0f);
  }

  // Thicknesses stay ascending and unique by their shown value; one in use stays.
  void absorberEditsItsThicknessesOnACopy() {
    CAbsorpsjon& absorber = records->absorber;
    User calculation;
    absorber.thicknesses.front()->AddUser(calculation);
    CAbsorpsjonDlg dialog(absorber);
    dialog.show();
    Type(dialog, "name", "Tlumič R");
    Type(dialog, "secondName", "Silencer R");
    const auto addThickness = [&](const char* mm, const char* alpha125) {
      OnNextModal([=](QDialog& thickness) {
        QCOMPARE(thickness.windowTitle(), QStringLiteral("Pohltivost"));
        Type(thickness, "thickness", mm);
        Type(thickness, "alpha125", alpha125);
        Click(thickness, "ok");
      });
      Click(dialog, "newThickness");
    };
    addThickness("100", "0,4");
    addThickness("80", "0,3");
    addThickness("50,04", "0,3");
    auto& box = Child<QListWidget>(dialog, "thicknesses");
    QCOMPARE(Names(box), (QStringList{"50.0", "80.0", "100.0"}));
    QCOMPARE(messages.shown, std::vector<std::string>{"Prosím vložte specifický název."});

    messages.shown.clear();
    messages.answers = {true};
    box.setCurrentRow(0);
    Click(dialog, "deleteThickness");
    box.setCurrentRow(1);
    Click(dialog, "deleteThickness");
    QCOMPARE(messages.shown, (std::vector<std::string>{"Nelze smazat tloušťku vybranou pro výpočet.",
                                                       "Opravdu chcete smazat \"80.0\" ?"}));
    QCOMPARE(Names(box), (QStringList{"50.0", "100.0"}));
    QCOMPARE(absorber.thicknesses.size(), 1u);

    nextColour = 0x000000FF;
    Click(dialog, "chooseInsulationColour");
    nextColour = 0x00FF0000;
    Click(dialog, "surfaceSwatch");
    QCOMPARE(presets, (std::vector<Colour>{0x0000FFFF, 0x00008080}));
    Click(dialog, "ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(absorber.name, std::string("Tlumič R"));
    QCOMPARE(absorber.secondName, std::string("Silencer R"));
    QCOMPARE(Names(absorber.thicknesses), (QStringList{"50.0", "100.0"}));
    QCOMPARE(absorber.thicknesses[1]->alpha125, 0.4f);
    QCOMPARE(absorber.thicknesses[1]->alpha250, 0.65f);
    QCOMPARE(absorber.insulationColour, 0x000000FFu);
    QCOMPARE(absorber.surfaceColour, 0x00FF0000u);
    QCOMPARE(absorber.thicknesses[0]->Users(), std::vector<CItem*>{&calculation});
  }

  void thicknessTakesItsCoefficients() {
    CAbsorpsjonTykkelseDlg dialog(records->thickness);
    dialog.show();
    Type(dialog, "thickness", "25,5");
    const char* bands[] = {"alpha125", "alpha250", "alpha500", "alpha1000", "alpha2000", "alpha4000"};
    for (int band = 0; band < kOctaveBands; ++band) Type(dialog, bands[band], QString("0,%1").arg(band + 1));
    Click(dialog, "ok");
    QVERIFY(messages.shown.empty());
    QCOMPARE(records->thickness.name, std::string("25.5"));
    QCOMPARE(records->thickness.thickness, 25.5f);
    for (int band = 0; band < kOctaveBands; ++band)
      QCOMPARE(records->thickness.Alpha(band), static_cast<float>(band + 1) / 10.0f);
  }

  void refusesWhatItCannotStore_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString noName = "Je nutné zadat název!";
    const QString taken = "Prosím vložte specifický název.";
    QTest::newRow("surface without name") << "surface"
                                          << "name"
                                          << "" << noName;
    QTest::newRow("surface name taken") << "surface"
                                        << "name"
                                        << "Ocel" << taken;
    QTest::newRow("emissivity letters") << "surface"
                                        << "emissivity"
                                        << "lesk"
                                        << "Emisivita: není číslo, zadejte hodnotu od 0 do 1.";
    QTest::newRow("emissivity above 1") << "surface"
                                        << "emissivity"
                                        << "1,05"
                                        << "Emisivita: 1,05 je mimo rozsah, zadejte hodnotu od 0 do 1.";
    QTest::newRow("liquid name taken") << "liquid"
                                       << "name"
                                       << "Ocel" << taken;
    QTest::newRow("density too low")
        << "liquid"
        << "density"
        << "0,05"
        << "Hustota [kg/m3]: 0,05 je mimo rozsah, zadejte hodnotu od 0,1 do 4200.";
    QTest::newRow("heat capacity letters")
        << "liquid"
        << "heatCapacity"
        << "x"
        << "Tepelná kapacita [J/kgK]: není číslo, zadejte hodnotu od 1 do 10000.";
    QTest::newRow("heat capacity too high")
        << "liquid"
        << "heatCapacity"
        << "10001"
        << "Tepelná kapacita [J/kgK]: 10001 je mimo rozsah, zadejte hodnotu od 1 do 10000.";
    QTest::newRow("freezing below absolute zero")
        << "liquid"
        << "freezingPoint"
        << "-274"
        << "Bod tuhnutí [°C]: -274 je mimo rozsah, zadejte hodnotu od -273 do 200.";
    QTest::newRow("equipment without name") << "equipment"
                                            << "name"
                                            << "" << noName;
    QTest::newRow("equipment name taken") << "equipment"
                                          << "name"
                                          << "Ocel" << taken;
    QTest::newRow("added length of two commas")
        << "length"
        << "addedLength"
        << "1,5,5"
        << "Přidaná délka potrubí [m]: není číslo, zadejte hodnotu od 0 do 1000.";
    QTest::newRow("diameter with unit")
        << "length"
        << "minDiameter"
        << "10 mm"
        << "Min. průměru potrubí [mm]: není číslo, zadejte hodnotu od 0 do 10000.";
    QTest::newRow("added length too long")
        << "length"
        << "addedLength"
        << "1000.5"
        << "Přidaná délka potrubí [m]: 1000,5 je mimo rozsah, zadejte hodnotu od 0 do 1000.";
    QTest::newRow("diameter too large")
        << "length"
        << "maxDiameter"
        << "10001"
        << "Max. průměru potrubí [mm]: 10001 je mimo rozsah, zadejte hodnotu od 0 do 10000.";
    // The stored minimum is 10 mm: a range that ends below it holds nothing.
    QTest::newRow("maximum below the minimum")
        << "length"
        << "maxDiameter"
        << "5"
        << "Max. průměru potrubí [mm]: 5 je mimo rozsah, zadejte hodnotu od 10 do 10000.";
    QTest::newRow("absorber without name") << "absorber"
                                           << "name"
                                           << "" << noName;
    QTest::newRow("absorber name taken") << "absorber"
                                         << "name"
                                         << "Ocel" << taken;
    QTest::newRow("thickness too large")
        << "thickness"
        << "thickness"
        << "2001"
        << "Tloušťka [mm]: 2001 je mimo rozsah, zadejte hodnotu od 0 do 2000.";
    QTest::newRow("coefficient above 1")
        << "thickness"
        << "alpha4000"
        << "1,01"
        << "Činitel zvukové pohltivosti 4000 Hz: 1,01 je mimo rozsah, zadejte hodnotu od 0 do 1.";
    QTest::newRow("coefficient letters")
        << "thickness"
        << "alpha500"
        << "a"
        << "Činitel zvukové pohltivosti 500 Hz: není číslo, zadejte hodnotu od 0 do 1.";
    QTest::newRow("thickness shows as another") << "thickness"
                                                << "thickness"
                                                << "50,04" << taken;
    QTest::newRow("location without name") << "location"
                                           << "name"
                                           << "" << noName;
    QTest::newRow("location name taken") << "location"
                                         << "name"
                                         << "Ocel" << taken;
    QTest::newRow("temperature too high")
        << "location"
        << "temperature"
        << "60,5"
        << "Průměrná roční teplota [°C]: 60,5 je mimo rozsah, zadejte hodnotu od -60 do 60.";
    QTest::newRow("wind speed negative")
        << "location"
        << "windSpeed"
        << "-1"
        << "Průměrná roční rychlost větru [m/s]: -1 je mimo rozsah, zadejte hodnotu od 0 do 20.";
  }
  void refusesWhatItCannotStore() {
    QFETCH(QString, kind);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const QString before = records->State(kind);
    const TakenNamesScope others({"Ocel", "50.0"});
    auto dialog = records->Open(kind);
    dialog->show();
    Type(*dialog, field.toLatin1().constData(), text);
    Click(*dialog, "ok");
    QCOMPARE(messages.shown, std::vector<std::string>{message.toStdString()});
    QVERIFY(dialog->isVisible());
    QCOMPARE(records->State(kind), before);
  }

  void listsNeedAnEntry_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("deleteButton");
    QTest::addColumn<QString>("message");
    QTest::newRow("equipment") << "equipment"
                               << "deleteLength"
                               << "Do seznamu je nutné zadat minimálně jednu vstupní hodnotu";
    QTest::newRow("absorber") << "absorber"
                              << "deleteThickness"
                              << "Musíte zadat nejméně jednu tloušťku!";
  }
  void listsNeedAnEntry() {
    QFETCH(QString, kind);
    QFETCH(QString, deleteButton);
    QFETCH(QString, message);
    const QString before = records->State(kind);
    auto dialog = records->Open(kind);
    dialog->show();
    messages.answers = {true};
    Click(*dialog, deleteButton.toLatin1().constData());
    messages.shown.clear();
    Click(*dialog, deleteButton.toLatin1().constData());
    Click(*dialog, "ok");
    QCOMPARE(messages.shown, (std::vector<std::string>{"Tento seznam je prázdný!", message.toStdString()}));
    QVERIFY(dialog->isVisible());
    QCOMPARE(records->State(kind), before);
  }

  void cancelKeepsTheRecord_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("deleteButton");
    QTest::newRow("surface") << "surface"
                             << "emissivity"
                             << "";
    QTest::newRow("liquid") << "liquid"
                            << "density"
                            << "";
    QTest::newRow("equipment") << "equipment"
                               << "name"
                               << "deleteLength";
    QTest::newRow("length") << "length"
                            << "maxDiameter"
                            << "";
    QTest::newRow("absorber") << "absorber"
                              << "name"
                              << "deleteThickness";
    QTest::newRow("thickness") << "thickness"
                               << "alpha125"
                               << "";
    QTest::newRow("location") << "location"
                              << "temperature"
                              << "";
  }
  void cancelKeepsTheRecord() {
    QFETCH(QString, kind);
    QFETCH(QString, field);
    QFETCH(QString, deleteButton);
    const QString before = records->State(kind);
    auto dialog = records->Open(kind);
    dialog->show();
    Type(*dialog, field.toLatin1().constData(), "0,5");
    messages.answers = {true};
    if (!deleteButton.isEmpty()) Click(*dialog, deleteButton.toLatin1().constData());
    Click(*dialog, "cancel");
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(records->State(kind), before);
  }

  // Edit of each record opens its dialog, which answers help with its own topic.
  void editOpensTheRecordsDialog_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("topic");
    QTest::newRow("surface") << "surface"
                             << "Vnější povrch izolace"
                             << "::/html/overflate.htm";
    QTest::newRow("liquid") << "liquid"
                            << "Kapalina"
                            << "::/html/vaeske.htm";
    QTest::newRow("equipment") << "equipment"
                               << "Přídavné vybavení"
                               << "::/html/tillegg.htm";
    QTest::newRow("length") << "length"
                            << "Přidaná délka potrubí / průměru potrubí"
                            << "::/html/tillegglengde.htm";
    QTest::newRow("absorber") << "absorber"
                              << "Tlumič hluku"
                              << "::/html/absorption.htm";
    QTest::newRow("thickness") << "thickness"
                               << "Pohltivost"
                               << "::/html/absorptiondlg.htm";
    QTest::newRow("location") << "location"
                              << "Klimatická data"
                              << "::/html/klimasted.htm";
  }
  void editOpensTheRecordsDialog() {
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QString, topic);
    CItem* record = kind == "surface"     ? static_cast<CItem*>(&records->surface)
                    : kind == "liquid"    ? &records->liquid
                    : kind == "equipment" ? &records->equipment
                    : kind == "length"    ? &records->length
                    : kind == "absorber"  ? &records->absorber
                    : kind == "thickness" ? &records->thickness
                                          : static_cast<CItem*>(&records->location);
    QString shown;
    OnNextModal([&](QDialog& dialog) {
      shown = dialog.windowTitle();
      Click(dialog, "help");
      Click(dialog, "cancel");
    });
    QCOMPARE(record->Edit(), 0);
    QCOMPARE(shown, caption);
    QCOMPARE(help.topics, std::vector<std::string>{topic.toStdString()});
  }

 private:
  RecordingMessages messages;
  RecordingHelp help;
  std::unique_ptr<Records> records;
  ColourChooser keptChooser;
  std::optional<Colour> nextColour;
  std::vector<Colour> presets;
};

static RegisterUiTest<RecordDialogsTest> registration;
#include "recorddlg_test.moc"
