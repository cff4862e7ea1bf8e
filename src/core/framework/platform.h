#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// What the core asks of the platform. The UI implements these with message boxes and
// dialogs, the command-line tool on stderr, tests with recording fakes.
class Messages {
 public:
  virtual ~Messages() = default;
  virtual void Show(std::string_view text) = 0;
  virtual bool AskOkCancel(std::string_view text) = 0;
  virtual bool AskYesNo(std::string_view text) = 0;
};

// Which database a reference read from a document names a missing record of.
enum class MissingEntrySource { StandardDatabase, UserDatabase };

// The dialog that makes the user pick a replacement for a record a document names but
// the database lacks: an index into `names`. The desktop dialog insists on a choice when
// there is one; answering nothing (a tool that cannot ask, or no names to offer) ends
// the read.
class MissingEntryChooser {
 public:
  virtual ~MissingEntryChooser() = default;
  virtual std::optional<std::size_t> Choose(MissingEntrySource source, std::string_view text,
                                            const std::vector<std::string>& names) = 0;
};

// The per-user store of named values in sections.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string GetString(std::string_view section, std::string_view key,
                                std::string_view fallback) const = 0;
  virtual void SetString(std::string_view section, std::string_view key, std::string_view value) = 0;
  virtual int GetInt(std::string_view section, std::string_view key, int fallback) const = 0;
  virtual void SetInt(std::string_view section, std::string_view key, int value) = 0;
};

// The user's system locale, for what a new document takes from it.
class SystemLocale {
 public:
  virtual ~SystemLocale() = default;
  // The symbol ("Kč", "$", "£") and the ISO 4217 code ("CZK") of the locale's currency;
  // empty when the locale names none.
  virtual std::string CurrencySymbol() const = 0;
  virtual std::string CurrencyCode() const = 0;
};

}  // namespace kelvora
