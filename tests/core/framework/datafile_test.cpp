#include "core/framework/datafile.h"

#include <gtest/gtest.h>

#include "core/database/kostnad.h"
#include "core/framework/settingskeys.h"
#include "support/fakeplatform.h"
#include "support/memorysettings.h"
#include "support/tempdir.h"

namespace kelvora {
namespace {

namespace fs = std::filesystem;

// A default name is looked for in the working directory too: an empty one.
class ReferenceFiles : public ::testing::Test {
 protected:
  void SetUp() override { fs::current_path(work.path()); }
  void TearDown() override { fs::current_path(previous); }

  testing::TempDir work;
  fs::path previous = fs::current_path();
};

// An installation under a prefix (bin/ beside share/kelvora/) and a user's data folder.
struct Installed {
  Installed() {
    fs::create_directories(prefix / "bin");
    fs::create_directories(Shipped().parent_path());
    EXPECT_TRUE(WriteFileReplacing(Shipped(), "shipped"));
  }
  fs::path Shipped() const { return prefix / "share" / "kelvora" / "kelvora.cst"; }
  DataFolders Folders() const { return {prefix / "bin", home / "data"}; }

  testing::TempDir prefix, home;
  testing::MemorySettings settings;
  testing::RecordingMessages messages;
};

TEST_F(ReferenceFiles, AnInstalledProgramWritesTheUsersCopyAndReadsItFromThenOn) {
  Installed installed;
  CKostnad costs(ReferenceFile(installed.settings, settings::kCostFile, installed.Folders()));
  EXPECT_EQ(costs.FileName(), installed.Shipped());
  ASSERT_TRUE(costs.Save(installed.messages));

  const fs::path copy = installed.home / "data" / "kelvora.cst";
  EXPECT_EQ(costs.FileName(), copy);
  EXPECT_NE(testing::FileBytes(copy), "shipped");
  EXPECT_EQ(testing::FileBytes(installed.Shipped()), "shipped");
  EXPECT_EQ(installed.settings.GetString("Files", "Cost File", ""), copy.string());
  // The next start finds the copy, even without the settings.
  EXPECT_EQ(ReferenceFile(installed.settings, settings::kCostFile, installed.Folders()).Path(), copy);
  testing::MemorySettings fresh;
  EXPECT_EQ(ReferenceFile(fresh, settings::kCostFile, installed.Folders()).Path(), copy);
}

TEST_F(ReferenceFiles, AFileTheInstallationLacksIsCreatedInTheUsersFolder) {
  Installed installed;
  const DataFileLocation location =
      ReferenceFile(installed.settings, settings::kUserDatabaseFile, installed.Folders());
  EXPECT_EQ(location.Path(), installed.home / "data" / "egendef.dat");
  CKostnad costs(location);
  EXPECT_TRUE(costs.Save(installed.messages));
  EXPECT_TRUE(fs::exists(installed.home / "data" / "egendef.dat"));
}

TEST_F(ReferenceFiles, AFileNamedInTheSettingsIsUsedAsNamed) {
  Installed installed;
  const fs::path own = installed.home / "own.cst";
  installed.settings.SetString("Files", "Cost File", own.string());
  CKostnad costs(ReferenceFile(installed.settings, settings::kCostFile, installed.Folders()));
  EXPECT_EQ(costs.FileName(), own);
  ASSERT_TRUE(costs.Save(installed.messages));
  EXPECT_TRUE(fs::exists(own));
  EXPECT_FALSE(fs::exists(installed.home / "data"));
}

// A build tree has no share/kelvora: the files beside the program are read and written.
TEST_F(ReferenceFiles, ABuildTreeKeepsItsFilesBesideTheProgram) {
  testing::TempDir build, home;
  ASSERT_TRUE(WriteFileReplacing(build / "kelvora.cst", "beside"));
  testing::MemorySettings settings;
  testing::RecordingMessages messages;
  CKostnad costs(ReferenceFile(settings, settings::kCostFile, {build.path(), home / "data"}));
  EXPECT_EQ(costs.FileName(), build / "kelvora.cst");
  ASSERT_TRUE(costs.Save(messages));
  EXPECT_EQ(costs.FileName(), build / "kelvora.cst");
  EXPECT_FALSE(fs::exists(home / "data"));
}

// A user's folder that cannot be made leaves the shipped file as it was, and says so.
TEST_F(ReferenceFiles, AUsersFolderThatCannotBeMadeIsReported) {
  Installed installed;
  ASSERT_TRUE(WriteFileReplacing(installed.home / "data", "a file, not a folder"));
  CKostnad costs(ReferenceFile(installed.settings, settings::kCostFile, installed.Folders()));
  EXPECT_FALSE(costs.Save(installed.messages));
  EXPECT_EQ(costs.FileName(), installed.Shipped());
  EXPECT_EQ(testing::FileBytes(installed.Shipped()), "shipped");
  EXPECT_EQ(installed.messages.shown.size(), 1u);
}

}  // namespace
}  // namespace kelvora
