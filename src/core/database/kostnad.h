#pragma once

#include <filesystem>
#include <string_view>

#include "core/framework/classregistry.h"
#include "core/framework/datafile.h"
#include "core/framework/item.h"

namespace kelvora {

class Messages;

// A preset installed price of insulation per metre or square metre.
class CIsoKostnad : public CListItem {
 public:
  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<CIsoKostnad>(*this); }
  bool IsEqual(const CListItem& other) const override;
  void Serialize(CArchive& ar) override;

  // The list line: name, then "\t%.1f %s/%s" of price, currency and unit.
  void UpdateLabel(std::string_view currency, std::string_view unit);

  std::string label;
  float price = 100.0f;

  static constexpr ClassInfo classInfo = MakeClassInfo<CIsoKostnad>("CIsoKostnad");
};

// The classes the file "kelvora.cst" may hold.
const ClassRegistry& CostClasses();

// The preset prices of the file "kelvora.cst".
class CKostnad : public CItem {
 public:
  explicit CKostnad(DataFileLocation file) : file(std::move(file)) {}

  void Load(Messages& messages);
  bool Save(Messages& messages);
  void Serialize(CArchive& ar) override;

  CIsoKostnad* Chosen() const { return chosen; }

  ItemList<CIsoKostnad> presets;
  CIsoKostnad* chosen = nullptr;

  const std::filesystem::path& FileName() const { return file.Path(); }

 private:
  DataFileLocation file;
};

}  // namespace kelvora
