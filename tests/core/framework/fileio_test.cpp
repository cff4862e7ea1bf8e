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

// What is no file to read whole gives nothing, with its reason, and never an exception or a
// read without end.
TEST(FileReading, OnlyARegularFileOfASensibleSizeIsRead) {
  testing::TempDir dir;
  ASSERT_TRUE(WriteFileReplacing(dir / "a.vtp", std::string("a\0b", 3)));
  EXPECT_EQ(ReadWholeFile(dir / "a.vtp"), std::string("a\0b", 3));
  std::filesystem::create_directory(dir / "folder");
  // A sparse file: its size costs no disk.
  ASSERT_TRUE(WriteFileReplacing(dir / "huge.vtp", "x"));
  std::filesystem::resize_file(dir / "huge.vtp", kMaxReadBytes + 1);
  const struct {
    std::filesystem::path path;
    UnreadableFile why;
  } cases[] = {
      {dir / "none.vtp", UnreadableFile::Missing},
      {dir / "folder", UnreadableFile::Directory},
      {"/dev/zero", UnreadableFile::NotARegularFile},
      {dir / "huge.vtp", UnreadableFile::TooLarge},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.string());
    EXPECT_FALSE(ReadWholeFile(c.path));
    EXPECT_EQ(WhyUnreadable(c.path), c.why);
  }
}

}  // namespace
}  // namespace kelvora
