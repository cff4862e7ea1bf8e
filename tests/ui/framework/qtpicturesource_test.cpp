#include "ui/framework/qtpicturesource.h"

#include <QTest>
#include <set>

#include "uitests.h"

using kelvora::Colour;
using kelvora::QtPictureSource;
using kelvora::Rgb;

namespace {

constexpr Colour kOlive = Rgb(128, 128, 0);
constexpr Colour kYellow = Rgb(255, 255, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);

// A family of module pictures: its count and the colours its module replaces
// (by picture number, for the families where internal insulation adds one).
struct Family {
  const char* prefix;
  int count;
  std::set<Colour> (*replaced)(int number);
};

std::set<Colour> OliveYellow(int) { return {kOlive, kYellow}; }
std::set<Colour> OliveYellowBlueInside(int number) {
  const int kind = number % 6;
  if (kind == 3 || kind == 5) return {kOlive, kYellow, kBlue};
  return {kOlive, kYellow};
}
std::set<Colour> YellowBlue(int) { return {kYellow, kBlue}; }

const Family kFamilies[] = {
    {"MATERIALTYPE", 12, OliveYellowBlueInside},
    {"KANALROR", 4, OliveYellowBlueInside},
    {"KANAL", 4, OliveYellow},
    {"ROR", 2, OliveYellow},
    {"TANKTYPE", 3, YellowBlue},
    {"KANALTYPE", 4, OliveYellow},
};

std::set<Colour> ColoursOf(const kelvora::RasterPicture& picture) {
  return {picture.pixels.begin(), picture.pixels.end()};
}

}  // namespace

class QtPictureSourceTest : public QObject {
  Q_OBJECT

 private slots:
  void everyPictureLoadsAtItsSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    for (const Family& family : kFamilies) {
      for (int i = 0; i < family.count; ++i) {
        for (const char* grey : {"", "X"}) {
          const QString name = QStringLiteral("%1%2%3").arg(family.prefix).arg(grey).arg(i);
          QTest::newRow(qPrintable(name)) << name << 192 << 160;
        }
      }
    }
    for (const char* clearance : {"279", "280", "281"}) QTest::newRow(clearance) << clearance << 288 << 192;
    QTest::newRow("banner") << "HEADER" << 400 << 142;
    QTest::newRow("title") << "TITLE" << 480 << 300;
    QTest::newRow("colour button") << "COLORBTN" << 48 << 20;
    QTest::newRow("curve background") << "LAMBDAKURVEU" << 600 << 400;
  }

  void everyPictureLoadsAtItsSize() {
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    const auto picture = QtPictureSource().Load(name.toStdString());
    QCOMPARE(picture.name, name.toStdString());
    QCOMPARE(picture.width, width);
    QCOMPARE(picture.height, height);
    QCOMPARE(picture.pixels.size(), std::size_t(width) * std::size_t(height));
  }

  // The header swaps whole palette colours, so a stray substitution colour would take a
  // product's colour; and drawings in 16 colours must not have picked up blended edges.
  void substitutionColoursOnlyWhereTheModuleReplacesThem() {
    const std::set<Colour> standard = {
        Rgb(0, 0, 0),       Rgb(128, 0, 0),   Rgb(0, 128, 0),   Rgb(128, 128, 0),
        Rgb(0, 0, 128),     Rgb(128, 0, 128), Rgb(0, 128, 128), Rgb(192, 192, 192),
        Rgb(128, 128, 128), Rgb(255, 0, 0),   Rgb(0, 255, 0),   Rgb(255, 255, 0),
        Rgb(0, 0, 255),     Rgb(255, 0, 255), Rgb(0, 255, 255), Rgb(255, 255, 255)};
    const std::set<Colour> substitutes = {kOlive, kYellow, kBlue};
    const QtPictureSource source;
    for (const Family& family : kFamilies) {
      for (int i = 0; i < family.count; ++i) {
        for (bool grey : {false, true}) {
          const std::string name = std::string(family.prefix) + (grey ? "X" : "") + std::to_string(i);
          const std::set<Colour> colours = ColoursOf(source.Load(name));
          std::set<Colour> found;
          for (Colour colour : colours) {
            QVERIFY2(standard.count(colour) == 1, name.c_str());
            if (substitutes.count(colour) == 1) found.insert(colour);
          }
          const std::set<Colour> expected = grey ? std::set<Colour>{} : family.replaced(i);
          QVERIFY2(found == expected, name.c_str());
        }
      }
    }
  }

  void namesAreFoundWithoutRegardToCase() {
    const QtPictureSource source;
    const auto upper = source.Load("KANALTYPEX0");
    const auto mixed = source.Load("Kanaltypex0");
    QCOMPARE(mixed.width, 192);
    QVERIFY(mixed.pixels == upper.pixels);
  }

  void unknownNamesGiveAnEmptyPicture_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("unknown") << "MATERIALTYPE12";
    QTest::newRow("empty") << "";
    QTest::newRow("path") << "../pictures/ROR0";
  }

  void unknownNamesGiveAnEmptyPicture() {
    QFETCH(QString, name);
    const auto picture = QtPictureSource().Load(name.toStdString());
    QVERIFY(picture.IsEmpty());
    QCOMPARE(picture.name, name.toStdString());
  }
};

static RegisterUiTest<QtPictureSourceTest> registration;

#include "qtpicturesource_test.moc"
