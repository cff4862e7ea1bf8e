// The product dialogs, driven as a user drives them: typing into fields, clicking buttons
// and answering the dialogs they open.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "core/database/database.h"
#include "core/database/isoprodukt.h"
#include "core/framework/editors.h"
#include "database/dialogdriver.h"
#include "support/fakeplatform.h"
#include "support/recordingsurface.h"
#include "ui/controls/colorbtn.h"
#include "ui/controls/curvebutton.h"
#include "ui/database/egendefisoproduktdlg.h"
#include "ui/database/isoproduktdlg.h"
#include "ui/database/isotykkelsedlg.h"
#include "ui/database/koeffberegningdlg.h"
#include "ui/database/producteditors.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Child;
using kelvora::testing::Click;
using kelvora::testing::OnNextModal;
using kelvora::testing::RecordingHelp;
using kelvora::testing::RecordingMessages;
using kelvora::testing::Type;

namespace {

const QString kEnterName = QStringLiteral("Je nutné zadat název!");
const QString kNameTaken = QStringLiteral("Prosím vložte specifický název.");

const QString kNoThickness = QStringLiteral("Musíte zadat nejméně jednu tloušťku!");
const QString kBelowMin = QStringLiteral("Standardní tloušťka je menší než min. tloušťka.");
const QString kAboveMax = QStringLiteral("Standardní tloušťka přesahuje max. tloušťku.");
const QString kEqualTemperatures = QStringLiteral(
    "Dva body mají stejnou teplotu, takže jimi nelze proložit polynom. Zadejte prosím různé teploty.");

// A whole text at once, as pasted: no shorter text on the way is read.
void Paste(const QWidget& dialog, const char* field, const QString& text) {
  auto& edit = Child<QLineEdit>(dialog, field);
  edit.clear();
  edit.insert(text);
}

void AddThickness(const QWidget& dialog, const QString& text) {
  OnNextModal([text](QDialog& thickness) {
    Type(thickness, "thickness", text);
    Click(thickness, "ok");
  });
  Click(dialog, "newThickness");
}

QStringList Shown(const QListWidget& list) {
  QStringList names;
  for (int i = 0; i < list.count(); ++i) names << list.item(i)->text();
  return names;
}

QString LastMessage(const RecordingMessages& messages) {
  return messages.shown.empty() ? QString() : QString::fromStdString(messages.shown.back());
}

template <class Product>
void AddThicknesses(Product& product, std::initializer_list<float> values) {
  for (const float mm : values) product.InsertThickness(std::make_unique<CIsoTykkelse>(mm));
}

// Everything the dialogs edit, for "nothing changed" checks; IsEqual leaves out names,
// texts, flags and colours.
template <class Product>
bool Unchanged(const Product& product, const Product& before) {
  return product.IsEqual(before) && product.name == before.name && product.secondName == before.secondName &&
         product.producer == before.producer && product.productType == before.productType &&
         product.usage == before.usage && product.insulationColour == before.insulationColour &&
         product.surfaceColour == before.surfaceColour;
}

}  // namespace

class ProductDialogsTest : public QObject {
  Q_OBJECT

  RecordingMessages messages;
  RecordingHelp help;

  static CIsoProdukt StandardProduct() {
    CIsoProdukt product;
    product.name = "Deska A";
    product.maxTemperature = 300;
    AddThicknesses(product, {20, 200});
    return product;
  }
  static CEgendefIsoProdukt UserProduct() {
    CEgendefIsoProdukt product;
    product.name = "Vlastní plsť";
    AddThicknesses(product, {20, 200});
    return product;
  }

 private slots:
  void init() {
    messages = RecordingMessages();
    Dialogs() = {&messages, &help};
    ColourDialog() = [](Colour, QWidget*) { return std::optional<Colour>(Rgb(0, 128, 0)); };
  }
  void cleanup() {
    Dialogs() = {};
    ColourDialog() = nullptr;
  }

  // Thickness dialog.

