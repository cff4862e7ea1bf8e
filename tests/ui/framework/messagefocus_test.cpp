// A message box raised by a dialog over the main window, answered as a user answers it:
// the keyboard is back in the field at fault, so that what the user types next lands there
// and not in the window the dialog blocks.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "core/database/database.h"
#include "core/document/document.h"
#include "database/dialogdriver.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"
#include "ui/framework/qtplatform.h"
#include "ui/modules/run/segmentdlg.h"
#include "ui/modules/tank/tanktempdlg.h"
#include "uitests.h"

using namespace kelvora;
using kelvora::testing::Child;
using kelvora::testing::Click;
using kelvora::testing::OnNextModal;
using kelvora::testing::TestDocument;
using kelvora::testing::Type;

namespace {

struct Case {
  const char* what;
  std::function<std::unique_ptr<CItemDlg>(CQorDoc&, QWidget&)> open;
  const char* field;  // typed into before OK; none: the stored input is at fault
  const char* text;
  const char* focus;
};

std::unique_ptr<CItemDlg> Section(CQorDoc& doc, QWidget& owner,
                                  const std::function<void(CSegment&)>& damage) {
  CSegment& section = *testing::FillPipeRun(doc).sections.front();
  damage(section);
  return std::make_unique<CSegmentDlg>(section, doc.database, nullptr, &owner);
}

std::unique_ptr<CItemDlg> Tank(CQorDoc& doc, QWidget& owner,
                               const std::function<void(CTankTempModul&)>& damage) {
  CTankTempModul& tank = testing::FillTank(doc);
  damage(tank);
  return std::make_unique<CTankTempDlg>(tank, doc.database, nullptr, &owner);
}

}  // namespace

class MessageFocusTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    doc = std::make_unique<TestDocument>();
    owner = std::make_unique<QMainWindow>();
    owner->setCentralWidget(new QLineEdit);
    owner->show();
    QVERIFY(QTest::qWaitForWindowActive(owner.get()));
    Dialogs() = {&boxes, nullptr, owner.get()};
  }
  void cleanup() {
    Dialogs() = {};
    owner.reset();
    doc.reset();
  }

  void theFieldAtFaultHasTheKeyboardAfterTheMessage() {
    const Case cases[] = {
        {"section length too short", [](CQorDoc& d, QWidget& o) { return Section(d, o, [](CSegment&) {}); },
         "length", "0,05", "length"},
        {"section without a surface",
         [](CQorDoc& d, QWidget& o) {
           return Section(d, o, [](CSegment& s) {
             s.userEmissivityOn = 0;
             s.SetSurface(nullptr);
           });
         },
         nullptr, nullptr, "surface"},
        {"section of a taken name",
         [](CQorDoc& d, QWidget& o) {
           const TakenNamesScope taken({testing::FillPipeRun(d).sections.front()->name});
           return Section(d, o, [](CSegment&) {});
         },
         nullptr, nullptr, "name"},
        {"tank without a product",
         [](CQorDoc& d, QWidget& o) {
           return Tank(d, o, [](CTankTempModul& t) { t.insulation.Set(0, nullptr, 100, nullptr, 0); });
         },
         nullptr, nullptr, "layer"},
        {"tank storage time unreadable",
         [](CQorDoc& d, QWidget& o) { return Tank(d, o, [](CTankTempModul& t) { t.mode = 0; }); },
         "storageTime", "72,5,5", "storageTime"},
    };
    for (const Case& c : cases) {
      init();
      std::unique_ptr<CItemDlg> dialog = c.open(**doc, *owner);
      dialog->show();
      QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
      if (c.field) Type(*dialog, c.field, QString::fromLatin1(c.text));
      QString told;
      OnNextModal([&told](QDialog& box) {
        auto& message = dynamic_cast<QMessageBox&>(box);
        told = message.text();
        message.defaultButton()->click();
      });
      Click(*dialog, "ok");
      QVERIFY2(!told.isEmpty(), c.what);
      QVERIFY2(dialog->isVisible(), c.what);
      QWidget& fault = Child<QWidget>(*dialog, c.focus);
      QTRY_VERIFY2(
          QApplication::focusWidget() == &fault ||
              (qobject_cast<QComboBox*>(&fault) && QApplication::focusWidget() == fault.focusProxy()),
          c.what);
      // What the user types next replaces the text at fault.
      if (auto* edit = qobject_cast<QLineEdit*>(&fault)) {
        // The selection follows the focus through the event loop, as a key press does.
        QTRY_COMPARE(edit->selectedText(), edit->text());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("70"));
        QCOMPARE(edit->text(), QStringLiteral("70"));
      }
      dialog.reset();
      cleanup();
    }
  }

 private:
  std::unique_ptr<TestDocument> doc;
  std::unique_ptr<QMainWindow> owner;
  QtMessages boxes;
};

static RegisterUiTest<MessageFocusTest> registration;
#include "messagefocus_test.moc"
