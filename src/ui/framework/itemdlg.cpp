#include "ui/framework/itemdlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

#include "core/framework/help.h"
#include "core/framework/platform.h"
#include "core/framework/rangetexts.h"
#include "core/framework/stringtable.h"
#include "ui/framework/fieldexchange.h"

namespace kelvora {

namespace {

// What a label or button says, without mnemonic marks and the colon that leads to its field.
QString CaptionText(const QWidget* widget) {
  QString text;
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    text = label->text();
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
    text = button->text();
  }
  text.remove(QLatin1Char('&'));
  text = text.simplified();
  while (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

// The layout, `layout` or one nested in it, that holds `widget` itself.
QLayout* HoldingLayout(QLayout& layout, const QWidget& widget) {
  if (layout.indexOf(&widget) >= 0) return &layout;
  for (int i = 0; i < layout.count(); ++i) {
    QLayout* inner = layout.itemAt(i)->layout();
    if (QLayout* found = inner ? HoldingLayout(*inner, widget) : nullptr) return found;
  }
  return nullptr;
}

// The widget that leads to item `index` of `layout`: its form label, the cell before it in its
// grid row, or the item before it in a row of widgets; for the first of a row, what leads the
// row.
QWidget* Leading(QLayout& layout, int index) {
  if (auto* form = qobject_cast<QFormLayout*>(&layout)) {
    int row = 0;
    QFormLayout::ItemRole role = QFormLayout::LabelRole;
    form->getItemPosition(index, &row, &role);
    QLayoutItem* label = role == QFormLayout::FieldRole ? form->itemAt(row, QFormLayout::LabelRole) : nullptr;
    return label ? label->widget() : nullptr;
  }
  if (auto* grid = qobject_cast<QGridLayout*>(&layout)) {
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    QLayoutItem* before = column > 0 ? grid->itemAtPosition(row, column - 1) : nullptr;
    return before ? before->widget() : nullptr;
  }
  auto* box = qobject_cast<QBoxLayout*>(&layout);
  if (!box || box->direction() != QBoxLayout::LeftToRight) return nullptr;
  if (index > 0) return box->itemAt(index - 1)->widget();
  auto* outer = qobject_cast<QLayout*>(layout.parent());
  return outer ? Leading(*outer, outer->indexOf(&layout)) : nullptr;
}

QWidget* Leading(QWidget& widget) {
  QWidget* parent = widget.parentWidget();
  QLayout* layout = parent && parent->layout() ? HoldingLayout(*parent->layout(), widget) : nullptr;
  return layout ? Leading(*layout, layout->indexOf(&widget)) : nullptr;
}

// Selects all of a field's text as soon as the field has the keyboard, so that what the user
// types next replaces it. A window that gets the keyboard back after a message box gives it
// to its focus widget without the selection made while the window was inactive.
class SelectionOnFocus : public QObject {
 public:
  explicit SelectionOnFocus(QLineEdit& field) : QObject(&field), field(field) {
    field.installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::FocusIn) return false;
    // After the line edit has taken the focus in.
    QTimer::singleShot(0, &field, &QLineEdit::selectAll);
    deleteLater();
    return false;
  }

 private:
  QLineEdit& field;
};

void SelectWhenFocused(QLineEdit& field) {
  field.selectAll();
  if (!field.hasFocus()) new SelectionOnFocus(field);
}

std::vector<std::string>& TakenNames() {
  static std::vector<std::string> names;
  return names;
}

}  // namespace

TakenNamesScope::TakenNamesScope(std::vector<std::string> names) : previous(std::move(TakenNames())) {
  TakenNames() = std::move(names);
}

TakenNamesScope::~TakenNamesScope() { TakenNames() = std::move(previous); }

const std::vector<std::string>& TakenNamesScope::Current() { return TakenNames(); }

DialogServices& Dialogs() {
  static DialogServices services;
  return services;
}

void Tell(std::string_view text) {
  if (Dialogs().messages) Dialogs().messages->Show(text);
}

void TellId(int textId) { Tell(MessageText(textId)); }

QString FieldCaption(QWidget& field) {
  if (!field.accessibleName().isEmpty()) return field.accessibleName();
  auto* box = qobject_cast<QComboBox*>(field.parentWidget());
  return CaptionText(Leading(box && box->lineEdit() == &field ? *box : field));
}

void RefuseAt(std::string_view message, QWidget* control) {
  if (!message.empty()) Tell(message);
  if (!control) return;
  control->setFocus();
  if (auto* field = qobject_cast<QLineEdit*>(control)) SelectWhenFocused(*field);
}

void RefuseField(std::string_view reason, QWidget& field) {
  const QString caption = FieldCaption(field);
  RefuseAt(caption.isEmpty() ? std::string(reason) : FieldRefusal(caption.toStdString(), reason), &field);
}

void RefuseFault(std::string_view message, std::string_view reason, QWidget* control) {
  const bool field = qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control);
  if (field && !reason.empty()) {
    RefuseField(reason, *control);
  } else {
    RefuseAt(message, control);
  }
}

