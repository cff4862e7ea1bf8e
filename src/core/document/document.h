#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/database/database.h"
#include "core/database/klima.h"
#include "core/database/kostnad.h"
#include "core/framework/item.h"
#include "core/framework/moduleindex.h"
#include "core/modules/common/modulecontext.h"
#include "core/report/pageitems.h"
#include "core/report/project.h"
#include "core/report/reportlists.h"

namespace kelvora {

class Messages;
class MissingEntryChooser;
class SettingsStore;
class SystemLocale;

// Tells a view to redraw; this hint also says that the shown module or the page
// geometry changed.
inline constexpr std::uint32_t kLayoutChangedHint = 0x80808080;

// What a document needs of the platform and where the program's files live.
struct DocumentServices {
  Messages& messages;
  MissingEntryChooser& chooser;
  SettingsStore& settings;
  const SystemLocale& locale;
  std::filesystem::path programDir;
  // Where an installed program keeps the user's copies of its reference data; none: the
  // data files stay where they are found.
  std::filesystem::path userDataDir{};
};

// Something that shows the document and redraws when told.
class DocumentObserver {
 public:
  virtual ~DocumentObserver() = default;
  virtual void DocumentChanged(std::uint32_t hint) = 0;
  // A new or opened document has just replaced the previous one, after its first
  // DocumentChanged; nothing remembered for the previous one applies any more.
  virtual void DocumentStarted() {}
};

// The one document: project, the eight modules and the reference data they draw on.
class CQorDoc final : public ModuleContext {
 public:
  // Reads the reference data (user database, standard database, climate, costs, in this
  // order) and constructs the modules with their defaults.
  explicit CQorDoc(DocumentServices services);
  ~CQorDoc();
  CQorDoc(const CQorDoc&) = delete;
  CQorDoc& operator=(const CQorDoc&) = delete;

  CQorModul& Module(ModuleIndex index) { return *modules[static_cast<std::size_t>(index)]; }
  CQorModul& Module(int index) { return *modules[static_cast<std::size_t>(index)]; }
  const CQorModul& Module(int index) const { return *modules[static_cast<std::size_t>(index)]; }
  CQorModul& CurrentModule() { return Module(currentModule); }

  // The document file: project, the eight module bodies, current module, language.
  void Serialize(CArchive& ar);
  // Reads a document file; a failure is reported with the file name and leaves the
  // document as it was. True when the whole file was read.
  bool Open(const std::filesystem::path& path);
  // Writes without ever destroying the previous file; false (reported) on failure.
  bool Save(const std::filesystem::path& path);
  void New();

  // The document's commands.
  void EditInput();
  void EditProject();
  void EditDatabase();
  void ChooseModule(int index);
  void ToggleEnglishResults();
  // The currency the settings name, else the system locale's.
  std::string NewDocumentCurrency() override;
  // Where older programs read the currency a module dialog confirmed; never read back.
  void RememberCurrency(const std::string& currency) override;
  Messages& Messenger() override { return messages; }
  SettingsStore& Settings() override { return settings; }
  ReportLists& Reports() override { return reports; }

  void Refresh(std::uint32_t hint);
  void AddObserver(DocumentObserver& observer) { observers.push_back(&observer); }
  void RemoveObserver(DocumentObserver& observer);

  bool IsModified() const { return modified; }
  void SetModified(bool value) { modified = value; }
  bool English() const { return englishResults != 0; }

  Messages& messages;
  MissingEntryChooser& chooser;
  SettingsStore& settings;
  const SystemLocale& locale;

  // The report items of the eight modules; the modules' own items refer to its page model,
  // so it outlives them.
  ReportLists reports;
  // Each module's page header and the footer of every report; they go before the lists.
  std::array<std::unique_ptr<CHeader>, kModuleCount> headers;
  std::unique_ptr<CFooter> footer;
  // The file the document was last read from or written to; empty while unsaved.
  std::filesystem::path pathName;

  CProject project;
  CEgendefDatabase userDatabase;
  CDataBase database;
  CKlima climate;
  CKostnad costs;
  std::int32_t currentModule = 0;
  std::int32_t englishResults = 0;

 private:
  void NotifyStarted();

  std::array<std::unique_ptr<CQorModul>, kModuleCount> modules;
  std::vector<DocumentObserver*> observers;
  bool modified = false;
};

// The classes a document file may hold as tagged objects.
const ClassRegistry& DocumentClasses();

}  // namespace kelvora
