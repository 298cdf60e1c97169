#include "spreadsheet/file_url.h"

#include <osl/file.hxx>
#include <rtl/string.hxx>
#include <rtl/ustring.hxx>
#include <string_view>

#include "runtime/runtime_error.h"

namespace corvasine::spreadsheet {

namespace {

std::string_view view(const rtl::OString& text) {
  return {text.getStr(), static_cast<std::size_t>(text.getLength())};
}

}  // namespace

std::string fileUrl(const std::string& path) {
  const rtl::OUString wide(path.data(), static_cast<sal_Int32>(path.size()), RTL_TEXTENCODING_UTF8);
  // Bytes that are not UTF-8 do not come back as they were: the URL would
  // name another file.
  rtl::OUString url;
  if (!path.starts_with('/') || view(rtl::OUStringToOString(wide, RTL_TEXTENCODING_UTF8)) != path ||
      osl::FileBase::getFileURLFromSystemPath(wide, url) != osl::FileBase::E_None)
    throw runtime::RuntimeError("not a file path LibreOffice can take: " + path);
  return std::string(view(rtl::OUStringToOString(url, RTL_TEXTENCODING_UTF8)));
}

}  // namespace corvasine::spreadsheet
