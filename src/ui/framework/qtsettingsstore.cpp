#include "ui/framework/qtsettingsstore.h"

#include <QFile>
#include <QStandardPaths>

namespace kelvora {
namespace {

QString Key(std::string_view section, std::string_view key) {
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + QLatin1Char('/') +
         QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Mirelta"),
               QStringLiteral("Kelvora®")) {}

std::string QtSettingsStore::GetString(std::string_view section, std::string_view key,
                                       std::string_view fallback) const {
  const QVariant value = settings.value(Key(section, key));
  return value.isValid() ? value.toString().toStdString() : std::string(fallback);
}

void QtSettingsStore::SetString(std::string_view section, std::string_view key, std::string_view value) {
  settings.setValue(Key(section, key), Text(value));
}

int QtSettingsStore::GetInt(std::string_view section, std::string_view key, int fallback) const {
  bool ok = false;
  const int value = settings.value(Key(section, key)).toInt(&ok);
  return ok ? value : fallback;
}

void QtSettingsStore::SetInt(std::string_view section, std::string_view key, int value) {
  settings.setValue(Key(section, key), value);
}

std::filesystem::path UserDataFolder() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (base.isEmpty()) return {};
  return std::filesystem::path(QFile::encodeName(base + QStringLiteral("/Mirelta/Kelvora®")).toStdString());
}

}  // namespace kelvora
