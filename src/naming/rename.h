// The rename run: each chosen component rename is applied in its form, in its field
// declaration, in every unit of the project that refers to it and in the program file; the
// chosen variable-case corrections are applied to the lines they were found on.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "generic/text_file.h"

namespace sorvik {

class TProject;
class TCodeUnit;

// How the rename reads and writes a user's file. The layer that makes backups registers
// it: `read` refuses (with a message) a file that must not be changed, `save` backs the
// file up and writes it safely.
struct RenameWriter {
  std::function<std::optional<TextFile>(TProject&, const std::string& path)> read;
  std::function<bool(TProject&, const TextFile&, const std::string& path)> save;
};

// The renames of the unit walked (`CurrentFile` is its form's path while it has one): the
// form and the declarations for the records of its form, and the references in its lines
// for every record.
void ApplyRenames(TProject& project, TCodeUnit& unit);
// The program file's references to the renamed forms and components.
void RenameInProjectFile(TProject& project);

// Remembers a correction of a variable's case on a file line of a unit, written when the
// unit's walk ends.
void correctVariableCase(TProject& project, const std::string& unitPath, int fileLine,
                         const std::string& name, const std::string& expected);
// Writes the corrections remembered for the unit.
void saveVariableCorrections(TProject& project, const std::string& unitPath);
// The renames and corrections the rename run has written so far.
int appliedNamingSuggestions(TProject& project);

}  // namespace sorvik
