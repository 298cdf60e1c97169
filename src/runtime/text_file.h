#pragma once

#include <fstream>
#include <string>

namespace corvasine::runtime {

// A text file opened either to read fields or to write lines. Writing goes to
// a temporary file beside the target, which replaces the target only when the
// file is closed after every line was written: a failed save never destroys
// the file that was there before. Where the folder refuses the temporary
// file, the target is written in place. A target marked read-only is never
// written. Every failure raises RuntimeError.
class TextFile {
 public:
  TextFile() = default;
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;
  ~TextFile();  // an unclosed write is abandoned, the target left as it was

  void openForRead(const std::string& path);
  void openForWrite(const std::string& path);

  // Writes text followed by CR LF.
  void WriteTextLine(const std::string& text);

  // Skips leading blanks and returns the next field, which a comma or the line
  // end closes (the comma and the line end are consumed). Reading past the end
  // of the file is an error.
  std::string ReadTextField();

  // Finishes the file; for a write, replaces the target atomically.
  void close();

 private:
  enum class Mode { Closed, Read, Write };
  Mode mode_ = Mode::Closed;
  std::string path_;
  std::string tempPath_;
  std::ifstream in_;
  std::ofstream out_;
};

// The folder of the running program file, without a trailing separator.
std::string executableFolder();

}  // namespace corvasine::runtime
