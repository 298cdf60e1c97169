#include "spreadsheet/libreoffice_test_support.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "spreadsheet/file_url.h"

namespace corvasine::testing {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string runCommand(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  pclose(pipe);
  return output;
}

namespace {

std::vector<std::string> csvRecord(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"')
      fields.back().push_back(line[++i]);  // a doubled quote inside quotes
    else if (c == '"')
      quoted = !quoted;
    else if (c == ',' && !quoted)
      fields.emplace_back();
    else if (c != '\r')
      fields.back().push_back(c);
  }
  return fields;
}

std::string pipeMark(int owner) { return "corvasine_" + std::to_string(owner) + "_"; }

}  // namespace

std::vector<std::vector<std::string>> firstSheetAsCsv(const std::string& workbook) {
  // LibreOffice's own temporary files go with the work folder.
  TempFolder work;
  std::filesystem::create_directory(work.file("tmp"));
  // Comma, double quote, UTF-8, from line 1, raw values, the first sheet.
  const std::string command =
      "TMPDIR='" + work.file("tmp") + "' " + CORVASINE_SOFFICE +
      " -env:UserInstallation=" + spreadsheet::fileUrl(work.file("profile")) +
      " --headless --norestore --convert-to "
      "'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,"
      "false,false,1' --outdir '" +
      work.path() + "' '" + workbook + "' >/dev/null 2>&1";
  runCommand(command);
  // Asked for one sheet, LibreOffice names the file after the book and the sheet.
  std::string converted;
  for (const auto& entry : std::filesystem::directory_iterator(work.path()))
    if (entry.path().extension() == ".csv") converted = entry.path().string();
  std::ifstream in(converted);
  EXPECT_TRUE(in.good()) << "LibreOffice did not convert " << workbook;
  std::vector<std::vector<std::string>> rows;
  std::string line;
  while (std::getline(in, line)) rows.push_back(csvRecord(line));
  return rows;
}

std::string csvField(const std::vector<std::vector<std::string>>& sheet, int row, int column) {
  const auto r = static_cast<std::size_t>(row - 1);
  const auto c = static_cast<std::size_t>(column - 1);
  if (r >= sheet.size() || c >= sheet[r].size()) return "";
  return sheet[r][c];
}

std::vector<int> sofficeProcessIds(int owner) {
  const std::string mark = pipeMark(owner);
  std::vector<int> ids;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    const std::string cmdline = readFile(entry.path().string() + "/cmdline");
    // A zombie has no command line left: it is gone but for its exit status.
    if (cmdline.find(mark) != std::string::npos) ids.push_back(std::stoi(name));
  }
  return ids;
}

std::vector<std::string> pipeSockets(int owner) {
  const std::string prefix = "OSL_PIPE_" + std::to_string(getuid()) + "_" + pipeMark(owner);
  std::vector<std::string> sockets;
  for (const char* folder : {"/tmp", "/var/tmp"})
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (entry.path().filename().string().starts_with(prefix)) sockets.push_back(entry.path());
  return sockets;
}

}  // namespace corvasine::testing
