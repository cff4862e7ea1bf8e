#include "core/document/document.h"

#include <algorithm>

#include "core/database/references.h"
#include "core/framework/archive.h"
#include "core/framework/datafile.h"
#include "core/framework/platform.h"
#include "core/framework/settingskeys.h"
#include "core/framework/stringtable.h"
#include "core/framework/textencoding.h"
#include "core/modules/condensation/innvendigkondensmodul.h"
#include "core/modules/condensation/utvendigkondensmodul.h"
#include "core/modules/economics/okonomimodul.h"
#include "core/modules/frost/frostmodul.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "core/modules/run/kanaltempmodul.h"
#include "core/modules/run/segment.h"
#include "core/modules/sound/lydmodul.h"
#include "core/modules/tank/tanktempmodul.h"
#include "core/physics/isolasjon.h"

namespace kelvora {

namespace {

constexpr DataFileTexts kDocumentTexts{ids::kDocumentReadError, ids::kDocumentWriteError, true};

// The header and the title show the path as the user would write it: absolute, without
// "." or "..".
std::filesystem::path CleanPath(const std::filesystem::path& path) {
  return std::filesystem::absolute(path).lexically_normal();
}

// Lets the data-file functions read and write the document like a container.
class DocumentFile : public CItem {
 public:
  explicit DocumentFile(CQorDoc& doc) : document(doc) {}
  void Serialize(CArchive& ar) override { document.Serialize(ar); }

