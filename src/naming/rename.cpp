#include "naming/rename.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <vector>

#include "checks/stored_line.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "naming/naming_lists.h"
#include "project/project.h"
#include "source/code_unit.h"
#include "source/find_word.h"
#include "source/ifdef_handler.h"

namespace sorvik {

namespace {

struct Correction {
  int fileLine = 0;
  std::string name, expected;
};

// What one rename run keeps: which records can be applied, and the variable corrections
// waiting for the end of their unit's walk.
struct RenameRun : RunData {
  bool checked = false;
  std::vector<bool> usable;                                    // per record of the rename list
  std::map<std::string, std::vector<Correction>> corrections;  // by unit path
  int applied = 0;  // renames written to their forms, and corrected lines
};

RenameRun& renameRun(TProject& project) {
  return project.runData<RenameRun>();
}

const RenameWriter& writer(TProject& project) {
  return project.context().service<RenameWriter>();
}

// Suggestions written: the run's own count, and the total its status line shows.
void countApplied(TProject& project, int count) {
  renameRun(project).applied += count;
  project.report().Counts.NamingTotal += count;
}

// The record renames the form itself, which has no field declaration of its own.
bool isFormRecord(const TNameReplace& record) {
  return record.DeclarationLine < 0 && sameText(record.OldName, record.FormName);
}

// Replaces the whole-word occurrences of `find` outside literals, ignoring case.
bool replaceWords(std::string& line, std::string_view find, std::string_view replacement) {
  bool changed = false;
  for (int at = FindWord(find, line, false, false, 1); at != 0;
       at = FindWord(find, line, false, false, at + static_cast<int>(replacement.size()))) {
    line.replace(static_cast<size_t>(at - 1), find.size(), replacement);
    changed = true;
  }
  return changed;
}

// The first occurrence of `find`, ignoring case, replaced.
bool replaceFirstText(std::string& line, std::string_view find, std::string_view replacement) {
  const std::string upper = upperCase(line);
  const size_t at = upper.find(upperCase(find));
  if (at == std::string::npos) return false;
  line.replace(at, find.size(), replacement);
  return true;
}

std::string objectText(const std::string& name) {
  return "object " + name + ": ";
}

void dropRecord(TProject& project, size_t i, const TNameReplace& record, const char* reason) {
  renameRun(project).usable[i] = false;
  project.addError("Component " + record.OldName + " in " + record.FormPath +
                   " was not renamed: " + reason);
}

// A record is applied everywhere or nowhere: one whose form cannot be written (binary,
// read-only) or no longer declares it, or whose field declaration was not found, would
// leave the form and the code naming the component differently.
void checkRecords(TProject& project) {
  RenameRun& run = renameRun(project);
  run.checked = true;
  const auto& renames = namingLists(project).renames();
  run.usable.assign(renames.size(), true);
  std::map<std::string, std::optional<TextFile>> forms;
  for (size_t i = 0; i < renames.size(); ++i) {
    const TNameReplace& record = renames[i];
    if (record.DeclarationLine < 0 && !isFormRecord(record)) {
      dropRecord(project, i, record, "its field declaration was not found in its unit");
      continue;
    }
    const std::string key = upperCase(record.FormPath);
    if (!forms.count(key)) forms[key] = writer(project).read(project, record.FormPath);
    const std::optional<TextFile>& form = forms[key];
    if (!form) {
      run.usable[i] = false;
      continue;
    }
    const auto line = static_cast<size_t>(record.FormLine);
    if (record.FormLine < 0 || line >= form->lines.size() ||
        upperCase(form->lines[line]).find(upperCase(objectText(record.OldName))) ==
            std::string::npos)
      dropRecord(project, i, record, "its object line was not found in the form");
  }
}

// The records of the run that can be applied, components before forms: a reference
// "Form1.Button1" is found by the form's old name, which the form's own rename changes.
std::vector<const TNameReplace*> usableRecords(TProject& project) {
  RenameRun& run = renameRun(project);
  if (!run.checked) checkRecords(project);
  const auto& renames = namingLists(project).renames();
  std::vector<const TNameReplace*> records;
  for (size_t i = 0; i < renames.size(); ++i)
    if (run.usable[i] && !isFormRecord(renames[i])) records.push_back(&renames[i]);
  for (size_t i = 0; i < renames.size(); ++i)
    if (run.usable[i] && isFormRecord(renames[i])) records.push_back(&renames[i]);
  return records;
}

// The field declaration keeps its indentation, type and comment; only the name changes.
void renameDeclaration(TextFile& unitFile, const TNameReplace& record, bool& changed) {
  const auto index = static_cast<size_t>(record.DeclarationLine);
  if (index >= unitFile.lines.size()) return;
  std::string& line = unitFile.lines[index];
  const size_t at = std::min(line.find_first_not_of(" \t"), line.size());
  const size_t end = at + record.OldName.size();
  if (!startsWithText(std::string_view(line).substr(at), record.OldName) ||
      (end < line.size() && isIdentChar(line[end])))
    return;
  line.replace(at, record.OldName.size(), record.NewName);
  changed = true;
}

// The lines of a file that hold each identifier (upper case), so that each record visits
// only the lines that can refer to it.
using WordLines = std::unordered_map<std::string, std::vector<size_t>>;
WordLines indexWords(const std::vector<std::string>& lines) {
  WordLines index;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    for (size_t at = 0; at < line.size();) {
      if (!isIdentChar(line[at])) {
        ++at;
        continue;
      }
      const size_t start = at;
      while (at < line.size() && isIdentChar(line[at])) ++at;
      std::vector<size_t>& found =
          index[upperCase(std::string_view(line).substr(start, at - start))];
      if (found.empty() || found.back() != i) found.push_back(i);
    }
  }
  return index;
}

void replaceIndexed(std::vector<std::string>& lines, const WordLines& index,
                    const std::string& word, const std::string& find,
                    const std::string& replacement, bool& changed) {
  const auto found = index.find(upperCase(word));
  if (found == index.end()) return;
  for (const size_t i : found->second) changed |= replaceWords(lines[i], find, replacement);
}

// Renames the component's object line and the references to it; true when the object line
// changed.
bool renameInForm(TextFile& form, const WordLines& index, const TNameReplace& record,
                  bool& changed) {
  std::string& line = form.lines[static_cast<size_t>(record.FormLine)];
  const std::string& from = record.OldName;
  const std::string& to = record.NewName;
  bool renamed = false;
  if (isFormRecord(record))
    renamed = replaceFirstText(line, objectText(from) + "T" + from, objectText(to) + "T" + to);
  renamed |= replaceFirstText(line, objectText(from), objectText(to));
  // Other components point at it by name (FocusControl = Label1, ActiveControl = Form1).
  replaceIndexed(form.lines, index, from, " = " + from, " = " + to, changed);
  changed |= renamed;
  return renamed;
}

void renameInUnit(TextFile& unitFile, const WordLines& index, const TNameReplace& record,
                  bool ownForm, bool& changed) {
  const std::string& from = record.OldName;
  const std::string& to = record.NewName;
  if (isFormRecord(record)) {
    // The form's variable and class keep their names in step with the form wherever they
    // are used.
    replaceIndexed(unitFile.lines, index, from, from, to, changed);
    replaceIndexed(unitFile.lines, index, "T" + from, "T" + from, "T" + to, changed);
  } else if (ownForm) {
    replaceIndexed(unitFile.lines, index, from, from, to, changed);
  } else {
    const std::string qualified = record.FormName + ".";
    replaceIndexed(unitFile.lines, index, from, qualified + from, qualified + to, changed);
  }
}

// Corrects a variable's case in the code of a line, comments and literals left alone.
bool correctLine(std::string& line, const Correction& correction) {
  const std::vector<CharRole> roles = CharRoles(line, false);
  std::string code = upperCase(line);
  for (size_t i = 0; i < code.size(); ++i)
    if (roles[i] != CharRole::Code) code[i] = ' ';
  const std::string name = upperCase(correction.name);
  bool changed = false;
  for (int at = FindWord(name, code, true, true, 1); at != 0;
       at = FindWord(name, code, true, true, at + 1)) {
    line.replace(static_cast<size_t>(at - 1), name.size(), correction.expected);
    changed = true;
  }
  return changed;
}

// The program that creates the forms: the project file, or the program beside an IDE
// project file.
std::string programFile(const TProject& project) {
  const std::string& path = project.ProjectPath;
  if (sameText(extensionOf(path), ".dpr")) return path;
  std::string program = path.substr(0, path.size() - extensionOf(path).size()) + ".dpr";
  return fileExists(program) ? program : std::string();
}

}  // namespace

