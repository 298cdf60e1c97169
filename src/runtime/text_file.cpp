#include "runtime/text_file.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "runtime/runtime_error.h"

namespace corvasine::runtime {

TextFile::~TextFile() {
  if (mode_ == Mode::Write) {
    out_.close();
    if (!tempPath_.empty()) std::remove(tempPath_.c_str());
  }
}

void TextFile::openForRead(const std::string& path) {
  if (mode_ != Mode::Closed) throw RuntimeError("file already open");
  in_.open(path, std::ios::binary);
  if (!in_) throw RuntimeError("file not found: " + path);
  path_ = path;
  mode_ = Mode::Read;
}

namespace {

// A file marked read-only (no write permission for anyone) is not replaced,
// even by a user whom the system would let write it.
bool isReadOnlyFile(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (ec || !fs::exists(status)) return false;
  constexpr fs::perms kAnyWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return (status.permissions() & kAnyWrite) == fs::perms::none || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

void TextFile::openForWrite(const std::string& path) {
  if (mode_ != Mode::Closed) throw RuntimeError("file already open");
  if (isReadOnlyFile(path)) throw RuntimeError("file is read-only: " + path);
  tempPath_ = path + ".tmp~";
  out_.open(tempPath_, std::ios::binary | std::ios::trunc);
  if (!out_) {
    // The folder refuses a new file: write the target itself in place.
    out_.clear();
    tempPath_.clear();
    out_.open(path, std::ios::binary | std::ios::trunc);
    if (!out_) throw RuntimeError("cannot write: " + path);
  }
  path_ = path;
  mode_ = Mode::Write;
}

void TextFile::WriteTextLine(const std::string& text) {
  if (mode_ != Mode::Write) throw RuntimeError("file not open for writing");
  out_ << text << "\r\n";
  if (!out_) throw RuntimeError("write failed: " + path_);
}

std::string TextFile::ReadTextField() {
  if (mode_ != Mode::Read) throw RuntimeError("file not open for reading");
  int c = in_.get();
  while (c == ' ' || c == '\t') c = in_.get();
  if (c == EOF) throw RuntimeError("input past end of file");
  std::string field;
  while (c != EOF && c != ',' && c != '\n' && c != '\r') {
    field.push_back(static_cast<char>(c));
    c = in_.get();
  }
  if (c == '\r' && in_.peek() == '\n') in_.get();
  return field;
}

void TextFile::close() {
  if (mode_ == Mode::Read) {
    in_.close();
  } else if (mode_ == Mode::Write) {
    out_.flush();
    const bool written = static_cast<bool>(out_);
    out_.close();
    mode_ = Mode::Closed;
    const bool inPlace = tempPath_.empty();
    std::error_code ec;
    if (written && !out_.fail() && !inPlace) std::filesystem::rename(tempPath_, path_, ec);
    if (!written || out_.fail() || ec) {
      if (!inPlace) std::remove(tempPath_.c_str());
      throw RuntimeError("write failed: " + path_);
    }
  }
  mode_ = Mode::Closed;
}

std::string executableFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return ".";
  return exe.parent_path().string();
}

}  // namespace corvasine::runtime
