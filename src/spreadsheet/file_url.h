#pragma once

// The one way every file URL handed to LibreOffice is made: at run time, by
// the build (through the corvasine_file_url tool) and by the tests.

#include <string>

namespace corvasine::spreadsheet {

// The percent-encoded file URL of an absolute path. RuntimeError for a path
// that LibreOffice cannot take (relative, or not UTF-8).
std::string fileUrl(const std::string& path);

}  // namespace corvasine::spreadsheet
