// The long-lived services of one application: the program folder, config.ini, the
// settings and the analysers registered by the higher layers. Nothing here is global,
// so two contexts (two tests) never see each other.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "project/config.h"
#include "project/settings.h"

namespace sorvik {

class TProject;
class RunReport;
class RunObserver;
class Prompter;

// The analysers of a run, attached by the layers that build them. An empty hook is
// passed over, so a run walks every file even before the analysers exist.
struct ScanHooks {
  // Before each pass over the units: the resolved paths it will walk, in its order, so that
  // they can be prepared ahead; an empty list after the pass.
  std::function<void(TProject&, const std::vector<std::string>& paths)> planUnits;
  // Pass 1 for the unit `CurrentFile`: header, companion form, globals.
  std::function<void(TProject&, std::vector<std::string>& pendingForms)> collectUnit;
  // After pass 1: the collections the statement checks read across units.
  std::function<void(TProject&)> buildCrossUnitCollections;
  // Pass 2 for the unit `CurrentFile`; false ends the unit walk.
  std::function<bool(TProject&, bool isProjectFile)> walkUnit;
  // After the units, in the order attached; each tests the run's mode itself (the renames
  // of a rename run, the project discussion of an overview).
  std::vector<std::function<void(TProject&)>> afterUnits;
  // Pass 1, after the unit's header has loaded: finds, analyses and keeps the unit's
  // companion form (removing it from `pendingForms`) and counts its objects.
  std::function<void(TProject&, std::vector<std::string>& pendingForms)> analyseCompanionForm;
  // Reads and analyses one form file (`countObjects`: pass 1 counts its objects).
  std::function<void(TProject&, const std::string& path, bool runChecks, bool countObjects)>
      analyseForm;
  // In a run on an executable: spells the forms of the executable loaded last.
  std::function<void(TProject&)> scanExecutable;
  // Reads and analyses one web page.
  std::function<void(TProject&, const std::string& path)> analysePage;
  // Empties the naming suggestion lists of a previous naming run.
  std::function<void(TProject&)> clearNamingLists;
  // In a rename run: the display line is one of the naming suggestion lines.
  std::function<bool(TProject&, const std::string& display)> isNamingSuggestionLine;
};

struct AppContext {
  std::string programFolder;  // with a trailing "/"
  unsigned Jobs = 0;          // worker threads of a run; 0: one per processor core
  Config config;
  TSettings settings;
  ScanHooks hooks;
  std::function<std::unique_ptr<RunReport>(TProject&)> makeReport;
  RunObserver* observer = nullptr;
  Prompter* prompter = nullptr;

  // A long-lived service that one layer defines and higher layers fill (for example the
  // analysers the routine builder runs on every routine), made on first use.
  template <class T>
  T& service() {
    auto& slot = services_[std::type_index(typeid(T))];
    if (!slot) slot = std::make_shared<T>();
    return *static_cast<T*>(slot.get());
  }

 private:
  std::unordered_map<std::type_index, std::shared_ptr<void>> services_;
};

}  // namespace sorvik