void ApplyRenames(TProject& project, TCodeUnit& unit) {
  const std::vector<const TNameReplace*> records = usableRecords(project);
  if (records.empty()) return;
  const std::string formPath = project.CurrentFile;
  const bool hasForm = !sameText(formPath, unit.FilePath);
  const RenameWriter& files = writer(project);

  if (hasForm) {
    std::optional<TextFile> form;
    WordLines index;
    bool changed = false;
    int renamed = 0;
    for (const TNameReplace* record : records) {
      if (!sameText(record->FormPath, formPath)) continue;
      if (!form) {
        form = files.read(project, formPath);
        if (!form) break;
        index = indexWords(form->lines);
      }
      if (renameInForm(*form, index, *record, changed)) ++renamed;
    }
    if (changed && files.save(project, *form, formPath)) countApplied(project, renamed);
  }

  if (unit.ImplLine <= 0) return;
  std::optional<TextFile> unitFile = files.read(project, unit.FilePath);
  if (!unitFile) return;
  bool changed = false;
  for (const TNameReplace* record : records)
    if (hasForm && sameText(record->FormPath, formPath) && record->DeclarationLine >= 0)
      renameDeclaration(*unitFile, *record, changed);
  const WordLines index = indexWords(unitFile->lines);
  for (const TNameReplace* record : records) {
    const bool ownForm = hasForm && sameText(record->FormPath, formPath);
    renameInUnit(*unitFile, index, *record, ownForm, changed);
  }
  if (changed) files.save(project, *unitFile, unit.FilePath);
}

