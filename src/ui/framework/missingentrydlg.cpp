#include "ui/framework/missingentrydlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

#include "core/framework/platform.h"
#include "core/framework/stringtable.h"

namespace kelvora {

CDatabaseverdiBorteDlg::CDatabaseverdiBorteDlg(const std::string& text, const std::vector<std::string>& names,
                                               QWidget* parent)
    : CDatabaseverdiBorteDlg("::/html/dbverdiborte.htm", text, names, parent) {}

CDatabaseverdiBorteDlg::CDatabaseverdiBorteDlg(std::string helpTopic, const std::string& text,
                                               const std::vector<std::string>& names, QWidget* parent)
    : CItemDlg(std::move(helpTopic), parent) {
  setWindowTitle(tr("Databáze položek nenalezena"));
  auto* message = new QLabel(QString::fromStdString(text), this);
  message->setObjectName(QStringLiteral("message"));
  message->setWordWrap(true);
  records = new QComboBox(this);
  records->setObjectName(QStringLiteral("records"));
  for (const std::string& name : names) records->addItem(QString::fromStdString(name));
  records->setCurrentIndex(0);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(message);
  layout->addWidget(records);
  layout->addWidget(MakeButtons());
  setMinimumWidth(400);
}

std::size_t CDatabaseverdiBorteDlg::Choice() const {
  return static_cast<std::size_t>(std::max(records->currentIndex(), 0));
}

void CDatabaseverdiBorteDlg::reject() {
  if (Dialogs().messages) Dialogs().messages->Show(MessageText(ids::kChooseFromList));
}

CEgendefDatabaseverdiBorteDlg::CEgendefDatabaseverdiBorteDlg(const std::string& name,
                                                             const std::vector<std::string>& names,
                                                             QWidget* parent)
    : CDatabaseverdiBorteDlg("::/html/egenedefdbverdiborte.htm", name, names, parent) {}

}  // namespace kelvora