 private:
  CQorDoc& document;
};

// What the module dialogs' currency field holds.
constexpr std::size_t kCurrencyLength = 3;

// A currency a document file can store and a currency field show whole.
bool UsableCurrency(std::string_view text) {
  const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
  return !text.empty() && static_cast<std::size_t>(characters) <= kCurrencyLength &&
         Cp1250ToUtf8(Utf8ToCp1250(text)) == text;
}

// The locale's symbol; where a file cannot keep it ("£"), its code ("GBP"); with neither, euros.
std::string LocaleCurrency(const SystemLocale& locale) {
  for (std::string currency : {locale.CurrencySymbol(), locale.CurrencyCode()}) {
    if (UsableCurrency(currency)) return currency;
  }
  return "EUR";
}

DataFileLocation FileFromSettings(const DocumentServices& services, const SettingKey& key) {
  return ReferenceFile(services.settings, key, {services.programDir, services.userDataDir});
}

}  // namespace

CQorDoc::CQorDoc(DocumentServices services)
    : messages(services.messages),
      chooser(services.chooser),
      settings(services.settings),
      locale(services.locale),
      userDatabase(FileFromSettings(services, settings::kUserDatabaseFile)),
      database(FileFromSettings(services, settings::kDatabaseFile)),
      climate(FileFromSettings(services, settings::kClimateFile)),
      costs(FileFromSettings(services, settings::kCostFile)) {
  userDatabase.Load(messages);
  database.Load(messages);
  climate.Load(messages);
  costs.Load(messages);
  modules = {std::make_unique<CVarmeTapModul>(this),
             std::make_unique<CKanalTempModul>(this),
             std::make_unique<CTankTempModul>(this),
             std::make_unique<CUtvendigKondensModul>(this),
             std::make_unique<CInnvendigKondensModul>(this),
             std::make_unique<CFrostModul>(this),
             std::make_unique<CLydModul>(this),
             std::make_unique<COkonomiModul>(this)};
  PageModel& page = reports.Page();
  for (int i = 0; i < kModuleCount; ++i) {
    headers[static_cast<std::size_t>(i)] =
        std::make_unique<CHeader>(page, project, *modules[static_cast<std::size_t>(i)], i, pathName);
    reports.AddItem(static_cast<ModuleIndex>(i), *headers[static_cast<std::size_t>(i)]);
  }
  footer = std::make_unique<CFooter>(page);
  for (int i = 0; i < kModuleCount; ++i) reports.AddItem(static_cast<ModuleIndex>(i), *footer);
}

CQorDoc::~CQorDoc() {
  // Modules let go of their records before the databases go.
  for (auto& module : modules) module.reset();
}

void CQorDoc::Serialize(CArchive& ar) {
  const ReferenceSources sources(database, userDatabase, chooser);
  ar.SetReferenceSources(&sources);
  project.Serialize(ar);
  for (auto& module : modules) module->Serialize(ar);
  ar.ExchangeWord(currentModule);
  ar.Exchange(englishResults);
  ar.SetReferenceSources(nullptr);
  if (ar.IsLoading()) currentModule = std::clamp(currentModule, 0, kModuleCount - 1);
}

bool CQorDoc::Open(const std::filesystem::path& path) {
  // A file that fails half-way must not leave a half-read document behind: keep what is
  // open now and put it back.
  CArchive snapshot;
  Serialize(snapshot);
  DocumentFile file(*this);
  const bool read = LoadDataFile(path, file, DocumentClasses(), messages, kDocumentTexts);
  if (!read) {
    CArchive restore(snapshot.Data(), DocumentClasses());
    Serialize(restore);
  } else {
    pathName = CleanPath(path);
  }
  Refresh(kLayoutChangedHint);
  if (read) NotifyStarted();
  modified = false;
  return read;
}

bool CQorDoc::Save(const std::filesystem::path& path) {
  DocumentFile file(*this);
  const bool saved = SaveDataFile(path, file, messages, kDocumentTexts);
  if (saved) {
    pathName = CleanPath(path);
    Refresh(kLayoutChangedHint);
    modified = false;
  }
  return saved;
}

void CQorDoc::New() {
  pathName.clear();
  // A new report speaks the language of the windows; the file keeps its own from then on.
  englishResults = DisplayLanguage() == Language::English ? 1 : 0;
  project.Clear();
  currentModule = 0;
  for (auto& module : modules) module->Reset();
  Refresh(kLayoutChangedHint);
  NotifyStarted();
  modified = false;
}

void CQorDoc::EditInput() {
  if (CurrentModule().Edit()) Refresh(0);
}

void CQorDoc::EditProject() {
  if (project.Edit()) Refresh(0);
}

void CQorDoc::EditDatabase() {
  if (!database.Edit()) return;
  for (auto& module : modules) {
    if (module->calculated) module->Recalculate();
  }
  Refresh(0);
}

void CQorDoc::ChooseModule(int index) {
  currentModule = std::clamp(index, 0, kModuleCount - 1);
  Refresh(kLayoutChangedHint);
}

std::string CQorDoc::NewDocumentCurrency() {
  const SettingKey& key = settings::kCurrency;
  return settings.GetString(key.section, key.key, LocaleCurrency(locale));
}

void CQorDoc::RememberCurrency(const std::string& currency) {
  const SettingKey& key = settings::kLegacyCurrency;
  settings.SetString(key.section, key.key, currency);
}

void CQorDoc::ToggleEnglishResults() {
  englishResults = englishResults ? 0 : 1;
  Refresh(kLayoutChangedHint);
}

void CQorDoc::Refresh(std::uint32_t hint) {
  modified = true;
  reports.Page().SetEnglish(English());
  reports.ActivateList(static_cast<ModuleIndex>(currentModule));
  for (DocumentObserver* observer : observers) observer->DocumentChanged(hint);
}

void CQorDoc::NotifyStarted() {
  for (DocumentObserver* observer : observers) observer->DocumentStarted();
}

void CQorDoc::RemoveObserver(DocumentObserver& observer) {
  observers.erase(std::remove(observers.begin(), observers.end(), &observer), observers.end());
}

const ClassRegistry& DocumentClasses() {
  static const ClassRegistry registry{&CTilleggsutstyr::classInfo, &COkoIsolasjon::classInfo,
                                      &CSegment::classInfo};
  return registry;
}

}  // namespace kelvora
