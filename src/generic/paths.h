// Paths as project files write them ("\", drive letters, any letter case) and as this
// system holds them ("/"). File names and extensions compare without regard to case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

// "\" becomes "/".
std::string toInternalPath(std::string_view path);
// Removes "." components and resolves ".." (each removes itself and the component before
// it); empty components are dropped; a leading "/" and a drive ("c:") are kept.
std::string ResolvePath(std::string_view path);

std::string fileNameOf(std::string_view path);   // after the last "/" or "\"
std::string folderOf(std::string_view path);     // up to and including the last separator
std::string extensionOf(std::string_view path);  // from the last "." of the name, or ""
std::string changeExtension(std::string_view path, std::string_view ext);
std::string joinPath(std::string_view folder, std::string_view name);
bool isAbsolutePath(std::string_view path);

// The file as it exists on disk: the path itself when it exists, else the path with
// every component matched without regard to case; empty when there is none.
std::string findExistingPath(std::string_view path);
bool fileExists(std::string_view path);    // a regular file, matched ignoring case
bool folderExists(std::string_view path);  // a folder, matched ignoring case
// Regular files directly in `folder` whose names match `mask` ("*.aspx"), ignoring case;
// full paths, sorted by name.
std::vector<std::string> listFiles(std::string_view folder, std::string_view mask);

}  // namespace sorvik
