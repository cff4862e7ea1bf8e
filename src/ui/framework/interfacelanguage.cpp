#include "ui/framework/interfacelanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "core/framework/platform.h"
#include "core/framework/settingskeys.h"
#include "core/framework/stringtable.h"

namespace kelvora {

namespace {

constexpr std::string_view kCzech = "cs";
constexpr std::string_view kEnglish = "en";

}  // namespace

InterfaceLanguage ChosenInterfaceLanguage(const SettingsStore& settings, const QLocale& system) {
  const SettingKey& key = settings::kInterfaceLanguage;
  const std::string chosen = settings.GetString(key.section, key.key, key.fallback);
  if (chosen == kCzech) return InterfaceLanguage::Czech;
  if (chosen == kEnglish) return InterfaceLanguage::English;
  return system.language() == QLocale::Czech ? InterfaceLanguage::Czech : InterfaceLanguage::English;
}

void StoreInterfaceLanguage(SettingsStore& settings, InterfaceLanguage language) {
  const SettingKey& key = settings::kInterfaceLanguage;
  settings.SetString(key.section, key.key, language == InterfaceLanguage::Czech ? kCzech : kEnglish);
}

DisplayLanguageScope::DisplayLanguageScope(InterfaceLanguage language) {
  SetDisplayLanguage(language == InterfaceLanguage::English ? Language::English : Language::Czech);
}

DisplayLanguageScope::~DisplayLanguageScope() { SetDisplayLanguage(Language::Czech); }

InterfaceTranslators::InterfaceTranslators(InterfaceLanguage language) : core(language) {
  if (language == InterfaceLanguage::English) {
    // Built into the program from translations/kelvora_en.ts; Qt's own texts are English.
    if (program.load(QStringLiteral(":/translations/kelvora_en.qm")))
      QCoreApplication::installTranslator(&program);
    return;
  }
  if (qt.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qt);
}

InterfaceTranslators::~InterfaceTranslators() {
  QCoreApplication::removeTranslator(&program);
  QCoreApplication::removeTranslator(&qt);
}

}  // namespace kelvora
