// Linked in place of libFuzzer in the ordinary build: runs the target over every
// file of the corpus folders named on the command line, in name order, as a test.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  std::set<std::filesystem::path> files;  // in name order
  for (int k = 1; k < argc; ++k)
    for (const auto& entry : std::filesystem::directory_iterator(argv[k]))
      if (entry.is_regular_file()) files.insert(entry.path());
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::printf("%s\n", file.filename().c_str());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu inputs\n", files.size());
  return files.empty() ? 1 : 0;  // an empty corpus tests nothing
}
