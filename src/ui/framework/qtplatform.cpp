#include "ui/framework/qtplatform.h"

#include <QMessageBox>

#include <memory>

#include "core/framework/stringtable.h"
#include "ui/framework/missingentrydlg.h"

namespace kelvora {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {

QString AppTitle() { return FromUtf8(LoadResourceString(ids::kAppTitle, Language::Czech)); }

bool Ask(QWidget* parent, std::string_view text, QMessageBox::StandardButton yes,
         QMessageBox::StandardButton no) {
  return QMessageBox::question(parent, AppTitle(), FromUtf8(text), yes | no, yes) == yes;
}

}  // namespace

void QtMessages::Show(std::string_view text) { QMessageBox::warning(parent, AppTitle(), FromUtf8(text)); }

bool QtMessages::AskOkCancel(std::string_view text) {
  return Ask(parent, text, QMessageBox::Ok, QMessageBox::Cancel);
}

bool QtMessages::AskYesNo(std::string_view text) {
  return Ask(parent, text, QMessageBox::Yes, QMessageBox::No);
}

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