  void thicknessTakesWhatWasTyped() {
    CIsoTykkelse thickness;
    CIsoTykkelseDlg dialog(thickness);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Standardní tl. izolace"));
    dialog.show();
    Type(dialog, "thickness", "40,5 mm");
    Click(dialog, "ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(thickness.thickness, 40.5f);
    QCOMPARE(thickness.name, std::string("40.5"));
  }

  void thicknessRefuses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("below 0.5") << "0,4"
                               << QStringLiteral(
                                      "Tloušťka [mm]: 0,4 je mimo rozsah, zadejte hodnotu od 0,5 do 1500.");
    QTest::newRow("above 1500")
        << "1500,1"
        << QStringLiteral("Tloušťka [mm]: 1500,1 je mimo rozsah, zadejte hodnotu od 0,5 do 1500.");
    QTest::newRow("not a number") << "abc"
                                  << QStringLiteral(
                                         "Tloušťka [mm]: není číslo, zadejte hodnotu od 0,5 do 1500.");
    QTest::newRow("a thickness the product has") << "50" << kNameTaken;
  }
  void thicknessRefuses() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    CIsoTykkelse thickness;
    CIsoTykkelseDlg dialog(thickness);
    dialog.SetTakenNames({"30.0", "50.0"});
    dialog.show();
    Type(dialog, "thickness", text);
    Click(dialog, "ok");
    QCOMPARE(LastMessage(messages), message);
    QVERIFY(dialog.isVisible());
    QCOMPARE(thickness.thickness, 25.0f);
  }

  // Standard product dialog.

  void standardProductTakesWhatWasEntered() {
    CIsoProdukt product;
    CIsoProduktDlg dialog(product);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Izolační produkt"));
    dialog.show();
    Type(dialog, "name", "Minerální deska K40");
    Type(dialog, "secondName", "Mineral slab K40");
    Type(dialog, "producer", "Izolex");
    Child<QComboBox>(dialog, "type").setCurrentIndex(3);
    Type(dialog, "maxTemperature", "650");
    Type(dialog, "coefficient3", "2,5e-10");
    Type(dialog, "coefficient2", "1.2e-7");
    Type(dialog, "coefficient1", "0,00015");
    Type(dialog, "coefficient0", "0,035");
    Type(dialog, "minThickness", "20");
    Type(dialog, "maxThickness", "160");
    AddThickness(dialog, "40");
    AddThickness(dialog, "30");
    AddThickness(dialog, "100");
    auto& list = Child<QListWidget>(dialog, "thicknesses");
    QCOMPARE(Shown(list), QStringList({"30.0", "40.0", "100.0"}));

    // Updating re-sorts; deleting asks first.
    list.setCurrentRow(1);
    OnNextModal([](QDialog& thickness) {
      Type(thickness, "thickness", "120");
      Click(thickness, "ok");
    });
    Click(dialog, "updateThickness");
    QCOMPARE(Shown(list), QStringList({"30.0", "100.0", "120.0"}));
    QCOMPARE(list.currentRow(), 2);
    list.setCurrentRow(1);
    messages.answers = {true};
    Click(dialog, "deleteThickness");
    QCOMPARE(LastMessage(messages), QStringLiteral("Opravdu chcete smazat \"100.0\" ?"));
    QCOMPARE(Shown(list), QStringList({"30.0", "120.0"}));

    Click(dialog, "chooseInsulationColour");
    QCOMPARE(Child<CColorBtn>(dialog, "insulationColour").GetColour(), Rgb(0, 128, 0));
    Click(dialog, "usage0");
    Click(dialog, "usage6");
    Click(dialog, "ok");

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(product.name, std::string("Minerální deska K40"));
    QCOMPARE(product.secondName, std::string("Mineral slab K40"));
    QCOMPARE(product.producer, std::string("Izolex"));
    QCOMPARE(product.productType, std::string("Izolační pouzdra"));
    QCOMPARE(product.maxTemperature, 650.0f);
    QCOMPARE(product.lambdaCoeff3, 2.5e-10f);
    QCOMPARE(product.lambdaCoeff2, 1.2e-7f);
    QCOMPARE(product.lambdaCoeff1, 0.00015f);
    QCOMPARE(product.lambdaCoeff0, 0.035f);
    QCOMPARE(product.minThickness, 20.0f);
    QCOMPARE(product.maxThickness, 160.0f);
    QCOMPARE(product.thicknesses.size(), std::size_t{2});
    QCOMPARE(product.thicknesses[0]->thickness, 30.0f);
    QCOMPARE(product.thicknesses[1]->thickness, 120.0f);
    QCOMPARE(product.insulationColour, Rgb(0, 128, 0));
    QCOMPARE(product.surfaceColour, Colour{0x00C0C0C0});
    QCOMPARE(product.usage, (std::array<std::int32_t, kUsageCount>{1, 0, 0, 0, 0, 0, 1}));
  }

  void standardProductRefuses_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("withThicknesses");
    QTest::addColumn<QString>("message");
    QTest::newRow("max. temperature")
        << "maxTemperature"
        << "2001" << true << "Max. tepl. [°C]: 2001 je mimo rozsah, zadejte hodnotu od 0 do 2000.";
    QTest::newRow("3rd degree") << "coefficient3"
                                << "11" << true
                                << "Koef. 3. stupně: 11 je mimo rozsah, zadejte hodnotu od -5 do 10.";
    QTest::newRow("1st degree") << "coefficient1"
                                << "-5,1" << true
                                << "Koef. 1. stupně: -5,1 je mimo rozsah, zadejte hodnotu od -5 do 10.";
    QTest::newRow("0th degree unreadable")
        << "coefficient0"
        << "abc" << true << QStringLiteral("Koef. 0. stupně: není číslo, zadejte hodnotu od -5 do 500.");
    QTest::newRow("0th degree") << "coefficient0"
                                << "501" << true
                                << "Koef. 0. stupně: 501 je mimo rozsah, zadejte hodnotu od -5 do 500.";
    QTest::newRow("min. thickness")
        << "minThickness"
        << "0,05" << true << "Min. tloušťka [mm]: 0,05 je mimo rozsah, zadejte hodnotu od 0,1 do 1000.";
    QTest::newRow("max. thickness")
        << "maxThickness"
        << "2001" << true << "Max. tloušťka [mm]: 2001 je mimo rozsah, zadejte hodnotu od 0,1 do 2000.";
    QTest::newRow("no thickness") << ""
                                  << "" << false << kNoThickness;
    QTest::newRow("20 mm below a min. of 30") << "minThickness"
                                              << "30" << true << kBelowMin;
    QTest::newRow("200 mm above a max. of 150") << "maxThickness"
                                                << "150" << true << kAboveMax;
    QTest::newRow("no name") << "name"
                             << "" << true << kEnterName;
    QTest::newRow("name of another product") << "name"
                                             << "Deska B" << true << kNameTaken;
  }
  void standardProductRefuses() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, withThicknesses);
    QFETCH(QString, message);
    CIsoProdukt product = StandardProduct();
    if (!withThicknesses) DeleteAll(product.thicknesses);
    const CIsoProdukt before = product;
    CIsoProduktDlg dialog(product);
    dialog.SetTakenNames({"Deska B"});
    dialog.show();
    if (!field.isEmpty()) Type(dialog, field.toLatin1().constData(), text);
    Click(dialog, "ok");
    QCOMPARE(LastMessage(messages), message);
    QVERIFY(dialog.isVisible());
    QVERIFY(Unchanged(product, before));
  }

  void cancelLeavesTheProductAsItWas() {
    CIsoProdukt product = StandardProduct();
    product.productType = "Slab";
    const CIsoProdukt before = product;
    CIsoProduktDlg dialog(product);
    dialog.show();
    QCOMPARE(Child<QComboBox>(dialog, "type").currentText(), QStringLiteral("Desky"));
    Type(dialog, "name", "Jiný");
    Type(dialog, "coefficient0", "0,05");
    AddThickness(dialog, "50");
    Click(dialog, "chooseSurfaceColour");
    Click(dialog, "usage2");
    Click(dialog, "cancel");
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(Unchanged(product, before));
  }

  void coefficientCalculationFillsTheCoefficients() {
    CIsoProdukt product = StandardProduct();
    CIsoProduktDlg dialog(product);
    dialog.show();
    Type(dialog, "maxTemperature", "600");
    QStringList started;
    OnNextModal([&started](QDialog& calculation) {
      for (const char* name : {"temperature0", "temperature1", "temperature2", "temperature3", "lambda0"}) {
        started << Child<QLineEdit>(calculation, name).text();
      }
      for (const char* name : {"lambda0", "lambda1", "lambda2", "lambda3"}) Type(calculation, name, "0,05");
      Click(calculation, "ok");
    });
    Click(dialog, "calculateCoefficients");
    QCOMPARE(started, QStringList({"0", "200", "400", "600", "0.034"}));
    QCOMPARE(Child<QLineEdit>(dialog, "coefficient3").text(), QStringLiteral("0.000e+00"));
    QCOMPARE(Child<QLineEdit>(dialog, "coefficient0").text(), QStringLiteral("0.050"));
    Click(dialog, "ok");
    QCOMPARE(product.lambdaCoeff0, 0.05f);
    QCOMPARE(product.lambdaCoeff3, 0.0f);
    QCOMPARE(product.maxTemperature, 600.0f);
  }

  void coefficientCalculationIsNotOpenedOverAFieldError() {
    CIsoProdukt product = StandardProduct();
    CIsoProduktDlg dialog(product);
    dialog.show();
    Type(dialog, "coefficient2", "x");
    Click(dialog, "calculateCoefficients");
    QCOMPARE(LastMessage(messages),
             QStringLiteral("Koef. 2. stupně: není číslo, zadejte hodnotu od -5 do 10."));
    QCOMPARE(QApplication::activeModalWidget(), &dialog);
  }

  // User-defined product dialog.

  void userProductFitsTheCurveThroughThreePoints() {
    CEgendefIsoProdukt product;
    CEgendefIsoProduktDlg dialog(product);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Izolační výrobek definovaný uživatelem"));
    dialog.show();
    Type(dialog, "name", "Vlastní rohož");
    Type(dialog, "minThickness", "0");
    Type(dialog, "maxThickness", "120");
    Type(dialog, "maxTemperature", "-20");
    AddThickness(dialog, "60");
    const QStringList temperatures{"0", "50", "100"};
    const QStringList lambdas{"0,04", "0,045", "0,052"};
    for (int i = 0; i < 3; ++i) {
      Type(dialog, QStringLiteral("temperature%1").arg(i).toLatin1().constData(), temperatures[i]);
      Type(dialog, QStringLiteral("lambda%1").arg(i).toLatin1().constData(), lambdas[i]);
    }
    Type(dialog, "temperature3", "50");  // would make four points singular
    QVERIFY(Child<QLineEdit>(dialog, "temperature3").isEnabled());
    Click(dialog, "threePoints");
    QVERIFY(!Child<QLineEdit>(dialog, "temperature3").isEnabled());
    QVERIFY(!Child<QLineEdit>(dialog, "lambda3").isEnabled());
    Click(dialog, "chooseSurfaceColour");
    Click(dialog, "usage4");
    Click(dialog, "ok");

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(product.name, std::string("Vlastní rohož"));
    QCOMPARE(product.minThickness, 0.0f);
    QCOMPARE(product.maxThickness, 120.0f);
    QCOMPARE(product.maxTemperature, -20.0f);
    QCOMPARE(product.thicknesses.size(), std::size_t{1});
    QCOMPARE(product.threePoints, 1);
    QCOMPARE(product.pointTemperature, (std::array<float, 4>{0, 50, 100, 50}));
    QCOMPARE(product.pointLambda[2], 0.052f);
    // The parabola through (0, 0.04), (50, 0.045), (100, 0.052).
    QCOMPARE(product.lambdaCoeff3, 0.0f);
    QVERIFY(qAbs(product.lambdaCoeff2 - 4.0e-7f) < 1e-12f);
    QVERIFY(qAbs(product.lambdaCoeff1 - 8.0e-5f) < 1e-10f);
    QVERIFY(qAbs(product.lambdaCoeff0 - 0.04f) < 1e-7f);
    QCOMPARE(product.surfaceColour, Rgb(0, 128, 0));
    QCOMPARE(product.usage[4], 1);
  }

  void userProductCurveIgnoresATemperatureOutOfRange() {
    CEgendefIsoProdukt product = UserProduct();
    const CEgendefIsoProdukt before = product;
    CEgendefIsoProduktDlg dialog(product);
    dialog.show();
    const auto& curve = Child<CCurveButton>(dialog, "curve");
    const LambdaPolynomial shown = curve.Coefficients();
    Paste(dialog, "temperature3", "3000");
    QCOMPARE(curve.Coefficients().c3, shown.c3);
    QCOMPARE(curve.Coefficients().c0, shown.c0);
    QCOMPARE(curve.Axes().tMax, 150.0f);
    Type(dialog, "temperature3", "150");
    QVERIFY(curve.Coefficients().c3 != shown.c3);

    Paste(dialog, "temperature3", "3000");
    Click(dialog, "ok");
    QCOMPARE(LastMessage(messages),
             QStringLiteral("Teplota 4 [°C]: 3000 je mimo rozsah, zadejte hodnotu od -50 do 2000."));
    QVERIFY(dialog.isVisible());
    QVERIFY(Unchanged(product, before));
  }

  void userProductRefuses_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("min. thickness")
        << "minThickness"
        << "1001"
        << "Min. tloušťka [mm]: 1001 je mimo rozsah, zadejte hodnotu od 0 do 1000.";
    QTest::newRow("max. thickness")
        << "maxThickness"
        << "2001"
        << "Max. tloušťka [mm]: 2001 je mimo rozsah, zadejte hodnotu od 0 do 2000.";
    QTest::newRow("max. temperature")
        << "maxTemperature"
        << "-51"
        << "Max. tepl. [°C]: -51 je mimo rozsah, zadejte hodnotu od -50 do 2000.";
    QTest::newRow("conductivity")
        << "lambda1"
        << "0,005"
        << "Tepelná vodivost 2 [W/mK]: 0,005 je mimo rozsah, zadejte hodnotu od 0,01 do 500.";
    QTest::newRow("two equal temperatures") << "temperature2"
                                            << "35" << kEqualTemperatures;
    QTest::newRow("thickness below the min.") << "minThickness"
                                              << "25" << kBelowMin;
    QTest::newRow("thickness above the max.") << "maxThickness"
                                              << "199" << kAboveMax;
    QTest::newRow("no name") << "name"
                             << "" << kEnterName;
    QTest::newRow("name of a standard product") << "name"
                                                << "Deska A" << kNameTaken;
  }
  void userProductRefuses() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    CEgendefIsoProdukt product = UserProduct();
    const CEgendefIsoProdukt before = product;
    CEgendefIsoProduktDlg dialog(product);
    dialog.SetTakenNames({"Deska A"});
    dialog.show();
    Type(dialog, field.toLatin1().constData(), text);
    Click(dialog, "ok");
    QCOMPARE(LastMessage(messages), message);
    QVERIFY(dialog.isVisible());
    QVERIFY(Unchanged(product, before));
  }

  void userProductCancelLeavesItAsItWas() {
    CEgendefIsoProdukt product = UserProduct();
    const CEgendefIsoProdukt before = product;
    CEgendefIsoProduktDlg dialog(product);
    dialog.show();
    Type(dialog, "lambda0", "0,05");
    Click(dialog, "threePoints");
    Type(dialog, "name", "Jiná");
    Click(dialog, "cancel");
    QVERIFY(Unchanged(product, before));
    QCOMPARE(product.threePoints, 0);
  }

  // Editing through the registry: a user-defined product may not take a standard name.

  void editOpensTheRegisteredDialogs() {
    CDataBase database("unused.dat");
    auto standard = std::make_unique<CIsoProdukt>(StandardProduct());
    database.List(DbList::Products).push_back(std::move(standard));
    RegisterProductEditors(&database);

    CEgendefIsoProdukt product = UserProduct();
    OnNextModal([](QDialog& dialog) {
      Type(dialog, "name", "Deska A");
      Click(dialog, "ok");
    });
    QCOMPARE(product.Edit(), 0);
    QCOMPARE(LastMessage(messages), kNameTaken);
    QCOMPARE(product.name, std::string("Vlastní plsť"));

    OnNextModal([](QDialog& dialog) {
      Type(dialog, "name", "Deska C");
      Click(dialog, "ok");
    });
    QCOMPARE(product.Edit(), 1);
    QCOMPARE(product.name, std::string("Deska C"));

    CIsoProdukt standardProduct = StandardProduct();
    OnNextModal([](QDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Izolační produkt"));
      Type(dialog, "producer", "Izolex");
      Click(dialog, "ok");
    });
    QCOMPARE(standardProduct.Edit(), 1);
    QCOMPARE(standardProduct.producer, std::string("Izolex"));

    Editors().Unregister<CIsoProdukt>();
    Editors().Unregister<CEgendefIsoProdukt>();
    Editors().Unregister<CIsoTykkelse>();
  }

  // Coefficient calculation.

  void calculationStartsWithTypicalPoints() {
    CKoeffBeregningDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Výpočet koeficientů"));
    QStringList shown;
    for (const char* name : {"temperature0", "temperature1", "temperature2", "temperature3", "lambda0",
                             "lambda1", "lambda2", "lambda3"}) {
      shown << Child<QLineEdit>(dialog, name).text();
    }
    QCOMPARE(shown, QStringList({"0", "50", "100", "150", "0.037", "0.045", "0.053", "0.057"}));
  }

  void calculationShowsTheCoefficientsAsTyped() {
    CKoeffBeregningDlg dialog;
    dialog.show();
    Click(dialog, "threePoints");
    QVERIFY(!Child<QLineEdit>(dialog, "lambda3").isEnabled());
    Type(dialog, "lambda0", "0,04");
    Type(dialog, "lambda1", "0,045");
    Type(dialog, "lambda2", "0,052");
    QCOMPARE(Child<QLineEdit>(dialog, "coefficient3").text(), QStringLiteral("0.000e+00"));
    QCOMPARE(Child<QLineEdit>(dialog, "coefficient2").text(), QStringLiteral("4.000e-07"));
    QCOMPARE(Child<QLineEdit>(dialog, "coefficient1").text(), QStringLiteral("8.000e-05"));
    QCOMPARE(Child<QLineEdit>(dialog, "coefficient0").text(), QStringLiteral("0.040"));
    Click(dialog, "ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Coefficients().c3, 0.0f);
  }

  void calculationRefuses_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("temperature") << "temperature1"
                                 << "-51"
                                 << "Teplota 2 [°C]: -51 je mimo rozsah, zadejte hodnotu od -50 do 2000.";
    QTest::newRow("conductivity")
        << "lambda3"
        << "501"
        << "Tepelná vodivost 4 [W/mK]: 501 je mimo rozsah, zadejte hodnotu od 0,01 do 500.";
    QTest::newRow("unreadable")
        << "lambda2"
        << "x" << QStringLiteral("Tepelná vodivost 3 [W/mK]: není číslo, zadejte hodnotu od 0,01 do 500.");
    QTest::newRow("two equal temperatures") << "temperature3"
                                            << "100" << kEqualTemperatures;
  }
  void calculationRefuses() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    CKoeffBeregningDlg dialog;
    dialog.show();
    Type(dialog, field.toLatin1().constData(), text);
    Click(dialog, "ok");
    QCOMPARE(LastMessage(messages), message);
    QVERIFY(dialog.isVisible());
  }
};

static RegisterUiTest<ProductDialogsTest> registerProductDialogsTest;

#include "productdlg_test.moc"
