#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "runtime/runtime_error.h"
#include "runtime/text_file.h"
#include "support/fake_services.h"

namespace corvasine::runtime {
namespace {

class TextFileTest : public ::testing::Test {
 protected:
  std::string readAll(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
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
}

// An abandoned write, a missing file or folder leaves what was there. (A target
// marked read-only, or a folder refusing the temporary file: the units file's tests.)
TEST_F(TextFileTest, UnfinishedOrImpossibleWritesLeaveTheOldFile) {
  std::ofstream(path, std::ios::binary) << "saved case\r\n";
  {
    TextFile file;
    file.openForWrite(path);
    file.WriteTextLine("half");
  }  // abandoned without close
  EXPECT_EQ(readAll(path), "saved case\r\n");
  TextFile file;
  EXPECT_THROW(file.openForRead(path + ".none"), RuntimeError);
  EXPECT_THROW(file.openForWrite(services.ProgramFolder() + "/no/such/folder/x.txt"), RuntimeError);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp~"));
}

}  // namespace
}  // namespace corvasine::runtime
