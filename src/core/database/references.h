#pragma once

#include "core/database/database.h"
#include "core/framework/archive.h"

namespace kelvora {

class MissingEntryChooser;

// What references in a document resolve against while it is read: the two databases and
// the dialog that lets the user replace a record they lack.
class ReferenceSources {
 public:
  ReferenceSources(const CDataBase& db, const CEgendefDatabase& userDb, MissingEntryChooser& choose)
      : database(db), userDatabase(userDb), chooser(choose) {}

  const CDataBase& database;
  const CEgendefDatabase& userDatabase;
  MissingEntryChooser& chooser;
};

// Writes the record `slot` names, or reads a name and points `slot` at the record of
// standard-database list `list` (registering `user`). Reading needs the archive's
// reference sources.
template <class T>
void ExchangeReference(CArchive& ar, CItem& user, T*& slot, DbList list) {
  if (ar.IsStoring()) {
    ar.WriteReference(slot);
    return;
  }
  const ReferenceSources* sources = ar.GetReferenceSources();
  if (!sources) throw ArchiveException(ArchiveError::BadIndex);
  SetReference(user, slot, static_cast<T*>(sources->database.ReadReference(ar, list, sources->chooser)));
}

// The same for a product of the user database.
inline void ExchangeUserReference(CArchive& ar, CItem& user, CEgendefIsoProdukt*& slot) {
  if (ar.IsStoring()) {
    ar.WriteReference(slot);
    return;
  }
  const ReferenceSources* sources = ar.GetReferenceSources();
  if (!sources) throw ArchiveException(ArchiveError::BadIndex);
  SetReference(user, slot, sources->userDatabase.ReadReference(ar, sources->chooser));
}

}  // namespace kelvora
