#pragma once

#include <QLocale>
#include <QTranslator>

namespace kelvora {

class SettingsStore;

// The language of windows, menus, dialogs and messages; Czech is the language of the
// sources, English a translation of them.
enum class InterfaceLanguage { Czech, English };

// The language the user chose; before any choice, Czech for a Czech locale, English otherwise.
InterfaceLanguage ChosenInterfaceLanguage(const SettingsStore& settings, const QLocale& system);
void StoreInterfaceLanguage(SettingsStore& settings, InterfaceLanguage language);

// The core's texts (messages, record names) in `language` for as long as this lives.
class DisplayLanguageScope {
 public:
  explicit DisplayLanguageScope(InterfaceLanguage language);
  ~DisplayLanguageScope();
  DisplayLanguageScope(const DisplayLanguageScope&) = delete;
  DisplayLanguageScope& operator=(const DisplayLanguageScope&) = delete;
};

// The translations of the program and of Qt's own dialogs and buttons for one language,
// and the core's texts in it, installed for as long as this lives.
class InterfaceTranslators {
 public:
  explicit InterfaceTranslators(InterfaceLanguage language);
  ~InterfaceTranslators();
  InterfaceTranslators(const InterfaceTranslators&) = delete;
  InterfaceTranslators& operator=(const InterfaceTranslators&) = delete;

 private:
  DisplayLanguageScope core;
  QTranslator program;
  QTranslator qt;
};

}  // namespace kelvora
