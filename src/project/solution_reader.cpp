// Visual Studio solutions (".sln"): the project files they name, read as XML for the
// files they include, and (format 9) the pages of their web site folders.
#include <optional>
#include <pugixml.hpp>

#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/text_file.h"
#include "project/app_context.h"
#include "project/file_lookup.h"
#include "project/project.h"
#include "project/project_entries.h"
#include "project/project_files.h"
#include "project/prompter.h"

namespace sorvik {

namespace {

// URLs of a web project on this machine; they stand for the web root folder.
constexpr std::string_view kLocalWebPrefixes[] = {"http://localhost/", "http://127.0.0.1/"};

// A name in a solution or project file: with a drive (or, here, a leading "/") it is
// used as it is, otherwise it is taken in `folder`.
std::string solutionPath(const std::string& folder, std::string_view name) {
  const std::string internal = toInternalPath(name);
  if (internal.find(':') != std::string::npos || isAbsolutePath(internal)) return internal;
  return joinPath(folder, internal);
}

std::string withoutQuotes(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c != '"') out += c;
  }
  return trim(out);
}

std::string collapseBlanks(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const bool blank = c == ' ' || c == '\t';
    if (!blank || out.empty() || out.back() != ' ') out += blank ? ' ' : c;
  }
  return out;
}

std::string withoutBlanks(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (static_cast<unsigned char>(c) > ' ') out += c;
  }
  return out;
}

// A solution file and what it leads to.
class TSLNProject {
 public:
  TSLNProject(const std::string& path, std::string webRoot, std::vector<std::string>& files)
      : path_(path), folder_(folderOf(path)), webRoot_(std::move(webRoot)), files_(files) {}

  // True when the solution names a project file or a web site folder.
  bool Read() {
    const std::optional<std::vector<std::string>> lines = readLines(findExistingPath(path_));
    if (!lines || readVersion(*lines) == 0) return false;
    readSolutionLines(*lines);
    for (const std::string& project : projectFiles_) readProjectFile(project);
    if (version_ == 9) {
      for (const std::string& site : webFolders_) {
        for (const char* mask : {"*.aspx", "*.aspx.cs", "*.aspx.vb"}) {
          for (std::string& file : listFiles(site, mask)) files_.add(std::move(file));
        }
      }
    }
    return !projectFiles_.empty() || !webFolders_.empty();
  }

