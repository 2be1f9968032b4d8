#include "web/aspx_form.h"

#include "generic/paths.h"
#include "generic/text_file.h"

namespace sorvik {

namespace {

TextFile readPage(const std::string& path) {
  const std::string found = findExistingPath(path);
  std::optional<TextFile> file = readTextFile(found.empty() ? path : found);
  return file ? std::move(*file) : TextFile{};
}

}  // namespace

TAspxForm::TAspxForm(std::string path) : TAspxForm(path, readPage(path)) {}

TAspxForm::TAspxForm(std::string path, const TextFile& file)
    : FilePath(std::move(path)), Folder(folderOf(toInternalPath(FilePath))), Lines(file.lines) {
  for (size_t i = 0; i < Lines.size(); ++i) {
    if (i > 0) Text += "\r\n";
    Text += Lines[i];
  }
  if (!Lines.empty() && file.finalLineEnd) Text += "\r\n";
  while (!NextToken().empty()) {
  }
}

}  // namespace sorvik
