// Reading a unit for a run: comments blanked, includes expanded, the implementation's type
// declarations hidden, every line in its five forms. What the first preparation of a unit
// reports (errors, counted comments) goes to the run once, in the order the walk reaches the
// units, however many workers prepare them ahead of the walk. Prepared units are kept
// between the passes while they fit a fixed budget; the others are prepared again, with the
// include files the first preparation chose, when the walk reaches them.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "generic/work_ahead.h"
#include "source/include_files.h"
#include "source/line_forms.h"
#include "source/unit_preparation.h"

namespace sorvik {

// Prepares the planned units on worker threads ahead of the walk.
using PrepareAhead = WorkAhead<PreparedUnit>;

class TProject;
class TCodeUnit;

struct TCodeUnitHeader : LineForms {
  std::string FilePath;
  std::vector<std::string> SourceLines;  // the file's lines as read
  int ImplLine = 0;  // the last line whose scan form is "IMPLEMENTATION"; 0 when none
  bool HasImplementation = false;
};

class TCodeLoader {
 public:
  TCodeLoader();
  ~TCodeLoader();
  TCodeLoader(const TCodeLoader&) = delete;
  TCodeLoader& operator=(const TCodeLoader&) = delete;

  // The units the walk is about to read, in its order (resolved paths): with more than one
  // job they are prepared ahead on worker threads. An empty list ends the preparing.
  void PlanUnits(const std::vector<std::string>& paths, TProject& project);
  // The prepared header of `path`, or null when the file cannot be prepared (the errors then
  // went to the project's Errors once). Valid until the loader's next call.
  const TCodeUnitHeader* LoadHeader(const std::string& path, TProject& project);
  // Fills `unit` from the header of its path; a unit without one keeps empty lists. The
  // header is handed over, not copied.
  void LoadUnit(TCodeUnit& unit);

 private:
  // What has been learnt about one path.
  struct Record {
    std::unique_ptr<TCodeUnitHeader> header;                // kept for the next load, or null
    size_t bytes = 0;                                       // what the kept header holds
    bool failed = false;                                    // the file could not be prepared
    std::unordered_map<std::string, std::string> includes;  // include name -> file chosen
  };

  // The header of `path`, handed over: the kept one, or a new preparation whose reports
  // went to the run when it is the path's first (`again` otherwise).
  std::unique_ptr<TCodeUnitHeader> load(const std::string& path, TProject& project);
  // The workers' preparation of the path with upper-cased `key` when it is planned and
  // stands as the walk, in order, would have made it; a cancelled one when the run was
  // stopped while waiting for it.
  std::optional<PreparedUnit> takePlanned(const std::string& key, bool again, TProject& project);
  PrepareOptions prepareOptions(TProject& project);
  PreparedUnit prepare(const std::string& path, bool again, const Record& record,
                       TProject& project);
  std::unique_ptr<TCodeUnitHeader> accept(PreparedUnit prepared, bool again, TProject& project,
                                          Record& record);

  std::unordered_map<std::string, Record> records_;  // by upper path
  std::unique_ptr<TCodeUnitHeader> transient_;       // the last header not kept
  size_t keptBytes_ = 0;
  std::mutex missingLock_;  // workers read the names, the walk's thread writes them
  std::unordered_set<std::string> missingIncludes_;
  std::unordered_set<std::string> reportedMissing_;
  std::vector<PrepareTask> plan_;
  std::unordered_map<std::string, size_t> planned_;  // upper path -> position in plan_
  size_t planNext_ = 0;
  IncludeFiles includeFiles_;  // before the workers that read it, so that it outlives them
  std::unique_ptr<PrepareAhead> ahead_;
};

}  // namespace sorvik
