#include "cli/sarif_output.h"

#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "checks/hint_catalogue.h"
#include "cli/output.h"
#include "generic/encoding.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/text_file.h"
#include "project/project.h"
#include "project/result_kinds.h"
#include "report/result_view.h"

namespace sorvik {

namespace {

using json = nlohmann::ordered_json;

constexpr const char* kRootId = "%SRCROOT%";

// How a file's lines end and how many lines it has as SARIF counts them (a line end
// that ends the file starts one more, empty line), read once per file that has fixes.
struct FileShape {
  std::string lineEnd = "\r\n";
  size_t lineCount = 0;
  bool known = false;
};

class SarifWriter {
 public:
  explicit SarifWriter(const TProject& project)
      : project_(project), folder_(folderOf(ResolvePath(project.ProjectPath))) {}

  json log() {
    std::set<int> kinds;
    for (const auto& result : project_.Report->Results) kinds.insert(result->Kind);
    json rules = json::array();
    for (int kind : kinds) {
      ruleIndex_[kind] = static_cast<int>(rules.size());
      const std::string name = toUtf8(kindText(kind, project_.settings().Templates));
      rules.push_back({{"id", std::to_string(kind)},
                       {"name", name},
                       {"shortDescription", {{"text", name}}},
                       {"defaultConfiguration", {{"level", level(kind)}}}});
    }
    json results = json::array();
    for (const auto& result : project_.Report->Results) results.push_back(resultJson(*result));

    json run = {{"tool", {{"driver", {{"name", "sorvik"}, {"rules", rules}}}}}};
    if (isAbsolutePath(folder_))
      run["originalUriBaseIds"] = {{kRootId, {{"uri", "file://" + rootedUri(folder_)}}}};
    run["results"] = results;
    return {{"$schema", "https://json.schemastore.org/sarif-2.1.0.json"},
            {"version", "2.1.0"},
            {"runs", json::array({run})}};
  }

 private:
  const char* level(int kind) const {
    return isHintKind(kind, templateIsWarning(project_, kind)) ? "note" : "warning";
  }

  static std::string rootedUri(const std::string& path) {
    const std::string uri = uriOfPath(path, true);
    return uri.starts_with('/') ? uri : "/" + uri;
  }

  // The file relative to the project's folder, or as an absolute URI when it lies
  // outside it.
  json artifactLocation(const std::string& path) const {
    if (!folder_.empty() && path.size() > folder_.size() && path.starts_with(folder_))
      return {{"uri", uriOfPath(path.substr(folder_.size()), false)}, {"uriBaseId", kRootId}};
    if (isAbsolutePath(path)) return {{"uri", "file://" + rootedUri(path)}};
    return {{"uri", uriOfPath(path, false)}};
  }

  const FileShape& shapeOf(const std::string& path) {
    auto [entry, added] = shapes_.try_emplace(path);
    if (added) {
      if (const auto file = readTextFile(path)) {
        entry->second.lineEnd = file->lineEnd == LineEnd::Lf   ? "\n"
                                : file->lineEnd == LineEnd::Cr ? "\r"
                                                               : "\r\n";
        entry->second.lineCount = file->lines.size() + (file->finalLineEnd ? 1 : 0);
        entry->second.known = true;
      }
    }
    return entry->second;
  }

  // The suggestion as one replacement: whole lines from the result's line on are deleted
  // ("{Remove line}" and ordinary replacements: LineCount of them; "{Insert:}": none)
  // and the new lines are put in their place.
  json fixOf(const TFrontOutput& result) {
    const LineEdit edit = lineEditOf(result);
    const std::vector<std::string>& inserted = edit.inserted;
    const int deleted = edit.deleted;
    const FileShape& shape = shapeOf(result.FilePath);
    const int end = result.Line + deleted;
    json region;
    std::string text;
    if (shape.known && deleted > 0 && static_cast<size_t>(end) > shape.lineCount) {
      // The deletion reaches the last line of a file without a final line end: there is
      // no line after it to end on.
      region = {{"startLine", result.Line}, {"endLine", end - 1}};
      text = join(inserted, shape.lineEnd);
    } else {
      region = {{"startLine", result.Line}, {"startColumn", 1}, {"endLine", end}, {"endColumn", 1}};
      for (const auto& line : inserted) text += line + shape.lineEnd;
    }
    json replacement = {{"deletedRegion", region}};
    if (!text.empty()) replacement["insertedContent"] = {{"text", toUtf8(text)}};
    return {
        {"description", {{"text", toUtf8(kindText(result.Kind, project_.settings().Templates))}}},
        {"artifactChanges", json::array({{{"artifactLocation", artifactLocation(result.FilePath)},
                                          {"replacements", json::array({replacement})}}})}};
  }

  // The message without the "):[Hint] " (or a naming run's "):") that begins it.
  static std::string messageOf(const std::string& text) {
    if (text.starts_with("):[")) {
      const size_t close = text.find("] ");
      if (close != std::string::npos) return text.substr(close + 2);
    }
    return text.starts_with("):") ? text.substr(2) : text;
  }

  json resultJson(const TFrontOutput& result) {
    json physical = {{"artifactLocation", artifactLocation(result.FilePath)}};
    if (result.Line >= 1) physical["region"] = {{"startLine", result.Line}};
    json entry = {{"ruleId", std::to_string(result.Kind)},
                  {"ruleIndex", ruleIndex_[result.Kind]},
                  {"level", level(result.Kind)},
                  {"message", {{"text", toUtf8(messageOf(result.Text))}}},
                  {"locations", json::array({{{"physicalLocation", physical}}})}};
    if (result.Suggestions && !result.Suggestions->empty() && !result.Applied && result.Line >= 1)
      entry["fixes"] = json::array({fixOf(result)});
    return entry;
  }

  const TProject& project_;
  std::string folder_;
  std::map<int, int> ruleIndex_;
  std::map<std::string, FileShape> shapes_;
};

}  // namespace

std::string uriOfPath(std::string_view path, bool absolute) {
  static const char* const kHex = "0123456789ABCDEF";
  std::string uri;
  for (unsigned char c : toUtf8(path)) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.' || c == '_' || c == '~' || c == '/' ||
                       (absolute && c == ':');
    if (plain) {
      uri += static_cast<char>(c);
    } else {
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 15];
    }
  }
  return uri;
}

void writeSarifRun(std::ostream& out, const TProject& project) {
  out << SarifWriter(project).log().dump(2) << '\n';
}

}  // namespace sorvik
