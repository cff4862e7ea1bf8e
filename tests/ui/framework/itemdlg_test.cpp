#include "ui/framework/itemdlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include "core/framework/stringtable.h"
#include "support/fakeplatform.h"
#include "support/recordingsurface.h"
#include "ui/framework/fieldexchange.h"
#include "uitests.h"

using kelvora::CItemDlg;
using kelvora::Dialogs;
using kelvora::testing::RecordingHelp;
using kelvora::testing::RecordingMessages;

namespace {

namespace ids = kelvora::ids;

// A dialog of one float field, checked on OK as the program's dialogs check theirs.
class FloatDialog : public CItemDlg {
 public:
  FloatDialog() : CItemDlg("::/html/prosjekt.htm") {
    auto* layout = new QFormLayout(this);
    field = new QLineEdit(this);
    layout->addRow(QStringLiteral("Průměr [mm]:"), field);
    layout->addRow(MakeButtons());
  }
  void accept() override {
    if (!ExchangeFloat(*field, value) || !CheckRange(*field, value, 1, 3000)) return;
    CItemDlg::accept();
  }
  QLineEdit* field;
  float value = 7.0f;
};

}  // namespace

class ItemDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    messages = RecordingMessages();
    Dialogs() = {&messages, &help};
  }
  void cleanup() { Dialogs() = {}; }

  void readsWhatUsersType_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<float>("value");
    QTest::newRow("leading blank and comma") << " 0,5" << true << 0.5f;
    QTest::newRow("point without zero") << ".5" << true << 0.5f;
    QTest::newRow("zero") << "0" << true << 0.0f;
    QTest::newRow("letters") << "abc" << false << 0.0f;
    QTest::newRow("minus zero") << "-0" << false << 0.0f;
    QTest::newRow("unit after the number") << "12,5 mm" << true << 12.5f;
    QTest::newRow("a second comma") << "1,5,5" << false << 0.0f;
    QTest::newRow("a point after the comma") << "1,5.5" << false << 0.0f;
    QTest::newRow("digits apart") << "7 5" << false << 0.0f;
    QTest::newRow("tab before") << "\t-3.25" << true << -3.25f;
    QTest::newRow("exponent") << "1.51e-9" << true << 1.51e-9f;
    QTest::newRow("beyond float") << "1e60" << false << 0.0f;
    QTest::newRow("empty") << "" << false << 0.0f;
  }
  void readsWhatUsersType() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(float, value);
    const auto read = kelvora::ReadFloatField(text.toStdString());
    QCOMPARE(read.has_value(), valid);
    if (valid) QCOMPARE(*read, value);
  }

  void plainExchangeTakesANumberAlone() {
    QCOMPARE(kelvora::ReadPlainFloat(" 2.5 "), std::optional<float>(2.5f));
    QCOMPARE(kelvora::ReadPlainFloat("2,5"), std::optional<float>(2.5f));
    QVERIFY(!kelvora::ReadPlainFloat("2,5,5"));
    QVERIFY(!kelvora::ReadPlainFloat("2.5 mm"));
  }

  // The caption the user reads beside the field, wherever the dialog's layout puts it.
  void aFieldIsNamedAsItsDialogShowsIt() {
    QWidget dialog;
    auto* outer = new QVBoxLayout(&dialog);
    auto* grid = new QGridLayout;
    outer->addLayout(grid);
    auto* inGrid = new QLineEdit(&dialog);
    grid->addWidget(new QLabel(QStringLiteral("Průtok média [m3/h]:"), &dialog), 0, 0, 1, 2);
    grid->addWidget(inGrid, 0, 2);
    auto* byRadio = new QLineEdit(&dialog);
    grid->addWidget(new QRadioButton(QStringLiteral("Akumulační doba [h]:"), &dialog), 1, 0);
    grid->addWidget(byRadio, 1, 1);
    auto* alone = new QLineEdit(&dialog);
    grid->addWidget(alone, 2, 0);
    auto* group = new QGroupBox(&dialog);
    auto* form = new QFormLayout(group);
    auto* inForm = new QLineEdit(group);
    form->addRow(QStringLiteral("&Hustota [kg/m3]::"), inForm);
    outer->addWidget(group);
    auto* row = new QHBoxLayout;
    auto* inRow = new QComboBox(&dialog);
    inRow->setEditable(true);
    row->addWidget(new QLabel(QStringLiteral("Tloušťka [mm]:"), &dialog));
    row->addWidget(inRow);
    outer->addLayout(row);
    auto* named = new QLineEdit(&dialog);
    named->setAccessibleName(QStringLiteral("Souč. přestupu tepla vně [W/m2K]"));
    row->addWidget(named);

    QCOMPARE(kelvora::FieldCaption(*inGrid), QStringLiteral("Průtok média [m3/h]"));
    QCOMPARE(kelvora::FieldCaption(*byRadio), QStringLiteral("Akumulační doba [h]"));
    QCOMPARE(kelvora::FieldCaption(*alone), QString());
    QCOMPARE(kelvora::FieldCaption(*inForm), QStringLiteral("Hustota [kg/m3]"));
    QCOMPARE(kelvora::FieldCaption(*inRow->lineEdit()), QStringLiteral("Tloušťka [mm]"));
    QCOMPARE(kelvora::FieldCaption(*named), QStringLiteral("Souč. přestupu tepla vně [W/m2K]"));
  }

  void showsSixSignificantDigits_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("small") << 0.034f << "0.034";
    QTest::newRow("million") << 1000000.0f << "1e+06";
    QTest::newRow("rounded") << 123456.7f << "123457";
    QTest::newRow("tiny") << 1.51e-9f << "1.51e-09";
  }
  void showsSixSignificantDigits() {
    QFETCH(float, value);
    QFETCH(QString, shown);
    QCOMPARE(QString::fromStdString(kelvora::ShowFloatField(value)), shown);
    // Whatever is shown reads back.
    QVERIFY(kelvora::ReadFloatField(kelvora::ShowFloatField(value)).has_value());
  }

  void namesMustBeGivenAndOwn() {
    CItemDlg dialog("::/html/overflate.htm");
    QVERIFY(dialog.CheckName("Hliník"));
    QVERIFY(!dialog.CheckName(""));
    dialog.SetTakenNames({"Hliník", "Ocel"});
    QVERIFY(!dialog.CheckName("Hliník"));
    QVERIFY(dialog.CheckName("hliník"));
    QCOMPARE(messages.shown,
             (std::vector<std::string>{"Je nutné zadat název!", "Prosím vložte specifický název."}));
  }

  void rangeIncludesItsBoundsAndNamesTheFieldByItsCaption() {
    FloatDialog dialog;
    QVERIFY(dialog.CheckRange(*dialog.field, 5, 5, 5));
    QVERIFY(!dialog.CheckRange(*dialog.field, 5.01f, 5, 5));
    QCOMPARE(messages.shown,
             std::vector<std::string>{"Průměr [mm]: 5,01 je mimo rozsah, zadejte hodnotu od 5 do 5."});
  }

  // A field that is no number keeps the dialog open with the focus on it; a good one closes it.
  void okChecksTheFieldsInOrder() {
    FloatDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.field->setText(QStringLiteral("abc"));
    dialog.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.value, 7.0f);
    QCOMPARE(messages.shown, std::vector<std::string>{"Průměr [mm]: není číslo, zadejte číslo."});
    QVERIFY(dialog.field->hasFocus());

    dialog.field->setText(QStringLiteral("0,5 mm"));
    dialog.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(messages.shown.size(), 2u);

    dialog.field->setText(QStringLiteral("60,3 mm"));
    dialog.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.value, 60.3f);
  }

  void helpButtonAndF1OpenTheDialogsTopic() {
    FloatDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.findChild<QPushButton*>(QStringLiteral("help"))->click();
    QTest::keyClick(dialog.field, Qt::Key_F1);
    QCOMPARE(help.topics, (std::vector<std::string>{"::/html/prosjekt.htm", "::/html/prosjekt.htm"}));
    Dialogs().help = nullptr;
    dialog.ShowHelp();
    QCOMPARE(messages.shown, std::vector<std::string>{"Nápovědu se nepodařilo spustit."});
  }

 private:
  RecordingMessages messages;
  RecordingHelp help;
};

static RegisterUiTest<ItemDlgTest> registration;
#include "itemdlg_test.moc"
