#include "ui/database/databasedlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "core/database/database.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"

namespace kelvora {

namespace {

class Silent : public Messages {
 public:
  void Show(std::string_view) override {}
  bool AskOkCancel(std::string_view) override { return true; }
  bool AskYesNo(std::string_view) override { return true; }
};

// In list order (DbList).
constexpr std::array<const char*, kDatabaseListCount> kCategoryLabels{
    QT_TRANSLATE_NOOP("kelvora::CDatabaseDlg", "Izolace"),
    QT_TRANSLATE_NOOP("kelvora::CDatabaseDlg", "Tlumiče hluku pro obdélníkové VZT potrubí"),
    QT_TRANSLATE_NOOP("kelvora::CDatabaseDlg", "Tlumiče hluku pro kruhové VZT potrubí"),
    QT_TRANSLATE_NOOP("kelvora::CDatabaseDlg", "Vnější úprava pro běžné izolace"),
    QT_TRANSLATE_NOOP("kelvora::CDatabaseDlg", "Vnější úprava pro potrubí"),
    QT_TRANSLATE_NOOP("kelvora::CDatabaseDlg", "Vnitřní úprava vnitřních izolací"),
    QT_TRANSLATE_NOOP("kelvora::CDatabaseDlg", "Přídavné vybavení potrubí"),
    QT_TRANSLATE_NOOP("kelvora::CDatabaseDlg", "Médium"),
};

}  // namespace

DatabaseDlgBase::DatabaseDlgBase(std::string helpTopic, QWidget* parent)
    : CItemDlg(std::move(helpTopic), parent) {
  records = new QListWidget(this);
  records->setObjectName(QStringLiteral("records"));
  // Wide enough for names of 60 characters, the most a record name takes.
  records->setMinimumWidth(records->fontMetrics().horizontalAdvance(QString(60, QLatin1Char('n'))));
}

QPushButton* DatabaseDlgBase::AddButton(QBoxLayout& layout, const QString& caption, const char* objectName,
                                        std::function<bool()> operation) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setAutoDefault(false);
  layout.addWidget(button);
  connect(button, &QPushButton::clicked, this, [this, operation = std::move(operation)] {
    if (operation()) changed = true;
  });
  return button;
}

Messages& DatabaseDlgBase::DialogMessages() {
  static Silent silent;
  return Dialogs().messages ? *Dialogs().messages : silent;
}

bool DatabaseDlgBase::Deletable(const CListItem& record) {
  if (!record.HasUsers()) return true;
  DialogMessages().Show(MessageText(ids::kRecordInUse));
  return false;
}

void DatabaseDlgBase::accept() {
  if (changed && !DialogMessages().AskOkCancel(MessageText(ids::kWriteDatabase))) return;
  Commit();
  CItemDlg::accept();
}

void DatabaseDlgBase::reject() {
  if (changed && !DialogMessages().AskOkCancel(MessageText(ids::kDiscardDatabaseChanges))) return;
  Discard();
  CItemDlg::reject();
}

CDatabaseDlg::CDatabaseDlg(CDataBase& database, QWidget* parent)
    : DatabaseDlgBase("::/html/database.htm", parent), database(database) {
  setWindowTitle(tr("Databáze"));
  // From here until the dialog closes, record dialogs see the working copies.
  database.BeginEdit();

  auto* categoryBox = new QGroupBox(tr("Kategorie"), this);
  auto* categoryLayout = new QVBoxLayout(categoryBox);
  categories = new QButtonGroup(this);
  for (int i = 0; i < kDatabaseListCount; ++i) {
    auto* radio = new QRadioButton(tr(kCategoryLabels[static_cast<std::size_t>(i)]), categoryBox);
    radio->setObjectName(QStringLiteral("category%1").arg(i));
    categories->addButton(radio, i);
    categoryLayout->addWidget(radio);
  }
  categoryLayout->addStretch();

  auto* buttons = new QVBoxLayout;
  auto run = [this](bool (ListEditor<CListItem>::*operation)()) {
    return [this, operation] { return ((*editor).*operation)(); };
  };
  AddButton(*buttons, tr("Nová položka..."), "newRecord",
            [this] { return editor->New(CDataBase::NewRecord(static_cast<DbList>(category))); });
  auto* update =
      AddButton(*buttons, tr("Aktualizovat položku..."), "updateRecord", run(&ListEditor<CListItem>::Update));
  AddButton(*buttons, tr("Kopírovat položku..."), "copyRecord", run(&ListEditor<CListItem>::Copy));
  AddButton(*buttons, tr("Smazat položku"), "deleteRecord", run(&ListEditor<CListItem>::Delete));
  buttons->addStretch();
  // A double click edits, as the update button does.
  connect(records, &QListWidget::itemDoubleClicked, update, &QPushButton::click);

  auto* body = new QHBoxLayout;
  body->addWidget(categoryBox);
  body->addWidget(records, 1);
  body->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(MakeButtons());
  setMinimumHeight(420);

  connect(categories, &QButtonGroup::idClicked, this, &CDatabaseDlg::ShowCategory);
  const int first = std::clamp(database.lastCategory, 0, kDatabaseListCount - 1);
  categories->button(first)->setChecked(true);
  ShowCategory(first);
}

CDatabaseDlg::~CDatabaseDlg() {
  if (database.IsEditing()) database.CancelEdit();
}

void CDatabaseDlg::ShowCategory(int shown) {
  category = shown;
  editor = std::make_unique<ListEditor<CListItem>>(database.List(static_cast<DbList>(shown)), *records,
                                                   &Deletable, ListEditor<CListItem>::Display::Sorted);
}

void CDatabaseDlg::Commit() {
  editor.reset();
  // A file that cannot be written has been reported; the confirmed lists stay in use.
  database.CommitEdit(category, DialogMessages());
}

void CDatabaseDlg::Discard() {
  editor.reset();
  database.CancelEdit();
}

}  // namespace kelvora
