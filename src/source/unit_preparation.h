// Preparing one unit apart from the run, so that it can happen on any thread: what the
// preparation would report (errors, missing include files, counted comments) is kept with
// its result for the run to take over in the walk's order.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace sorvik {

struct TCodeUnitHeader;
class IncludeFiles;

// What every preparation of a run reads; fixed while the run lasts.
struct PrepareOptions {
  bool searching = false;     // a search keeps includes and directives as they are
  bool keepComments = false;  // a search that looks into comments
  bool useIfDefs = false;
  bool doIncludes = false;
  std::string workingFolder;
  std::vector<std::string> libraryFolders;
  IncludeFiles* includeFiles = nullptr;  // the run's, shared by its preparations
};

struct PrepareTask {
  std::string path;
  // Prepare again as an earlier preparation did: its include choices, nothing reported.
  bool again = false;
  std::unordered_map<std::string, std::string> includes;  // when `again`
};

// One line for the run's Errors; with `missingName`, the include name that was not found
// (the line is written once per run).
struct PrepareEvent {
  std::string error;
  std::string missingName;
};

struct PreparedUnit {
  std::unique_ptr<TCodeUnitHeader> header;                // null when the file cannot be prepared
  std::vector<PrepareEvent> events;                       // in the order they happened
  int comments = 0;                                       // comments blanked, include files' too
  std::unordered_map<std::string, std::string> includes;  // name -> file chosen ("": none)
  size_t bytes = 0;                                       // what the header holds
  bool cancelled = false;                                 // given up half way
};

// Prepares `task`. `knownMissing` tells which include names the run has already looked for
// in vain (they are not looked for again); `cancel` gives the preparation up.
PreparedUnit prepareCodeUnit(const PrepareTask& task, const PrepareOptions& options,
                             const std::function<bool(const std::string&)>& knownMissing,
                             const std::atomic<bool>& cancel);

}  // namespace sorvik
