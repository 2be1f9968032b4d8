// The open project: its file lists, the mode flags of the current run, the run state
// and the report.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "generic/text_file.h"
#include "project/app_context.h"
#include "project/run_observer.h"
#include "project/run_report.h"

namespace sorvik {

// What the walk of a search run needs of the search; the search layer sets it when the run
// starts.
struct SearchWalk {
  bool coversCode = true;   // the scope is "Source code" or "All Files"
  bool coversForms = true;  // the scope is "Forms" or "All Files"
  bool byRoutines = false;  // a variable-expression search, run on each routine
  bool ignoreComments = true;
  std::function<bool()> full;  // the hits have reached the search's limit
  // A search of the units' lines that reads the units itself, in place of the unit walk:
  // told the units in the walk's order before the walk (and an empty list after it), then
  // given each unit in turn (false ends the walk).
  std::function<void(TProject&, const std::vector<std::string>& paths)> planLines;
  std::function<bool(TProject&, bool isProjectFile)> walkLines;
  // Reads and searches the form at the path (`CurrentFile` once resolved).
  std::function<void(TProject&, const std::string& path)> searchForm;

  bool isFull() const { return full && full(); }
};

// Per-run data that higher layers keep on the project (forms read in pass 1, cross-unit
// collections, naming lists, ...). Made on first use, freed by ResetProject.
class RunData {
 public:
  virtual ~RunData() = default;
};

class TProject {
 public:
  explicit TProject(AppContext& context, std::string projectPath = "");
  ~TProject();
  TProject(const TProject&) = delete;
  TProject& operator=(const TProject&) = delete;

  AppContext& context() { return context_; }
  const TSettings& settings() const { return context_.settings; }
  RunObserver& observer();
  RunReport& report() { return *Report; }

  // Frees the report and the per-run collections and makes them afresh.
  void ResetProject();

  template <class T>
  T& runData() {
    auto& slot = runData_[std::type_index(typeid(T))];
    if (!slot) slot = std::make_unique<T>();
    return static_cast<T&>(*slot);
  }
  // The run's data of that kind when the run made it, else none.
  template <class T>
  const T* findRunData() const {
    const auto found = runData_.find(std::type_index(typeid(T)));
    return found == runData_.end() ? nullptr : static_cast<const T*>(found->second.get());
  }
  // Data that outlives the runs and the resets of one project (the naming suggestions that
  // a later rename run applies). Made on first use, freed with the project.
  template <class T>
  T& projectData() {
    auto& slot = projectData_[std::type_index(typeid(T))];
    if (!slot) slot = std::make_unique<T>();
    return static_cast<T&>(*slot);
  }

  // Adds a line to Errors.
  void addError(std::string line) { Errors.push_back(std::move(line)); }
  // Shows the file being analysed and lets the front end process its events; a stop
  // request sets StopRequested.
  void pollEvents();

  std::string ProjectPath;
  std::vector<std::string> UnitFiles, FormFiles, WebFiles;
  int UnitCount = 0, FormCount = 0, WebCount = 0;
  std::vector<std::string> LibraryPaths;

  bool OverviewMode = false, SearchMode = false, SpellMode = false, ExeMode = false;
  bool NamingMode = false, VarCaseMode = false, RenameMode = false, RewriteMode = false;
  bool StopRequested = false, ScanDone = false;

  std::vector<std::string> Errors;
  std::vector<std::string> UnrecognisedObjects, PartlyRecognisedObjects;
  std::vector<std::string> FormNames;
  std::string CurrentFile;
  // Conditional-compilation variant counter of the unit being walked (0: no variants).
  int VariantCounter = 0;
  // The search covers source code and the current unit is a project file (".dpr").
  bool IsProjectFile = false;
  SearchWalk Search;

  // Applying changes: the backup folder of the current change run, the user's consent,
  // and the file as it was before the last applied suggestion.
  std::string BackupFolder;
  bool ChangesApplied = false;
  std::optional<TextFile> UndoLines;
  std::string UndoFile;
  int UndoLine = 0, AppliedIndex = -1, LineDelta = 0;
  std::vector<size_t> UndoMoved;  // the results the last applied suggestion moved
  // Whether a bulk change run writes files outside the project file's folder tree.
  enum class OutsideFiles { Refuse, Ask, Allow };
  OutsideFiles Outside = OutsideFiles::Refuse;

  std::unique_ptr<RunReport> Report;

 private:
  AppContext& context_;
  std::unordered_map<std::type_index, std::unique_ptr<RunData>> runData_;
  std::unordered_map<std::type_index, std::unique_ptr<RunData>> projectData_;
};

}  // namespace sorvik
