#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <string>

#include "ui/framework/itemdlg.h"
#include "ui/framework/listeditor.h"

class QBoxLayout;
class QButtonGroup;
class QListWidget;
class QPushButton;

namespace kelvora {

class CDataBase;
class CListItem;
class Messages;

// What the two database dialogs share: a sorted list box of the records, buttons that
// change the records, and OK and Cancel that ask before they keep or drop changes.
class DatabaseDlgBase : public CItemDlg {
  Q_OBJECT

 public:
  void accept() override;
  void reject() override;
  bool Changed() const { return changed; }

 protected:
  DatabaseDlgBase(std::string helpTopic, QWidget* parent);
  // The button runs `operation`; a successful one marks the dialog changed.
  QPushButton* AddButton(QBoxLayout& layout, const QString& caption, const char* objectName,
                         std::function<bool()> operation);
  // The veto of the list editors: a record something refers to stays, and the user is told.
  static bool Deletable(const CListItem& record);
  // The program's messages; without them (a test that sets none) nothing is asked or told.
  static Messages& DialogMessages();

  // Put the working copies in place (users re-pointed, file written), or drop them.
  virtual void Commit() = 0;
  virtual void Discard() = 0;

  QListWidget* records;

 private:
  bool changed = false;
};

// The standard database: eight categories of records, edited on working copies that
// replace the stored lists only on OK.
class CDatabaseDlg : public DatabaseDlgBase {
  Q_OBJECT

 public:
  explicit CDatabaseDlg(CDataBase& database, QWidget* parent = nullptr);
  ~CDatabaseDlg() override;

  int Category() const { return category; }

 private:
  void ShowCategory(int shown);
  void Commit() override;
  void Discard() override;

  CDataBase& database;
  QButtonGroup* categories;
  std::unique_ptr<ListEditor<CListItem>> editor;
  int category = 0;
};

}  // namespace kelvora
