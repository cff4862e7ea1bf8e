#pragma once

// Runs the built kelvora-cli and collects what it said.

#include <linux/securebits.h>
#include <sys/prctl.h>

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/framework/settingskeys.h"
#include "support/testpaths.h"

namespace kelvora::cli {

struct CliResult {
  int exitCode = -1;  // -1: did not finish, or crashed
  std::string out;
  std::string err;
};

struct CliEnvironment {
  // XDG_CONFIG_HOME of the run, where the settings file is looked for; empty keeps the
  // tests' own.
  std::filesystem::path configHome{};
  std::filesystem::path workingDir{};
  // File permissions bind even when the tests run as root: the tool starts without the
  // capabilities that let root ignore them.
  bool permissionsBind = false;
  // The locale decides the language of the messages while the settings name none.
  QString locale = QStringLiteral("cs_CZ.UTF-8");
};

inline QString Arg(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

inline CliResult RunCli(const QStringList& arguments, const CliEnvironment& environment = {}) {
  QProcess process;
  QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
  if (!environment.configHome.empty())
    variables.insert(QStringLiteral("XDG_CONFIG_HOME"), Arg(environment.configHome));
  variables.insert(QStringLiteral("LC_ALL"), environment.locale);
  // As a script started by a service runs: without a desktop session.
  variables.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  process.setProcessEnvironment(variables);
  if (!environment.workingDir.empty()) process.setWorkingDirectory(Arg(environment.workingDir));
  if (environment.permissionsBind) {
    // Without SECBIT_NOROOT, exec hands root every capability again. Fails harmlessly
    // for a user, whom the permissions bind anyway.
    process.setChildProcessModifier([] { prctl(PR_SET_SECUREBITS, SECBIT_NOROOT | SECBIT_NOROOT_LOCKED); });
  }
  process.start(QString::fromStdString((kelvora::testing::BinDir() / "kelvora-cli").string()), arguments);
  CliResult run;
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return run;
  run.exitCode = process.exitCode();
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().toStdString();
  return run;
}

// The desktop program's settings under `configHome`, naming the data files.
inline void WriteSettings(const std::filesystem::path& configHome,
                          const std::vector<std::pair<SettingKey, std::filesystem::path>>& files) {
  QSettings ini(Arg(configHome / "Mirelta" / "Kelvora®.ini"), QSettings::IniFormat);
  for (const auto& [key, file] : files) {
    ini.setValue(QString::fromUtf8(key.section.data(), static_cast<qsizetype>(key.section.size())) + '/' +
                     QString::fromUtf8(key.key.data(), static_cast<qsizetype>(key.key.size())),
                 Arg(file));
  }
  ini.sync();
  ASSERT_EQ(ini.status(), QSettings::NoError);
}

}  // namespace kelvora::cli
