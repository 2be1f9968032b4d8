#include "generic/paths.h"

#include <algorithm>
#include <filesystem>

#include "generic/strings.h"

namespace sorvik {

namespace fs = std::filesystem;

namespace {

bool isSeparator(char c) {
  return c == '/' || c == '\\';
}

size_t nameStart(std::string_view path) {
  const size_t last = path.find_last_of("/\\");
  return last == std::string_view::npos ? 0 : last + 1;
}

bool hasDrive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'a' && path[0] <= 'z') || (path[0] >= 'A' && path[0] <= 'Z'));
}

// "*" stands for any run of characters, "?" for one; letters match ignoring case. The
// last "*" seen is the only one that needs to be retried, which keeps the walk short.
bool matchesMask(std::string_view name, std::string_view mask) {
  size_t n = 0;
  size_t m = 0;
  size_t starMask = std::string_view::npos;
  size_t starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == '*') {
      starMask = m++;
      starName = n;
    } else if (m < mask.size() && (mask[m] == '?' || upperChar(mask[m]) == upperChar(name[n]))) {
      ++m;
      ++n;
    } else if (starMask != std::string_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

// The entry of `folder` named `name` ignoring case: the exact name when it exists, else
// the first of the matching names in byte order (so that the choice does not depend on
// the order of the listing); empty when there is none.
std::string findEntry(const fs::path& folder, const std::string& name) {
  std::error_code error;
  if (fs::exists(folder / name, error)) return name;
  std::string found;
  fs::directory_iterator entries(folder, error);
  for (const fs::directory_iterator end; !error && entries != end; entries.increment(error)) {
    std::string candidate = entries->path().filename().string();
    if (sameText(candidate, name) && (found.empty() || candidate < found)) {
      found = std::move(candidate);
    }
  }
  return found;
}

}  // namespace

std::string toInternalPath(std::string_view path) {
  std::string out(path);
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

std::string ResolvePath(std::string_view path) {
  std::string root;
  if (hasDrive(path)) {
    root = path.substr(0, 2);
    path.remove_prefix(2);
  }
  if (!path.empty() && isSeparator(path.front())) root += '/';
  std::vector<std::string_view> kept;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find_first_of("/\\", start);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view part = path.substr(start, end - start);
    if (part == "..") {
      if (!kept.empty()) kept.pop_back();
    } else if (!part.empty() && part != ".") {
      kept.push_back(part);
    }
    start = end + 1;
  }
  std::string out = root;
  for (size_t i = 0; i < kept.size(); ++i) {
    if (i > 0) out += '/';
    out.append(kept[i]);
  }
  return out;
}

std::string fileNameOf(std::string_view path) {
  return std::string(path.substr(nameStart(path)));
}

std::string folderOf(std::string_view path) {
  return std::string(path.substr(0, nameStart(path)));
}

std::string extensionOf(std::string_view path) {
  const std::string_view name = path.substr(nameStart(path));
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string changeExtension(std::string_view path, std::string_view ext) {
  const size_t start = nameStart(path);
  const size_t dot = path.substr(start).rfind('.');
  const size_t stem = dot == std::string_view::npos ? path.size() : start + dot;
  return std::string(path.substr(0, stem)) + std::string(ext);
}

std::string joinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string out(folder);
  if (!isSeparator(out.back())) out += '/';
  out.append(name);
  return out;
}

bool isAbsolutePath(std::string_view path) {
  return (!path.empty() && isSeparator(path.front())) || hasDrive(path);
}

std::string findExistingPath(std::string_view path) {
  std::string wanted = toInternalPath(path);
  if (wanted.empty()) return "";
  std::error_code error;
  if (fs::exists(wanted, error)) return wanted;

  const bool absolute = wanted.front() == '/';
  std::string found = absolute ? "/" : "";
  for (const std::string& part : split(wanted, '/')) {
    if (part.empty()) continue;
    std::string name = part;
    // "." and ".." name no entry to match; they are followed as the system follows them.
    if (part != "." && part != "..") {
      name = findEntry(found.empty() ? fs::path(".") : fs::path(found), part);
      if (name.empty()) return "";
    }
    found = joinPath(found, name);
  }
  if (!fs::exists(found, error)) return "";
  if (wanted.back() == '/' && found.back() != '/') found += '/';
  return found;
}

bool fileExists(std::string_view path) {
  const std::string found = findExistingPath(path);
  std::error_code error;
  return !found.empty() && fs::is_regular_file(found, error);
}

bool folderExists(std::string_view path) {
  const std::string found = findExistingPath(path);
  std::error_code error;
  return !found.empty() && fs::is_directory(found, error);
}

std::vector<std::string> listFiles(std::string_view folder, std::string_view mask) {
  std::string found = folder.empty() ? std::string() : findExistingPath(folder);
  if (!folder.empty() && found.empty()) return {};
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator entries(found.empty() ? fs::path(".") : fs::path(found), error);
  for (const fs::directory_iterator end; !error && entries != end; entries.increment(error)) {
    std::error_code kindError;
    std::string name = entries->path().filename().string();
    if (entries->is_regular_file(kindError) && matchesMask(name, mask)) {
      names.push_back(std::move(name));
    }
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const int order = compareText(a, b);
    return order != 0 ? order < 0 : a < b;
  });
  std::vector<std::string> paths;
  paths.reserve(names.size());
  for (const std::string& name : names) paths.push_back(joinPath(found, name));
  return paths;
}

}  // namespace sorvik
