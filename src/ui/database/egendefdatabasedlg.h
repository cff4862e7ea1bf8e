#pragma once

#include <memory>

#include "core/database/isoprodukt.h"
#include "ui/database/databasedlg.h"

namespace kelvora {

class CEgendefDatabase;

// The user's own insulation products, edited on a working copy that replaces the stored
// list only on OK.
class CEgendefDatabaseDlg : public DatabaseDlgBase {
  Q_OBJECT

 public:
  explicit CEgendefDatabaseDlg(CEgendefDatabase& database, QWidget* parent = nullptr);
  ~CEgendefDatabaseDlg() override;

 private:
  void Commit() override;
  void Discard() override;

  CEgendefDatabase& database;
  std::unique_ptr<ListEditor<CEgendefIsoProdukt>> editor;
};

}  // namespace kelvora