void RenameInProjectFile(TProject& project) {
  const std::string path = programFile(project);
  if (path.empty() || !fileExists(path)) return;
  const std::vector<const TNameReplace*> records = usableRecords(project);
  if (records.empty()) return;
  std::optional<TextFile> file = writer(project).read(project, path);
  if (!file) return;
  // The lines as the compiler reads them decide; the file's own lines are changed.
  TIFDEFHandler handler(path, project);
  const TCodeUnit& working = handler.unit();
  size_t uses = 0;
  while (uses < working.size() && working.ScanLines[uses] != "USES") ++uses;
  size_t begin = uses + 1;
  while (begin < working.size() && working.ScanLines[begin] != "BEGIN") ++begin;
  if (begin >= working.size()) return;

  bool changed = false;
  const auto renameFrom = [&](size_t first, const std::string& from, const std::string& to) {
    const std::string upper = upperCase(from);
    for (size_t i = first; i < working.size(); ++i) {
      const auto line = static_cast<size_t>(working.LineMap[i]);
      if (line < file->lines.size() && findCodeWord(upper, working.UpperLines[i]) != 0)
        changed |= replaceWords(file->lines[line], from, to);
    }
  };
  for (const TNameReplace* record : records) {
    renameFrom(begin + 1, record->OldName, record->NewName);
    if (!isFormRecord(*record)) continue;
    renameFrom(begin, "T" + record->OldName, "T" + record->NewName);
    // The IDE finds a unit's form by the name in the comment of its uses entry.
    for (size_t i = uses; i < begin; ++i) {
      const auto line = static_cast<size_t>(working.LineMap[i]);
      if (line < file->lines.size())
        changed |= replaceFirstText(file->lines[line], "{" + record->OldName + "}",
                                    "{" + record->NewName + "}");
    }
  }
  if (changed) writer(project).save(project, *file, path);
}

void correctVariableCase(TProject& project, const std::string& unitPath, int fileLine,
                         const std::string& name, const std::string& expected) {
  renameRun(project).corrections[unitPath].push_back({fileLine, name, expected});
}

void saveVariableCorrections(TProject& project, const std::string& unitPath) {
  auto& corrections = renameRun(project).corrections;
  const auto found = corrections.find(unitPath);
  if (found == corrections.end()) return;
  const std::vector<Correction> waiting = std::move(found->second);
  corrections.erase(found);
  // The file as it stands: the renames of this run have already changed it.
  std::optional<TextFile> file = writer(project).read(project, unitPath);
  if (!file) return;
  int corrected = 0;
  for (const Correction& correction : waiting) {
    const auto line = static_cast<size_t>(correction.fileLine);
    if (line < file->lines.size() && correctLine(file->lines[line], correction)) ++corrected;
  }
  if (corrected > 0 && writer(project).save(project, *file, unitPath))
    countApplied(project, corrected);
}

int appliedNamingSuggestions(TProject& project) {
  return renameRun(project).applied;
}

}  // namespace sorvik
