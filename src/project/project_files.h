// Readers of every accepted project format. Each appends the full paths of the files a
// project names to `files` (forward slashes, ".." kept until a run resolves it) and
// returns whether the project file could be read; `ClassifyFiles` then keeps the
// existing units, forms and pages.
#pragma once

#include <string>
#include <vector>

namespace sorvik {

class TProject;

bool ReadOwnProject(const std::string& path, std::vector<std::string>& files);
bool WriteOwnProject(const std::string& path, const std::vector<std::string>& files);
bool ReadProgram(TProject& project, const std::string& path, std::vector<std::string>& files);
bool ReadPackage(TProject& project, const std::string& path, std::vector<std::string>& files);
bool ReadGroup(TProject& project, const std::string& path, std::vector<std::string>& files);
bool ReadCppProject(const std::string& path, std::vector<std::string>& files);
bool ReadIdeProject(TProject& project, const std::string& path, std::vector<std::string>& files);
bool ReadSolution(TProject& project, const std::string& path, std::vector<std::string>& files);

// The uses entries of a program or package ("Unit1 in 'Unit1.pas'") with their form
// candidates.
void AddUsesEntries(const std::string& projectPath, const std::vector<std::string>& lines,
                    std::vector<std::string>& files);

// Fills UnitFiles, FormFiles and WebFiles (and their counts) from `files`, consuming it.
void ClassifyFiles(TProject& project, std::vector<std::string>& files);

// The project's ".dpr" files appended to UnitFiles (search runs).
void GroupProgramFiles(TProject& project);

// Library folders from [General] DelphiLibrary.
std::vector<std::string> LibraryFolders(const class Config& config);
// The IDE number: [General] UseDelphiVersion (-1: none found).
int IdeVersion(const class Config& config);

// Reads the project file with the reader its extension calls for; false when the reader
// reports failure.
bool ReadProjectFile(TProject& project, const std::string& path, std::vector<std::string>& files);

}  // namespace sorvik
