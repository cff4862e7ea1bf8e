// A file argument that is no file to read whole: a directory, a device that never ends. Every
// command says which path it cannot use and exits cleanly, never aborts or reads forever.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/clirun.h"
#include "support/tempdir.h"
#include "support/testpaths.h"

namespace kelvora::cli {
namespace {

TEST(FileArguments, ADirectoryOrADeviceIsNamedAndRefusedWithoutAnAbort) {
  testing::TempDir dir;
  const std::filesystem::path folder = dir / "a folder";
  std::filesystem::create_directory(folder);
  const QString example = Arg(testing::SourceDir() / "examples" / "heatloss-pipe.vtp");
  const QString out = Arg(dir / "out.vtp");
  struct Case {
    const char* what;
    QStringList arguments;
    std::filesystem::path named;
  };
  const Case cases[] = {
      {"report of a folder", {"report", Arg(folder)}, folder},
      {"report of /dev/zero", {"report", "/dev/zero"}, "/dev/zero"},
      {"convert of a folder", {"convert", Arg(folder), out}, folder},
      {"db dump of a folder", {"db", "dump", Arg(folder)}, folder},
      {"db build from /dev/zero", {"db", "build", "/dev/zero", out}, "/dev/zero"},
      {"schedule of a folder", {"schedule", Arg(folder)}, folder},
      {"a folder as the database", {"report", example, "--database", Arg(folder)}, folder},
      {"a folder as the climate data", {"report", example, "--climate", Arg(folder)}, folder},
      {"a device as the costs", {"report", example, "--costs", "/dev/zero"}, "/dev/zero"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CliResult run = RunCli(c.arguments, {.configHome = dir.path()});
    EXPECT_NE(run.exitCode, -1) << "crashed or hung";
    EXPECT_NE(run.err.find(c.named.string()), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("basic_filebuf"), std::string::npos) << run.err;
  }
}

TEST(FileArguments, TheMessageSaysWhyAFileCannotBeRead) {
  testing::TempDir dir;
  std::filesystem::create_directory(dir / "folder");
  const CliResult folder = RunCli({"report", Arg(dir / "folder")}, {.configHome = dir.path()});
  EXPECT_NE(folder.err.find("is a directory, not a file"), std::string::npos) << folder.err;
  const CliResult device = RunCli({"report", "/dev/zero"}, {.configHome = dir.path()});
  EXPECT_NE(device.err.find("is not a regular file"), std::string::npos) << device.err;
  const CliResult missing = RunCli({"report", Arg(dir / "none.vtp")}, {.configHome = dir.path()});
  EXPECT_NE(missing.err.find("no such file"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace kelvora::cli