 private:
  // "7", "8" or "9" from the first three lines; 0 when none is given.
  int readVersion(const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size() && i < 3 && version_ == 0; ++i) {
      const std::string text = lowerCase(collapseBlanks(lines[i]));
      for (const int version : {7, 8, 9}) {
        if (text.find("format version " + std::to_string(version) + ".") != std::string::npos) {
          version_ = version;
          break;
        }
      }
    }
    return version_;
  }

  void readSolutionLines(const std::vector<std::string>& lines) {
    constexpr std::string_view kPhysicalPath = "debug.aspnetcompiler.physicalpath = ";
    UniquePathList projects(projectFiles_);
    UniquePathList sites(webFolders_);
    for (size_t i = 1; i < lines.size(); ++i) {
      const std::string_view text = trimView(lines[i]);
      const std::string lower = lowerCase(text);
      if (lower == "global") break;
      if (startsWith(lower, kPhysicalPath)) {
        const std::string site = webSiteFolder(withoutQuotes(text.substr(kPhysicalPath.size())));
        if (!site.empty()) sites.add(site);
      } else if (startsWith(lower, "project(")) {
        const size_t equals = text.find('=');
        if (equals == std::string_view::npos) continue;
        const std::vector<std::string> fields = split(trimLeft(text.substr(equals + 1)), ',');
        if (fields.size() < 2) continue;
        const std::string file = solutionPath(folder_, localWebPath(withoutQuotes(fields[1])));
        if (!lookup_.existingFile(file).empty()) projects.add(file);
      }
    }
  }

  // A URL of a local web project becomes its path below the web root.
  std::string localWebPath(const std::string& name) const {
    for (const std::string_view prefix : kLocalWebPrefixes) {
      if (startsWithText(name, prefix)) return webRoot_ + name.substr(prefix.size());
    }
    return name;
  }

  // The web site folder as named (when it exists) or in the solution's folder; "" when
  // neither exists.
  std::string webSiteFolder(const std::string& name) const {
    const std::string internal = toInternalPath(name);
    if (isAbsolutePath(internal) && folderExists(internal)) return internal;
    const std::string folder = joinPath(folder_, internal);
    return folderExists(folder) ? folder : "";
  }

  void readProjectFile(const std::string& projectFile) {
    const std::string folder = folderOf(projectFile);
    const std::optional<std::string> bytes = readFileBytes(findExistingPath(projectFile));
    if (!bytes) return;
    pugi::xml_document document;
    if (!document.load_buffer(bytes->data(), bytes->size())) {
      readProjectText(splitText(*bytes).lines, folder);
      return;
    }
    const pugi::xml_node root = document.document_element();
    if (std::string_view(root.name()) == "VisualStudioProject") {
      readStudio2003Project(root, folder);
    } else if (std::string_view(root.name()) == "Project") {
      readStudio2005Project(root, folder);
    }
  }

  // <VisualStudioProject> <CSHARP> <Files> <Include> <File RelPath="..."/>
  void readStudio2003Project(const pugi::xml_node& root, const std::string& folder) {
    for (const pugi::xml_node& language :
         {root.child("VisualBasic"), root.child("EVisualBasic"), root.child("CSHARP"), root}) {
      const pugi::xml_node filesNode = language.child("Files");
      pugi::xml_node list = filesNode.child("Include");
      if (!list) list = filesNode.child("Filter");
      for (const pugi::xml_node& file : list.children()) {
        pugi::xml_attribute name = file.attribute("RelPath");
        if (!name) name = file.attribute("RelativePath");
        if (name) addNamedFile(folder, name.value());
      }
    }
  }

  // <Project> <ItemGroup> <Content Include="..."/>
  void readStudio2005Project(const pugi::xml_node& root, const std::string& folder) {
    for (const pugi::xml_node& group : root.children()) {
      if (!sameText(group.name(), "ItemGroup")) continue;
      for (const pugi::xml_node& content : group.children("Content")) {
        if (const pugi::xml_attribute name = content.attribute("Include")) {
          addNamedFile(folder, name.value());
        }
      }
    }
  }

  // A project file that is no well-formed XML: the RelPath lines between <Files> and
  // </Files>, as the 2002/2003 tools write one attribute per line.
  void readProjectText(const std::vector<std::string>& lines, const std::string& folder) {
    bool inFiles = false;
    for (const std::string& line : lines) {
      const std::string lower = lowerCase(trimView(line));
      if (lower == "<files>" || lower == "</files>") {
        inFiles = lower == "<files>";
        continue;
      }
      const std::string squeezed = lowerCase(withoutBlanks(line));
      if (!inFiles ||
          !(startsWith(squeezed, "relpath=\"") || startsWith(squeezed, "relativepath=\""))) {
        continue;
      }
      const size_t open = line.find('"');
      const size_t close = line.find('"', open + 1);
      addNamedFile(folder, line.substr(open + 1, close == std::string::npos ? std::string::npos
                                                                            : close - open - 1));
    }
  }

  void addNamedFile(const std::string& folder, std::string_view name) {
    const std::string file = solutionPath(folder, name);
    if (!lookup_.existingFile(file).empty()) files_.add(file);
  }

  std::string path_, folder_, webRoot_;
  int version_ = 0;
  std::vector<std::string> projectFiles_;
  std::vector<std::string> webFolders_;
  UniquePathList files_;
  FileLookup lookup_;
};

}  // namespace

bool ReadSolution(TProject& project, const std::string& path, std::vector<std::string>& files) {
  std::string webRoot = toInternalPath(
      project.context().config.readString("General", "WebRoot", "c:\\inetpub\\wwwroot\\"));
  if (!webRoot.empty() && webRoot.back() != '/') webRoot += '/';
  TSLNProject solution(path, std::move(webRoot), files);
  const bool found = solution.Read();
  if (!found && project.context().prompter) {
    project.context().prompter->showError(
        "An error occurred opening the Visual Studio Solution file.\r\nThe Project File was "
        "not found.\r\rTry opening the vbproj or vcproj file instead.");
  }
  return found;
}

}  // namespace sorvik
