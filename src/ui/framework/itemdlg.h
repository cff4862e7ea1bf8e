#pragma once

#include <QDialog>

#include <span>
#include <string>
#include <string_view>
#include <vector>

class QDialogButtonBox;
class QLineEdit;

namespace kelvora {

class HelpViewer;
class Messages;

// What every dialog tells the user through and opens help with; the application sets
// them once, tests set recording fakes.
struct DialogServices {
  Messages* messages = nullptr;
  HelpViewer* help = nullptr;
  // The main window, which owns the dialogs opened from it.
  QWidget* owner = nullptr;
};
DialogServices& Dialogs();

// The window a dialog about to run belongs to and blocks: the dialog waiting now, else the
// owner; not merely the active window, which may be the help window.
QWidget* DialogParent();

// The names a record being edited may not take: those of the other records of its list.
// Whoever edits a record out of a list sets them for the time of the edit; the record's
// dialog takes them when it is made.
class TakenNamesScope {
 public:
  explicit TakenNamesScope(std::vector<std::string> names);
  ~TakenNamesScope();
  TakenNamesScope(const TakenNamesScope&) = delete;
  TakenNamesScope& operator=(const TakenNamesScope&) = delete;

  static const std::vector<std::string>& Current();

 private:
  std::vector<std::string> previous;
};

// Tells the user through the dialogs' messages.
void Tell(std::string_view text);
void TellId(int textId);

// The caption a user reads beside a field: its accessible name, else the text of the label or
// button before it in its layout row (for the line edit of a combo box, before the box),
// without the closing colon. Empty when there is none.
QString FieldCaption(QWidget& field);
// Tells why the input of `control` was refused, and puts the focus on the control, a field's
// text selected so that what the user types next replaces it. An empty message only moves
// the focus: its check has told the user already.
void RefuseAt(std::string_view message, QWidget* control);
// Refuses a number field: "<its caption>: <reason>".
void RefuseField(std::string_view reason, QWidget& field);
// A check's fault at `control`: a refused number in a field is named by the field's caption,
// anything else told as the check words it.
void RefuseFault(std::string_view message, std::string_view reason, QWidget* control);

// A number field of a dialog and the value it edits.
struct NumberField {
  QLineEdit* field;
  float* value;
};

// Base of the program's dialogs: OK, Cancel and Help buttons, F1 for the dialog's help
// topic, and the checks dialogs apply on OK. A failed check has told the user why and
// put the focus where the fault is; the dialog stays open.
class CItemDlg : public QDialog {
  Q_OBJECT

 public:
  CItemDlg(std::string helpTopic, QWidget* parent = nullptr);

  const std::string& HelpTopic() const { return topic; }
  // The names a record's name may not repeat; those of the enclosing TakenNamesScope
  // unless set.
  void SetTakenNames(std::vector<std::string> names) { takenNames = std::move(names); }

  bool CheckName(const std::string& name) const;
  // Refuses `field` when `value` lies outside min..max.
  bool CheckRange(QLineEdit& field, float value, float min, float max) const;
  // Reads the field with the decimal-comma rules into `value`; an unreadable field keeps
  // `value`, says so and takes the focus.
  bool ExchangeFloat(QLineEdit& field, float& value) const;
  static void ShowFloat(QLineEdit& field, float value);
  // Reads every field in turn; stops at the first unreadable one, as ExchangeFloat.
  bool ExchangeFloats(std::span<const NumberField> fields) const;
  static void ShowFloats(std::span<const NumberField> fields);
  // RefuseAt for the dialog's checks.
  void Refuse(std::string_view message, QWidget* control) const { RefuseAt(message, control); }
  template <class Fault>
  void RefuseFault(const Fault& fault, QWidget* control) const {
    kelvora::RefuseFault(fault.message, fault.reason, control);
  }
  // A check's warning, answered by the user: OK goes on.
  static bool AskWarning(std::string_view warning);

 public slots:
  void ShowHelp() const;

 protected:
  // OK, Cancel and Help in the platform's order; OK runs accept(), which dialogs
  // override to check and take the values.
  QDialogButtonBox* MakeButtons();
  void keyPressEvent(QKeyEvent* event) override;
  // A wrapped text makes the height the layout needs depend on the width, which the minimum
  // size of a window does not follow: opened at that minimum, the dialog would squeeze its
  // groups and cut texts off. It opens as high as its width needs, within the screen if it
  // fits there.
  void showEvent(QShowEvent* event) override;

 private:
  std::string topic;
  std::vector<std::string> takenNames;
};

}  // namespace kelvora
