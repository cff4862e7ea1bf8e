#include "ui/database/egendefdatabasedlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/database/database.h"

namespace kelvora {

CEgendefDatabaseDlg::CEgendefDatabaseDlg(CEgendefDatabase& database, QWidget* parent)
    : DatabaseDlgBase("::/html/egendefdatabase.htm", parent), database(database) {
  setWindowTitle(tr("Izolační výrobek definovaný uživatelem"));
  database.BeginEdit();
  editor = std::make_unique<ListEditor<CEgendefIsoProdukt>>(database.Products(), *records, &Deletable,
                                                            ListEditor<CEgendefIsoProdukt>::Display::Sorted);

  auto* buttons = new QVBoxLayout;
  AddButton(*buttons, tr("Nový produkt..."), "newRecord",
            [this] { return editor->New(std::make_unique<CEgendefIsoProdukt>()); });
  auto* update =
      AddButton(*buttons, tr("Upravit produkt..."), "updateRecord", [this] { return editor->Update(); });
  AddButton(*buttons, tr("Smazat produkt"), "deleteRecord", [this] { return editor->Delete(); });
  buttons->addStretch();
  connect(records, &QListWidget::itemDoubleClicked, update, &QPushButton::click);

  auto* body = new QHBoxLayout;
  body->addWidget(records, 1);
  body->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(MakeButtons());
  setMinimumHeight(320);
}

CEgendefDatabaseDlg::~CEgendefDatabaseDlg() {
  if (database.IsEditing()) database.CancelEdit();
}

void CEgendefDatabaseDlg::Commit() {
  editor.reset();
  database.CommitEdit(DialogMessages());
}

void CEgendefDatabaseDlg::Discard() {
  editor.reset();
  database.CancelEdit();
}

}  // namespace kelvora
