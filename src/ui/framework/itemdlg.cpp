#include "ui/framework/itemdlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

#include "core/framework/help.h"
#include "core/framework/platform.h"
#include "core/framework/rangetexts.h"
#include "core/framework/stringtable.h"
#include "ui/framework/fieldexchange.h"

namespace kelvora {

namespace {

std::string Czech(int id) { return std::string(LoadResourceString(id, Language::Czech)); }

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

QWidget* DialogParent() {
  if (QWidget* waiting = QApplication::activeModalWidget()) return waiting;
  return Dialogs().owner ? Dialogs().owner : QApplication::activeWindow();
}

CItemDlg::CItemDlg(std::string helpTopic, QWidget* parent)
    : QDialog(parent), topic(std::move(helpTopic)), takenNames(TakenNamesScope::Current()) {
  // Modal to its own windows only: the help window, a window of its own, stays usable.
  setWindowModality(Qt::WindowModal);
}

void CItemDlg::Tell(std::string_view text) const {
  if (Dialogs().messages) Dialogs().messages->Show(text);
}

bool CItemDlg::CheckName(const std::string& name) const {
  if (name.empty()) {
    Tell(Czech(ids::kEnterName));
    return false;
  }
  if (std::find(takenNames.begin(), takenNames.end(), name) != takenNames.end()) {
    Tell(Czech(ids::kNameNotUnique));
    return false;
  }
  return true;
}

bool CItemDlg::CheckRange(int fieldNameId, float value, float min, float max) const {
  if (min <= value && value <= max) return true;
  Tell(OutOfRangeText(fieldNameId, min, max));
  return false;
}

bool CItemDlg::ExchangeFloat(QLineEdit& field, float& value) const {
  const auto read = ReadFloatField(field.text().toStdString());
  if (!read) {
    Tell(Czech(ids::kEnterNumber));
    field.setFocus();
    field.selectAll();
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

void CItemDlg::Refuse(std::string_view message, QWidget* control) const {
  if (!message.empty()) Tell(message);
  if (!control) return;
  control->setFocus();
  if (auto* field = qobject_cast<QLineEdit*>(control)) field->selectAll();
}

bool CItemDlg::AskWarning(std::string_view warning) {
  return !Dialogs().messages || Dialogs().messages->AskOkCancel(warning);
}

void CItemDlg::ShowHelp() const {
  if (!Dialogs().help) {
    Tell(Czech(ids::kHelpFailed));
    return;
  }
  Dialogs().help->OpenTopic(topic);
}

QDialogButtonBox* CItemDlg::MakeButtons() {
  auto* buttons =
      new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Zrušit"));
  buttons->button(QDialogButtonBox::Help)->setText(QStringLiteral("Nápověda"));
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
  buttons->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("help"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, &CItemDlg::ShowHelp);
  return buttons;
}

void CItemDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    ShowHelp();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kelvora
