#pragma once

#include <filesystem>

#include "core/framework/classregistry.h"
#include "core/framework/datafile.h"
#include "core/framework/item.h"

namespace kelvora {

class Messages;

// A place with its mean annual air temperature and wind speed.
class CKlimasted : public CListItem {
 public:
  const ClassInfo* RuntimeClass() const override { return &classInfo; }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<CKlimasted>(*this); }
  bool IsEqual(const CListItem& other) const override;
  void Serialize(CArchive& ar) override;

  // The list line: name, tab, "%.1f" temperature, tab, "%.1f" wind speed.
  void UpdateDisplayText();
  // The list line as shown: in an English interface with the English name in front.
  std::string ShownText() const;

  std::string displayText;
  float temperature = 6.7f;  // °C
  float windSpeed = 2.1f;    // m/s

  static constexpr ClassInfo classInfo = MakeClassInfo<CKlimasted>("CKlimasted");
};

// The classes the file "kelvora.cli" may hold.
const ClassRegistry& ClimateClasses();

// The climate locations of the file "kelvora.cli".
class CKlima : public CItem {
 public:
  explicit CKlima(DataFileLocation file) : file(std::move(file)) {}

  // A missing or damaged file is reported; what could be read stays.
  void Load(Messages& messages);
  bool Save(Messages& messages);
  void Serialize(CArchive& ar) override;

  CKlimasted* GetCurrentLocation() const { return currentLocation; }

  ItemList<CKlimasted> locations;
  CKlimasted* currentLocation = nullptr;

  const std::filesystem::path& FileName() const { return file.Path(); }

 private:
  DataFileLocation file;
};

}  // namespace kelvora
