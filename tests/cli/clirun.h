#pragma once

// Runs the built kelvora-cli and collects what it said.

#include <linux/securebits.h>
#include <sys/prctl.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>

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
};

inline QString Arg(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

inline CliResult RunCli(const QStringList& arguments, const CliEnvironment& environment = {}) {
  QProcess process;
  if (!environment.configHome.empty()) {
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert(QStringLiteral("XDG_CONFIG_HOME"), Arg(environment.configHome));
    process.setProcessEnvironment(variables);
  }
  if (!environment.workingDir.empty()) process.setWorkingDirectory(Arg(environment.workingDir));
  if (environment.permissionsBind) {
    // Without SECBIT_NOROOT, exec hands root every capability again. Fails harmlessly
    // for a user, whom the permissions bind anyway.
    process.setChildProcessModifier([] { prctl(PR_SET_SECUREBITS, SECBIT_NOROOT | SECBIT_NOROOT_LOCKED); });
  }
  process.start(QStringLiteral(KELVORA_CLI), arguments);
  CliResult run;
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return run;
  run.exitCode = process.exitCode();
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().toStdString();
  return run;
}

}  // namespace kelvora::cli
