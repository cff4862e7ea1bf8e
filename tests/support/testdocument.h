#pragma once

// A document over a small reference database in a temporary folder, with the platform
// answered by fakes. Records are named so tests can find them.

#include "core/database/absorpsjon.h"
#include "core/database/mantling.h"
#include "core/document/document.h"
#include "core/framework/settingskeys.h"
#include "support/fakeplatform.h"
#include "support/memorysettings.h"
#include "support/tempdir.h"

namespace kelvora::testing {

inline void WriteSmallDatabase(const std::filesystem::path& file, Messages& messages) {
  CDataBase db(file);
  auto product = std::make_unique<CIsoProdukt>();
  product->name = "Vata";
  product->secondName = "Wool";
  product->usage = {1, 1, 1, 1, 1, 1, 1};
  for (float mm : {20, 30, 40, 50, 60, 80, 100, 120})
    product->InsertThickness(std::make_unique<CIsoTykkelse>(mm));
  db.List(DbList::Products).push_back(std::move(product));
  auto absorber = std::make_unique<CAbsorpsjon>(AbsorberKind::RectangularDuct);
  absorber->name = "Tlumič";
  absorber->InsertThickness(std::make_unique<CAbsorpsjonTykkelse>());
  db.List(DbList::RectangularAbsorbers).push_back(std::move(absorber));
  auto round = std::make_unique<CAbsorpsjon>(AbsorberKind::CircularDuct);
  round->name = "Tlumič kruhový";
  round->InsertThickness(std::make_unique<CAbsorpsjonTykkelse>());
  db.List(DbList::CircularAbsorbers).push_back(std::move(round));
  const std::pair<DbList, const char*> surfaces[] = {
      {DbList::OuterFinishes, "Hliník"}, {DbList::PipeSurfaces, "Ocel"}, {DbList::InnerFacings, "Rouno"}};
  for (const auto& [list, name] : surfaces) {
    auto surface = CDataBase::NewRecord(list);
    surface->name = name;
    db.List(list).push_back(std::move(surface));
  }
  auto valve = std::make_unique<CTillegg2>();
  valve->name = "Ventil";
  valve->lengths.push_back(std::make_unique<CTilleggslengde>());
  db.List(DbList::Equipment).push_back(std::move(valve));
  auto water = std::make_unique<CVeske>();
  water->name = "Voda";
  db.List(DbList::Liquids).push_back(std::move(water));
  db.Save(messages);
}

class TestDocument {
 public:
  TestDocument() : document(Services()) {}

  CQorDoc& operator*() { return document; }
  CQorDoc* operator->() { return &document; }

  TempDir dir;
  RecordingMessages messages;
  ScriptedChooser chooser;
  MemorySettings settings;
  FakeLocale locale;

 private:
  DocumentServices Services() {
    const auto set = [&](const SettingKey& key, const std::string& name) {
      settings.SetString(key.section, key.key, (dir / name).string());
    };
    set(settings::kDatabaseFile, "kelvora.dat");
    set(settings::kUserDatabaseFile, "egendef.dat");
    set(settings::kClimateFile, "kelvora.cli");
    set(settings::kCostFile, "kelvora.cst");
    WriteSmallDatabase(dir / "kelvora.dat", messages);
    CKlima(dir / "kelvora.cli").Save(messages);
    CKostnad(dir / "kelvora.cst").Save(messages);
    return DocumentServices{messages, chooser, settings, locale, dir.path()};
  }

 public:
  CQorDoc document;
};

}  // namespace kelvora::testing
