#include "core/framework/fileio.h"

#include <gtest/gtest.h>

#include "support/tempdir.h"

namespace kelvora {
namespace {

TEST(DataFileLocation, PrefersTheWorkingDirectoryThenBesideTheProgram) {
  testing::TempDir work, program;
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(work.path());
  ASSERT_TRUE(WriteFileReplacing(program / "kelvora.dat", "shipped"));

  EXPECT_EQ(LocateDataFile("kelvora.dat", program.path()), program / "kelvora.dat");
  ASSERT_TRUE(WriteFileReplacing(work / "kelvora.dat", "own"));
  EXPECT_EQ(LocateDataFile("kelvora.dat", program.path()), "kelvora.dat");
  // Neither has it: the working directory, where a first save creates it.
  EXPECT_EQ(LocateDataFile("egendef.dat", program.path()), "egendef.dat");
  EXPECT_EQ(LocateDataFile(program / "x.dat", work.path()), program / "x.dat");
  std::filesystem::current_path(previous);
}

TEST(FileWriting, ReplacesTheFileAndLeavesNoTemporary) {
  testing::TempDir dir;
  ASSERT_TRUE(WriteFileReplacing(dir / "a.dat", "first"));
  ASSERT_TRUE(WriteFileReplacing(dir / "a.dat", "second"));
  EXPECT_EQ(testing::FileBytes(dir / "a.dat"), "second");
  EXPECT_EQ(
      std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()),
      1);
  EXPECT_FALSE(WriteFileReplacing(dir / "missing-folder" / "a.dat", "x"));
  EXPECT_FALSE(ReadWholeFile(dir / "missing-folder" / "a.dat"));
}

}  // namespace
}  // namespace kelvora
