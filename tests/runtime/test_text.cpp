#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "runtime/runtime_error.h"
#include "runtime/text.h"
#include "runtime/text_file.h"
#include "support/fake_services.h"

namespace corvasine::runtime {
namespace {

TEST(SplitText, NumbersPiecesFromZero) {
  EXPECT_EQ(SplitText("1*0*2", "*"), (std::vector<std::string>{"1", "0", "2"}));
  EXPECT_EQ(SplitText("", "^"), (std::vector<std::string>{""}));
  EXPECT_EQ(SplitText("a^^b^", "^"), (std::vector<std::string>{"a", "", "b", ""}));
}

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class TextFileTest : public ::testing::Test {
 protected:
  testing::FakeServices services;
  std::string path = services.ProgramFolder() + "/case.txt";
};

TEST_F(TextFileTest, WritesLinesWithCrLfAndReadsFieldsClosedByCommaOrLineEnd) {
  TextFile file;
  file.openForWrite(path);
  file.WriteTextLine("  first, second");
  file.close();
  EXPECT_EQ(readAll(path), "  first, second\r\n");
  std::ofstream(path, std::ios::app | std::ios::binary) << "third\n";
  file.openForRead(path);
  EXPECT_EQ(file.ReadTextField(), "first");
  EXPECT_EQ(file.ReadTextField(), "second");
  EXPECT_EQ(file.ReadTextField(), "third");
  EXPECT_THROW(file.ReadTextField(), RuntimeError);
  file.close();
}

// An abandoned write, or a missing file or folder, leaves what was there.
TEST_F(TextFileTest, UnfinishedOrImpossibleWritesLeaveTheOldFile) {
  std::ofstream(path, std::ios::binary) << "saved case\r\n";
  {
    TextFile file;
    file.openForWrite(path);
    file.WriteTextLine("half");
  }  // abandoned without close
  EXPECT_EQ(readAll(path), "saved case\r\n");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp~"));
  TextFile file;
  EXPECT_THROW(file.openForRead(path + ".none"), RuntimeError);
  EXPECT_THROW(file.openForWrite(services.ProgramFolder() + "/no/such/folder/x.txt"), RuntimeError);
}

// A file marked read-only keeps its content although the tests may run as a
// user whom the system lets write any file.
TEST_F(TextFileTest, ReadOnlyTargetFailsAndKeepsItsContent) {
  namespace fs = std::filesystem;
  std::ofstream(path, std::ios::binary) << "saved case\r\n";
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  TextFile file;
  EXPECT_THROW(file.openForWrite(path), RuntimeError);
  EXPECT_EQ(readAll(path), "saved case\r\n");
  EXPECT_FALSE(fs::exists(path + ".tmp~"));
}

// Where no temporary file can be made beside the target (here a folder holds
// its name), the target is written in place.
TEST_F(TextFileTest, FolderRefusingTheTemporaryFileWritesInPlace) {
  namespace fs = std::filesystem;
  std::ofstream(path, std::ios::binary) << "old\r\n";
  fs::create_directory(path + ".tmp~");
  TextFile file;
  file.openForWrite(path);
  file.WriteTextLine("new");
  file.close();
  EXPECT_EQ(readAll(path), "new\r\n");
  EXPECT_TRUE(fs::is_directory(path + ".tmp~"));
}

}  // namespace
}  // namespace corvasine::runtime
