#include "core/database/database.h"

#include "core/database/absorpsjon.h"
#include "core/database/mantling.h"
#include "core/framework/archive.h"
#include "core/framework/cformat.h"
#include "core/framework/datafile.h"
#include "core/framework/platform.h"

namespace kelvora {
namespace {

constexpr DataFileTexts kDatabaseTexts{ids::kDatabaseReadError, ids::kDatabaseWriteError, true};
constexpr DataFileTexts kUserDatabaseTexts{ids::kDatabaseReadError, ids::kDatabaseWriteError, false};

}  // namespace

const ClassRegistry& DatabaseClasses() {
  static const ClassRegistry registry{&CIsoProdukt::classInfo,     &CIsoTykkelse::classInfo,
                                      &CAbsorpsjon::classInfo,     &CAbsorpsjonTykkelse::classInfo,
                                      &CMantling::classInfo,       &CTillegg2::classInfo,
                                      &CTilleggslengde::classInfo, &CVeske::classInfo};
  return registry;
}

const ClassRegistry& UserDatabaseClasses() {
  static const ClassRegistry registry{&CEgendefIsoProdukt::classInfo, &CIsoTykkelse::classInfo};
  return registry;
}

namespace {

int MissingEntryText(DbList list) {
  switch (list) {
    case DbList::Equipment:
      return ids::kMissingEquipment;
    case DbList::Liquids:
      return ids::kMissingLiquid;
    default:
      return ids::kMissingProduct;
  }
}

}  // namespace

void CDataBase::Load(Messages& messages) {
  LoadDataFile(file.Path(), *this, DatabaseClasses(), messages, kDatabaseTexts);
}

bool CDataBase::Save(Messages& messages) { return file.Save(*this, messages, kDatabaseTexts); }

template <class T>
void CDataBase::ReadStored(CArchive& ar, DbList list) {
  ar.ReadListAs<T>(lists[Index(list)].Stored());
}

void CDataBase::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    for (auto& list : lists) ar.WriteList(list.Stored());
    return;
  }
  // Each list admits only its own class.
  ReadStored<CIsoProdukt>(ar, DbList::Products);
  ReadStored<CAbsorpsjon>(ar, DbList::RectangularAbsorbers);
  ReadStored<CAbsorpsjon>(ar, DbList::CircularAbsorbers);
  ReadStored<CMantling>(ar, DbList::OuterFinishes);
  ReadStored<CMantling>(ar, DbList::PipeSurfaces);
  ReadStored<CMantling>(ar, DbList::InnerFacings);
  ReadStored<CTillegg2>(ar, DbList::Equipment);
  ReadStored<CVeske>(ar, DbList::Liquids);
}

std::unique_ptr<CListItem> CDataBase::NewRecord(DbList list) {
  switch (list) {
    case DbList::Products:
      return std::make_unique<CIsoProdukt>();
    case DbList::RectangularAbsorbers:
      return std::make_unique<CAbsorpsjon>(AbsorberKind::RectangularDuct);
    case DbList::CircularAbsorbers:
      return std::make_unique<CAbsorpsjon>(AbsorberKind::CircularDuct);
    case DbList::OuterFinishes:
      return std::make_unique<CMantling>(MantlingKind::OuterFinish);
    case DbList::PipeSurfaces:
      return std::make_unique<CMantling>(MantlingKind::PipeSurface);
    case DbList::InnerFacings:
      return std::make_unique<CMantling>(MantlingKind::InnerFacing);
    case DbList::Equipment:
      return std::make_unique<CTillegg2>();
    case DbList::Liquids:
      return std::make_unique<CVeske>();
  }
  return nullptr;
}

void CDataBase::WriteReference(CArchive& ar, const CListItem* record) const { ar.WriteReference(record); }

CListItem* CDataBase::ReadReference(CArchive& ar, DbList list, MissingEntryChooser& chooser) const {
  const auto& records = List(list);
  return kelvora::ReadReference(ar, records, [&](const std::string& name) {
    const std::string text = FormatC(MessageText(MissingEntryText(list)), {name});
    return ChooseReplacement(records, chooser, MissingEntrySource::StandardDatabase, text);
  });
}

void CDataBase::BeginEdit() {
  for (auto& list : lists) list.BeginEdit();
}

bool CDataBase::CommitEdit(int category, Messages& messages) {
  for (auto& list : lists) list.CommitEdit();
  lastCategory = category;
  return Save(messages);
}

void CDataBase::CancelEdit() {
  for (auto& list : lists) list.CancelEdit();
}

void CEgendefDatabase::Load(Messages& messages) {
  LoadDataFile(file.Path(), *this, UserDatabaseClasses(), messages, kUserDatabaseTexts);
}

bool CEgendefDatabase::Save(Messages& messages) { return file.Save(*this, messages, kUserDatabaseTexts); }

void CEgendefDatabase::Serialize(CArchive& ar) { ar.ExchangeList(products.Stored()); }

void CEgendefDatabase::WriteReference(CArchive& ar, const CListItem* record) const {
  ar.WriteReference(record);
}

CEgendefIsoProdukt* CEgendefDatabase::ReadReference(CArchive& ar, MissingEntryChooser& chooser) const {
  const auto& records = Products();
  return kelvora::ReadReference(ar, records, [&](const std::string& name) {
    return ChooseReplacement(records, chooser, MissingEntrySource::UserDatabase, name);
  });
}

bool CEgendefDatabase::CommitEdit(Messages& messages) {
  products.CommitEdit();
  return Save(messages);
}

}  // namespace kelvora