QWidget* DialogParent() {
  if (QWidget* waiting = QApplication::activeModalWidget()) return waiting;
  return Dialogs().owner ? Dialogs().owner : QApplication::activeWindow();
}

CItemDlg::CItemDlg(std::string helpTopic, QWidget* parent)
    : QDialog(parent), topic(std::move(helpTopic)), takenNames(TakenNamesScope::Current()) {
  // Modal to its own windows only: the help window, a window of its own, stays usable.
  setWindowModality(Qt::WindowModal);
}

bool CItemDlg::CheckName(const std::string& name) const {
  if (name.empty()) {
    Tell(MessageText(ids::kEnterName));
    return false;
  }
  if (std::find(takenNames.begin(), takenNames.end(), name) != takenNames.end()) {
    Tell(MessageText(ids::kNameNotUnique));
    return false;
  }
  return true;
}

bool CItemDlg::CheckRange(QLineEdit& field, float value, float min, float max) const {
  if (min <= value && value <= max) return true;
  RefuseField(RangeReason(value, min, max), field);
  return false;
}

bool CItemDlg::ExchangeFloat(QLineEdit& field, float& value) const {
  const auto read = ReadFloatField(field.text().toStdString());
  if (!read) {
    RefuseField(MessageText(ids::kEnterNumber), field);
    return false;
  }
  value = *read;
  return true;
}

void CItemDlg::ShowFloat(QLineEdit& field, float value) {
  field.setText(QString::fromStdString(ShowFloatField(value)));
}

bool CItemDlg::ExchangeFloats(std::span<const NumberField> fields) const {
  return std::all_of(fields.begin(), fields.end(), [this](const NumberField& number) {
    return ExchangeFloat(*number.field, *number.value);
  });
}

void CItemDlg::ShowFloats(std::span<const NumberField> fields) {
  for (const NumberField& number : fields) ShowFloat(*number.field, *number.value);
}

bool CItemDlg::AskWarning(std::string_view warning) {
  return !Dialogs().messages || Dialogs().messages->AskOkCancel(warning);
}

void CItemDlg::ShowHelp() const {
  if (!Dialogs().help) {
    Tell(MessageText(ids::kHelpFailed));
    return;
  }
  Dialogs().help->OpenTopic(topic);
}

QDialogButtonBox* CItemDlg::MakeButtons() {
  auto* buttons =
      new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Zrušit"));
  buttons->button(QDialogButtonBox::Help)->setText(tr("Nápověda"));
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
  buttons->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("help"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, &CItemDlg::ShowHelp);
  return buttons;
}

void CItemDlg::showEvent(QShowEvent* event) {
  if (QLayout* grid = layout(); grid && grid->hasHeightForWidth()) {
    // A dialog that fits the screen stays on it; one that does not is better whole.
    const int room = screen() ? screen()->availableGeometry().height() : height();
    int needed = grid->totalHeightForWidth(width());
    if (height() <= room) needed = std::min(needed, room);
    if (needed > height()) resize(width(), needed);
  }
  QDialog::showEvent(event);
}

void CItemDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    ShowHelp();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kelvora
