// Every shipped example has an English twin in examples/en: the same document with the texts
// its user typed in English and its report in English. The twins are made here from the Czech
// examples; KELVORA_UPDATE_GOLDEN=1 writes them afresh.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "core/document/document.h"
#include "core/modules/economics/okonomimodul.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "core/modules/run/kanaltempmodul.h"
#include "core/report/reporttext.h"
#include "support/fakeplatform.h"
#include "support/memorysettings.h"
#include "support/tempdir.h"
#include "support/testpaths.h"

namespace kelvora {
namespace {

namespace fs = std::filesystem;

// The English of every text the examples' users typed.
const std::map<std::string, std::string> kEnglish{
    {"Kč", "CZK"},
    {"Ing. Jana Nováková", "Jana Nováková"},
    {"Výměníková stanice Jih", "Heat substation South"},
    {"Horkovod DN 50", "Hot-water pipe DN 50"},
    {"Teplovodní přípojka Sever", "Heating-water connection North"},
    {"Kotelna", "Boiler room"},
    {"Venkovní trasa", "Outdoor route"},
    {"Šachta", "Shaft"},
    {"Vzduchotechnika haly B", "Hall B ventilation"},
    {"Strojovna", "Plant room"},
    {"Střecha", "Roof"},
    {"Chodba", "Corridor"},
    {"Akumulační nádrž kotelny", "Boiler room storage tank"},
    {"Požární nádrž na střeše", "Fire-water tank on the roof"},
    {"Rozvod chladicí vody strojovny", "Plant room chilled-water pipe"},
    {"Odtah prádelny na střeše", "Laundry exhaust on the roof"},
    {"Přívod vody na střechu", "Water supply to the roof"},
    {"Vzduchotechnika administrativní budovy", "Office building ventilation"},
    {"Horkovodní přípojka kotelny", "Boiler room hot-water connection"},
};

// Letters English never has. A person keeps the letters of their name.
const std::regex kCzechLetters("ě|š|č|ř|ž|ý|á|í|é|ů|ú|ň|ť|ď|Ě|Š|Č|Ř|Ž|Ý|Á|Í|É|Ů|Ú|Ň|Ť|Ď");

const fs::path kExamples = testing::SourceDir() / "examples";

// The texts the document holds as its own, not taken from the reference data: project data,
// the currencies of the modules with costs and the run's section names.
std::vector<std::string*> OwnTexts(CQorDoc& doc) {
  CProject& p = doc.project;
  std::vector<std::string*> texts{&p.calculatedBy, &p.projectName, &p.reference, &p.remark, &p.plantName};
  texts.push_back(&dynamic_cast<CVarmeTapModul&>(doc.Module(ModuleIndex::HeatLoss)).currency);
  texts.push_back(&dynamic_cast<COkonomiModul&>(doc.Module(ModuleIndex::Economics)).currency);
  auto& run = dynamic_cast<CKanalTempModul&>(doc.Module(ModuleIndex::PipeRun));
  texts.push_back(&run.currency);
  for (auto& section : run.sections) texts.push_back(&section->name);
  return texts;
}

// A document over the shipped reference data, as the program opens it.
struct OpenedExample {
  explicit OpenedExample(const fs::path& file) {
    // A record the data lack is a fault here, not a question.
    chooser.answer.reset();
    opened = doc.Open(file);
  }

  testing::RecordingMessages messages;
  testing::ScriptedChooser chooser;
  testing::MemorySettings settings;
  testing::FakeLocale locale;
  CQorDoc doc{DocumentServices{messages, chooser, settings, locale, testing::BinDir()}};
  bool opened = false;
};

// The twin of the Czech example `file`, written to `out`.
void WriteTwin(const fs::path& file, const fs::path& out) {
  OpenedExample example(file);
  ASSERT_TRUE(example.opened);
  CQorDoc& doc = example.doc;
  for (std::string* text : OwnTexts(doc)) {
    if (text->empty()) continue;
    const auto english = kEnglish.find(*text);
    ASSERT_NE(english, kEnglish.end()) << "no English for \"" << *text << "\"";
    *text = english->second;
  }
  // The alternatives' names carry the currency.
  auto& economics = dynamic_cast<COkonomiModul&>(doc.Module(ModuleIndex::Economics));
  const bool plane = economics.objectKind == 4 || economics.objectKind == 5;
  for (auto& alternative : economics.alternatives)
    alternative->UpdateNames(economics.currency, plane ? "m2" : "m");
  doc.englishResults = 1;
  ASSERT_TRUE(doc.Save(out));
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".vtp") names.insert(entry.path().filename().string());
  return names;
}

TEST(EnglishExamples, EachIsItsCzechExampleWithTheUsersTextsInEnglish) {
  const std::set<std::string> czech = Names(kExamples);
  ASSERT_GE(czech.size(), 10u);
  if (std::getenv("KELVORA_UPDATE_GOLDEN")) {
    for (const std::string& name : czech) WriteTwin(kExamples / name, kExamples / "en" / name);
  }
  EXPECT_EQ(Names(kExamples / "en"), czech) << "an example without its twin, or the reverse";
  testing::TempDir dir;
  for (const std::string& name : czech) {
    SCOPED_TRACE(name);
    WriteTwin(kExamples / name, dir / name);
    EXPECT_TRUE(testing::FileBytes(dir / name) == testing::FileBytes(kExamples / "en" / name))
        << "examples/en/" << name << " is not made from examples/" << name;
  }
}

TEST(EnglishExamples, ReportInEnglishWithoutTheCzechTextsOfTheirUsers) {
  for (const std::string& name : Names(kExamples / "en")) {
    SCOPED_TRACE(name);
    OpenedExample twin(kExamples / "en" / name);
    ASSERT_TRUE(twin.opened);
    EXPECT_TRUE(twin.doc.English());
    const std::string report =
        ReportCopyText(twin.doc.reports, static_cast<ModuleIndex>(twin.doc.currentModule));
    EXPECT_FALSE(report.empty());
    // What an English spreadsheet takes in: English words, and numbers with a decimal point.
    EXPECT_FALSE(std::regex_search(report, kCzechLetters)) << report;
    EXPECT_FALSE(std::regex_search(report, std::regex("[0-9],[0-9]"))) << report;
    for (const std::string* text : OwnTexts(twin.doc)) {
      if (text == &twin.doc.project.calculatedBy) continue;
      EXPECT_FALSE(std::regex_search(*text, kCzechLetters)) << *text;
    }
    for (const auto& [czech, english] : kEnglish) {
      if (std::regex_search(english, kCzechLetters)) continue;
      EXPECT_EQ(report.find(czech), std::string::npos) << czech;
    }
  }
}

}  // namespace
}  // namespace kelvora
