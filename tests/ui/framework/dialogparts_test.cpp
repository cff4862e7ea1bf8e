#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTextLayout>

#include "core/database/mantling.h"
#include "core/framework/editors.h"
#include "support/fakeplatform.h"
#include "ui/framework/dialogwidgets.h"
#include "ui/framework/listeditor.h"
#include "ui/framework/recordcombo.h"
#include "ui/framework/scrollfloatfield.h"
#include "uitests.h"

using kelvora::CMantling;
using kelvora::Dialogs;
using kelvora::Editors;
using kelvora::ItemList;
using kelvora::ListEditor;
using kelvora::TakenNamesScope;
using kelvora::testing::RecordingMessages;

namespace {

std::unique_ptr<CMantling> Surface(const char* name) {
  auto surface = std::make_unique<CMantling>();
  surface->name = name;
  return surface;
}

QStringList Shown(const QListWidget& box) {
  QStringList names;
  for (int i = 0; i < box.count(); ++i) names << box.item(i)->text();
  return names;
}

}  // namespace

class DialogPartsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    messages = RecordingMessages();
    Dialogs() = {&messages, nullptr};
    list.clear();
    list.push_back(Surface("Hliník"));
    list.push_back(Surface("Ocel"));
    // A dialog that renames to what the test says, or cancels, and remembers the names it
    // was told are taken.
    Editors().Register<CMantling>([this](CMantling& surface) {
      taken = TakenNamesScope::Current();
      if (nextName.empty()) return 0;
      surface.name = nextName;
      return 1;
    });
  }
  void cleanup() {
    Editors().Unregister<CMantling>();
    Dialogs() = {};
  }

  void newRecordIsKeptOnlyOnOk() {
    QListWidget box;
    ListEditor<CMantling> editor(list, box);
    nextName.clear();
    QVERIFY(!editor.New(std::make_unique<CMantling>()));
    QCOMPARE(list.size(), 2u);
    nextName = "Nerez";
    QVERIFY(editor.New(std::make_unique<CMantling>()));
    QCOMPARE(Shown(box), (QStringList{"Hliník", "Ocel", "Nerez"}));
    QCOMPARE(box.currentRow(), 2);
    QCOMPARE(taken, (std::vector<std::string>{"Hliník", "Ocel"}));
  }

  // The record edited in place may keep its own name; the others are taken.
  void updateEditsTheSelectedRecordAtItsPlace() {
    QListWidget box;
    ListEditor<CMantling> editor(list, box);
    box.setCurrentRow(1);
    nextName = "Ocel lesklá";
    QVERIFY(editor.Update());
    QCOMPARE(taken, std::vector<std::string>{"Hliník"});
    QCOMPARE(Shown(box), (QStringList{"Hliník", "Ocel lesklá"}));
    QCOMPARE(box.currentRow(), 1);
  }

  void copyAddsAnEditedClone() {
    QListWidget box;
    ListEditor<CMantling> editor(list, box);
    list[0]->emissivity = 0.05f;
    box.setCurrentRow(0);
    nextName = "Hliník 2";
    QVERIFY(editor.Copy());
    QCOMPARE(list.size(), 3u);
    QCOMPARE(list[2]->emissivity, 0.05f);
    QCOMPARE(list[0]->name, std::string("Hliník"));
  }

  void deleteAsksAndHonoursTheVeto() {
    QListWidget box;
    bool allowed = false;
    ListEditor<CMantling> editor(list, box, [&](const CMantling&) { return allowed; });
    box.setCurrentRow(1);
    QVERIFY(!editor.Delete());
    QVERIFY(messages.shown.empty());
    allowed = true;
    messages.answers = {false, true};
    QVERIFY(!editor.Delete());
    QVERIFY(editor.Delete());
    QCOMPARE(messages.shown, (std::vector<std::string>{"Opravdu chcete smazat \"Ocel\" ?",
                                                       "Opravdu chcete smazat \"Ocel\" ?"}));
    QCOMPARE(Shown(box), QStringList{"Hliník"});
  }

  void emptyListSaysSo() {
    list.clear();
    QListWidget box;
    ListEditor<CMantling> editor(list, box);
    QVERIFY(!editor.Update());
    QVERIFY(!editor.Copy());
    QVERIFY(!editor.Delete());
    QCOMPARE(messages.shown, std::vector<std::string>(3, "Tento seznam je prázdný!"));
  }

  // A record a document brought along stays on offer beside the list's own.
  void comboKeepsAPreselectedRecordTheListLacks() {
    QComboBox combo;
    QLabel description;
    const auto foreign = Surface("Měď");
    foreign->emissivity = 0.3f;
    const kelvora::RecordCombo<CMantling> records(list, combo, foreign.get(), &description,
                                                  [](const CMantling& s) { return s.name + " ε"; });
    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.currentText(), QStringLiteral("Měď"));
    QCOMPARE(description.text(), QStringLiteral("Měď ε"));
    QCOMPARE(list.back()->emissivity, 0.3f);
    combo.setCurrentIndex(0);
    QCOMPARE(records.Selected(), list[0].get());
  }

  void scrollBarAndFieldFollowEachOther() {
    QScrollBar bar(Qt::Horizontal);
    QLineEdit field;
    const kelvora::ScrollFloatField emissivity(bar, field, {0.0f, 1.0f, 0.05f, 0.2f, 100.0f}, 0.94f,
                                               QStringLiteral("%.2f"));
    QCOMPARE(bar.maximum(), 100);
    QCOMPARE(bar.singleStep(), 5);
    QCOMPARE(bar.pageStep(), 20);
    QCOMPARE(field.text(), QStringLiteral("0.94"));
    bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(field.text(), QStringLiteral("0.89"));
    field.clear();
    QTest::keyClicks(&field, QStringLiteral("0.5"));
    QCOMPARE(bar.value(), 50);
    QCOMPARE(emissivity.Value(), 0.5f);
    field.clear();
    QTest::keyClicks(&field, QStringLiteral("0,3"));
    QCOMPARE(bar.value(), 30);
    field.clear();
    QTest::keyClicks(&field, QStringLiteral("2"));
    QCOMPARE(bar.value(), 30);
  }

  // Wherever a summary wraps, a unit such as "kg/m3" stays whole.
  void aSummaryWrapsBetweenWordsNotInAUnit() {
    QWidget dialog;
    kelvora::SummaryBox* box = kelvora::LayerSummary(dialog);
    box->SetText(QStringLiteral("Minerální vata - izolační pouzdra 50 kg/m3 s Al fólií"));
    const QLabel& label = *box->findChild<QLabel*>(QStringLiteral("layerSummary"));
    const QString text = label.text();
    QTextOption wrapped;
    wrapped.setWrapMode(QTextOption::WordWrap);
    for (int width = 60; width <= 400; width += 2) {
      QTextLayout layout(text, label.font());
      layout.setTextOption(wrapped);
      layout.beginLayout();
      for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        QString shown = text.mid(line.textStart(), line.textLength());
        shown.remove(QChar(0x2060));
        QVERIFY2(!shown.trimmed().endsWith(QLatin1Char('/')), qPrintable(QString::number(width)));
      }
      layout.endLayout();
    }
  }

 private:
  RecordingMessages messages;
  ItemList<CMantling> list;
  std::string nextName;
  std::vector<std::string> taken;
};

static RegisterUiTest<DialogPartsTest> registration;
#include "dialogparts_test.moc"
