#pragma once

#include <array>
#include <filesystem>

#include "core/database/isoprodukt.h"
#include "core/framework/archive.h"
#include "core/framework/datafile.h"
#include "core/framework/item.h"
#include "core/framework/platform.h"

namespace kelvora {

// The eight lists of the standard database, in file order.
enum class DbList : int {
  Products = 0,
  RectangularAbsorbers = 1,
  CircularAbsorbers = 2,
  OuterFinishes = 3,
  PipeSurfaces = 4,
  InnerFacings = 5,
  Equipment = 6,
  Liquids = 7,
};
inline constexpr int kDatabaseListCount = 8;

// The classes each file may hold.
const ClassRegistry& DatabaseClasses();
const ClassRegistry& UserDatabaseClasses();

// Asks the user to replace a record the database lacks by one of `list`. When no choice is
// made, also because the list is empty, the read ends: a reference is never dropped
// silently.
template <class T>
T* ChooseReplacement(const ItemList<T>& list, MissingEntryChooser& chooser, MissingEntrySource source,
                     const std::string& text) {
  std::vector<std::string> names;
  names.reserve(list.size());
  for (const auto& record : list) names.push_back(record->DisplayName());
  const auto chosen = chooser.Choose(source, text, names);
  if (!chosen || *chosen >= list.size()) throw ArchiveException(ArchiveError::MissingRecord);
  return list[*chosen].get();
}

// The standard database, file "kelvora.dat": products, absorbers, surfaces, equipment and
// liquids. Modules refer to its records by name in their files.
class CDataBase : public CItem {
 public:
  explicit CDataBase(DataFileLocation file) : file(std::move(file)) {}

  // A file that is missing or damaged is reported; the lists keep what could be read.
  void Load(Messages& messages);
  bool Save(Messages& messages);
  void Serialize(CArchive& ar) override;

  // The list of that number; while an edit runs, its working copy.
  ItemList<CListItem>& List(DbList list) { return lists[Index(list)].Current(); }
  const ItemList<CListItem>& List(DbList list) const { return lists[Index(list)].Current(); }
  // A new record of the list's class, with the list's kind.
  static std::unique_ptr<CListItem> NewRecord(DbList list);

  void WriteReference(CArchive& ar, const CListItem* record) const;
  // Reads a stored name and resolves it in `list`; a name the list lacks is replaced by
  // the record the user picks.
  CListItem* ReadReference(CArchive& ar, DbList list, MissingEntryChooser& chooser) const;

  // Working copies of all eight lists for the database dialog; on commit they replace
  // the stored lists (users re-pointed), the dialog's category is kept and the file saved.
  void BeginEdit();
  bool IsEditing() const { return lists[0].IsEditing(); }
  bool CommitEdit(int category, Messages& messages);
  void CancelEdit();

  int lastCategory = 0;

  const std::filesystem::path& FileName() const { return file.Path(); }

 private:
  DataFileLocation file;
  static std::size_t Index(DbList list) { return static_cast<std::size_t>(list); }
  template <class T>
  void ReadStored(CArchive& ar, DbList list);

  std::array<EditableList<CListItem>, kDatabaseListCount> lists;
};

// The user's own products, file "egendef.dat".
class CEgendefDatabase : public CItem {
 public:
  explicit CEgendefDatabase(DataFileLocation file) : file(std::move(file)) {}

  // A missing file is normal (the first save creates it); a damaged one is reported.
  void Load(Messages& messages);
  bool Save(Messages& messages);
  void Serialize(CArchive& ar) override;

  ItemList<CEgendefIsoProdukt>& Products() { return products.Current(); }
  const ItemList<CEgendefIsoProdukt>& Products() const { return products.Current(); }

  void WriteReference(CArchive& ar, const CListItem* record) const;
  CEgendefIsoProdukt* ReadReference(CArchive& ar, MissingEntryChooser& chooser) const;

  void BeginEdit() { products.BeginEdit(); }
  bool IsEditing() const { return products.IsEditing(); }
  bool CommitEdit(Messages& messages);
  void CancelEdit() { products.CancelEdit(); }

  const std::filesystem::path& FileName() const { return file.Path(); }

 private:
  DataFileLocation file;
  EditableList<CEgendefIsoProdukt> products;
};

}  // namespace kelvora
