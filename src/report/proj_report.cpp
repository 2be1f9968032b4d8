#include "report/proj_report.h"

#include "checks/hint_catalogue.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project.h"
#include "project/result_kinds.h"
#include "search/search_run.h"
#include "spelling/spell_run.h"

namespace sorvik {

namespace {

bool isNodeOf(const std::string& text, std::string_view name) {
  return text == name ||
         (startsWith(text, name) && text.size() > name.size() && text[name.size()] == ' ');
}

std::string counted(std::string_view name, int count) {
  return std::string(name) + " (" + std::to_string(count) + ")";
}

int categoryTotal(const TCounts& counts, std::string_view category) {
  if (category == "Hints") return counts.HintTotal;
  if (category == "Warnings") return counts.WarningTotal;
  if (category == "Delphi Hints") return counts.DelphiHintTotal;
  if (category == "ASP Hints") return counts.AspHintTotal;
  return counts.NamingTotal;
}

// The position of the entry named `name` (upper-cased: `key`, so ignoring case) among the
// `count` entries that `nameAt` names, through `index`; `count` when there is none. The
// index is made again from the entries when they changed behind it.
template <class NameAt>
size_t findEntry(UsesIndex& index, size_t count, const std::string& key, const std::string& name,
                 NameAt nameAt) {
  const auto rebuild = [&] {
    index.at.clear();
    for (size_t i = 0; i < count; ++i) index.at.try_emplace(upperCase(nameAt(i)), i);
    index.covered = count;
  };
  if (index.covered != count) rebuild();
  auto found = index.at.find(key);
  if (found == index.at.end()) return count;
  if (found->second >= count || !sameText(nameAt(found->second), name)) {
    rebuild();
    found = index.at.find(key);
  }
  return found->second;
}

}  // namespace

void TProjReport::Reset() {
  auto& observer = project_.observer();
  observer.statusText("");
  observer.fileLabel("");
  Tree.clear();
  TreeNode statistics{"Statistics", {}};
  if (!project_.NamingMode && !project_.RenameMode) {
    for (const char* section :
         {"Routines scanned", "Form Objects", "Web Objects", "Statement count", "Uses"})
      statistics.children.push_back({section, {}});
  }
  statistics.children.push_back({"Problems", {}});
  Tree.push_back(std::move(statistics));
  if (project_.OverviewMode) Tree.push_back({"Overview", {}});
  observer.treeChanged();
  Progress = 0;
  ProgressMaximum = project_.FormCount + project_.UnitCount + project_.WebCount;
  observer.progressMaximum(ProgressMaximum);
  observer.progressPosition(0);
}

void TProjReport::CountResult(int kind, bool isWarning) {
  if (int* counter = Counts.kindCounter(kind)) ++*counter;
  if (isHintRange(kind))
    ++Counts.HintTotal;
  else if (isDelphiHintRange(kind))
    ++Counts.DelphiHintTotal;
  else if (isWebHintRange(kind))
    ++Counts.AspHintTotal;
  else if (isNamingRange(kind)) {
    // A rename run counts the suggestions it writes, not the ones it finds again.
    if (!project_.RenameMode) ++Counts.NamingTotal;
  } else if (isTemplateKind(kind) && !isWarning)
    ++Counts.HintTotal;
  else if (isWarningRange(kind) || isTemplateKind(kind))
    ++Counts.WarningTotal;
}

std::string TProjReport::statusText() const {
  if (project_.SpellMode) {
    const TSpell* spell = currentSpell(project_);
    return spell ? spell->statusText() : "";
  }
  if (project_.SearchMode) return searchCountText(project_);
  if (project_.NamingMode) return CountText(Counts.NamingTotal, "Suggestion");
  if (project_.RenameMode) return CountText(Counts.NamingTotal, "Applied Suggestion");
  std::string text =
      CountText(Counts.HintTotal, "Hint") + ", " + CountText(Counts.WarningTotal, "Warning") + ", ";
  if (Counts.AspHintTotal > 0) text += CountText(Counts.AspHintTotal, "ASP Hint") + ", ";
  if (Counts.DelphiHintTotal > 0) text += CountText(Counts.DelphiHintTotal, "Delphi Hint") + ", ";
  text.resize(text.size() - 2);
  return text;
}

void TProjReport::UpdateStatus() {
  project_.observer().statusText(statusText());
}

void TProjReport::UpdateTree(int kind, bool isWarning) {
  project_.pollEvents();
  const std::string_view category = categoryName(kind, isWarning);
  const std::string text = kindText(kind, project_.settings().Templates);
  const int total = categoryTotal(Counts, category);

  TreeNode* node = nullptr;
  size_t warningsIndex = Tree.size();
  for (size_t i = 0; i < Tree.size(); ++i) {
    if (isNodeOf(Tree[i].text, "Warnings")) warningsIndex = i;
    if (!node && isNodeOf(Tree[i].text, category)) node = &Tree[i];
  }
  if (node) {
    node->text = counted(category, total);
  } else {
    const bool hintCategory =
        category == "Hints" || category == "Delphi Hints" || category == "ASP Hints";
    if (hintCategory && warningsIndex < Tree.size()) {
      node = &*Tree.insert(Tree.begin() + static_cast<std::ptrdiff_t>(warningsIndex),
                           TreeNode{counted(category, 1), {}});
    } else {
      Tree.push_back({counted(category, total), {}});
      node = &Tree.back();
    }
  }

  // A kind's node is found by its whole key: "Invalid Ampersand code" must not take over
  // the node of "Invalid Ampersand code - may have been misspelt".
  const std::string kindNode = counted(text, Counts.kindCount(kind));
  bool found = false;
  for (auto& child : node->children) {
    if (startsWith(child.text, text + " (")) {
      child.text = kindNode;
      found = true;
      break;
    }
  }
  if (!found) node->children.push_back({kindNode, {}});
  project_.observer().treeChanged();
  project_.pollEvents();
}

void TProjReport::RecordUses(const std::vector<std::string>& usedUnits) {
  if (project_.VariantCounter > 1) return;
  std::string unit = fileNameOf(project_.CurrentFile);
  if (endsWithText(unit, ".pas")) unit.resize(unit.size() - 4);
  for (const auto& used : usedUnits) {
    const std::string key = upperCase(used);
    const size_t top =
        findEntry(treeAt_, UsesTree.size(), key, used,
                  [this](size_t i) -> const std::string& { return UsesTree[i].text; });
    if (top == UsesTree.size()) {
      UsesTree.push_back({used, {}});
      treeAt_.add(key, top);
    }
    UsesTree[top].children.push_back({unit, {}});
  }
  for (const auto& used : usedUnits) {
    const std::string key = upperCase(used);
    const size_t i = findEntry(usedAt_, UsedUnits.size(), key, used,
                               [this](size_t at) -> const std::string& { return UsedUnits[at]; });
    if (i < UsedUnits.size()) {
      ++UseCounts[i];
    } else {
      UsedUnits.push_back(used);
      UseCounts.push_back(1);
      usedAt_.add(key, i);
    }
  }
}

void TProjReport::Step() {
  auto& observer = project_.observer();
  observer.fileLabel(project_.CurrentFile);
  Progress = project_.StopRequested ? ProgressMaximum : Progress + 1;
  observer.progressPosition(Progress);
}

void TProjReport::restartProgress() {
  Progress = 0;
  project_.observer().progressPosition(0);
}

}  // namespace sorvik
