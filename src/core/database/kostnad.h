#pragma once

#include <filesystem>
#include <string_view>

#include "core/framework/classregistry.h"
#include "core/framework/datafile.h"
#include "core/framework/item.h"
#include "core/framework/stringtable.h"

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

  // The name shown in `language`: a shipped preset (one whose name is a shipped Czech name)
  // has an English name of its own; the user's show as typed.
  std::string_view ShownName(Language language) const;
  // The currency and unit the label was last made with ("Kč/m"); empty when the label is
  // not of that form.
  std::string_view LabelUnit() const;

  std::string label;
  float price = 100.0f;

  static constexpr ClassInfo classInfo = MakeClassInfo<CIsoKostnad>("CIsoKostnad");
};

// A price as lists and fields show it: every digit the float holds and no more ("1350",
// "12.5", "99999.99").
std::string PriceText(float price);

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
