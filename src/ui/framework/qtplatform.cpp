#include "ui/framework/qtplatform.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/framework/help.h"
#include "core/framework/stringtable.h"

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

// Rejecting (Cancel, Escape, the close button) only repeats that a choice is needed.
class MissingEntryDialog : public QDialog {
 public:
  MissingEntryDialog(Messages& messages, QWidget* parent) : QDialog(parent), messages(messages) {}

 protected:
  void reject() override {
    messages.Show("Musíte vybrat hodnotu z rozbalovacího seznamu a pro pokračování kliknout na OK.");
  }

 private:
  Messages& messages;
};

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
  MissingEntryDialog dialog(messages, parent);
  dialog.setWindowTitle(QStringLiteral("Databáze položek nenalezena"));
  dialog.setWindowModality(Qt::WindowModal);
  auto* layout = new QVBoxLayout(&dialog);
  auto* label = new QLabel(FromUtf8(text));
  label->setWordWrap(true);
  layout->addWidget(label);
  auto* combo = new QComboBox;
  combo->setObjectName(QStringLiteral("records"));
  for (const std::string& name : names) combo->addItem(FromUtf8(name));
  combo->setCurrentIndex(0);
  layout->addWidget(combo);
  auto* buttons =
      new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
  layout->addWidget(buttons);
  const char* topic = source == MissingEntrySource::StandardDatabase ? "::/html/dbverdiborte.htm"
                                                                     : "::/html/egenedefdbverdiborte.htm";
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog,
                   [this, topic] { help.OpenTopic(topic); });
  dialog.exec();
  return static_cast<std::size_t>(combo->currentIndex());
}

}  // namespace kelvora
