// Prints the file URL of the absolute path given, for the build's own runs of
// LibreOffice; exit status 1 for a path LibreOffice cannot take.

#include <cstdio>
#include <exception>

#include "spreadsheet/file_url.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  try {
    std::puts(corvasine::spreadsheet::fileUrl(argv[1]).c_str());
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
}
