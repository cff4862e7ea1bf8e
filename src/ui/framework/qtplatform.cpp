#include "ui/framework/qtplatform.h"

#include <QMessageBox>

#include <memory>

#include "core/framework/stringtable.h"
#include "ui/framework/itemdlg.h"
#include "ui/framework/missingentrydlg.h"

namespace kelvora {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {

QString AppTitle() { return FromUtf8(MessageText(ids::kAppTitle)); }

// Runs a message box over the window waiting now; closed, it hands the keyboard back to that
// window's focus widget, whatever window the platform would activate.
template <class Box>
auto OverWaitingWindow(Box box) {
  const QPointer<QWidget> owner = DialogParent();
  const auto answer = box(owner.data());
  if (owner) owner->activateWindow();
  return answer;
}

bool Ask(std::string_view text, QMessageBox::StandardButton yes, QMessageBox::StandardButton no) {
  return OverWaitingWindow([&](QWidget* owner) {
           return QMessageBox::question(owner, AppTitle(), FromUtf8(text), yes | no, yes);
         }) == yes;
}

}  // namespace

void QtMessages::Show(std::string_view text) {
  OverWaitingWindow([&](QWidget* owner) { return QMessageBox::warning(owner, AppTitle(), FromUtf8(text)); });
}

bool QtMessages::AskOkCancel(std::string_view text) {
  return Ask(text, QMessageBox::Ok, QMessageBox::Cancel);
}

bool QtMessages::AskYesNo(std::string_view text) { return Ask(text, QMessageBox::Yes, QMessageBox::No); }

std::optional<std::size_t> QtMissingEntryChooser::Choose(MissingEntrySource source, std::string_view text,
                                                         const std::vector<std::string>& names) {
  if (names.empty()) return std::nullopt;
  const std::string message(text);
  std::unique_ptr<CDatabaseverdiBorteDlg> dialog;
  if (source == MissingEntrySource::StandardDatabase) {
    dialog = std::make_unique<CDatabaseverdiBorteDlg>(message, names, parent);
  } else {
    dialog = std::make_unique<CEgendefDatabaseverdiBorteDlg>(message, names, parent);
  }
  dialog->setWindowModality(Qt::WindowModal);
  dialog->exec();
  return dialog->Choice();
}

}  // namespace kelvora
