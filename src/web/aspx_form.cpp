#include "web/aspx_form.h"

#include <algorithm>

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

TAspxForm::TAspxForm(std::string path, TextFile file)
    : FilePath(std::move(path)),
      Folder(folderOf(toInternalPath(FilePath))),
      Lines(std::move(file.lines)) {
  size_t size = 2;
  for (const std::string& line : Lines) size += line.size() + 2;
  Text.reserve(size);
  for (size_t i = 0; i < Lines.size(); ++i) {
    if (i > 0) Text += "\r\n";
    Text += Lines[i];
  }
  if (!Lines.empty() && file.finalLineEnd) Text += "\r\n";
  // At most a text before each tag and one after the last.
  Objects.reserve(2 * static_cast<size_t>(std::count(Text.begin(), Text.end(), '<')) + 1);
  while (!NextToken().empty()) {
  }
}

}  // namespace sorvik
