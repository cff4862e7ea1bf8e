#pragma once

#include <string>

namespace kelvora {

class Messages;
class PageModel;
class ReportLists;
class SettingsStore;

// What a module needs of its owner, the document: where it tells the user, the settings it
// reads, the report lists its items join, the currency a new document starts with and where
// older programs read the currency.
class ModuleContext {
 public:
  virtual Messages& Messenger() = 0;
  virtual SettingsStore& Settings() = 0;
  virtual ReportLists& Reports() = 0;
  virtual std::string NewDocumentCurrency() = 0;
  virtual void RememberCurrency(const std::string& currency) = 0;

 protected:
  ~ModuleContext() = default;
};

// The page model a module's report items are laid out in; a module made without an owner
// (as tests do) gets one of its own kind.
const PageModel& ReportPageOf(ModuleContext* context);
// The currency a module resets to; without an owner, the Czech one.
std::string ResetCurrency(ModuleContext* context);

}  // namespace kelvora
