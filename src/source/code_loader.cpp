#include "source/code_loader.h"

#include <algorithm>
#include <atomic>
#include <optional>
#include <utility>

#include "generic/strings.h"
#include "project/project.h"
#include "project/run_report.h"
#include "source/code_unit.h"
#include "source/unit_preparation.h"

namespace sorvik {

namespace {

// Prepared units kept from pass 1 for pass 2: a small project keeps all of them, a large one
// as many as fit, so that memory follows the largest unit rather than the project.
constexpr size_t kKeptBytes = size_t{32} << 20;
// How far the workers may run ahead of the walk: far enough that a large unit is begun
// while the walk is still busy with the units before it.
constexpr size_t kAheadItems = 64;
constexpr size_t kAheadBytes = size_t{40} << 20;

}  // namespace

PrepareOptions TCodeLoader::prepareOptions(TProject& project) {
  const TSettings& settings = project.settings();
  return {project.SearchMode,
          project.SearchMode && !project.Search.ignoreComments,
          settings.UseIfDefs,
          settings.DoIncludes,
          project.context().programFolder,
          project.LibraryPaths,
          &includeFiles_};
}

TCodeLoader::TCodeLoader() = default;
TCodeLoader::~TCodeLoader() = default;

void TCodeLoader::PlanUnits(const std::vector<std::string>& paths, TProject& project) {
  ahead_.reset();
  plan_.clear();
  planned_.clear();
  planNext_ = 0;
  const unsigned workers = workerCount(project.context().Jobs);
  if (paths.empty() || workers < 2) return;
  plan_.reserve(paths.size());
  for (const std::string& path : paths) {
    const std::string key = upperCase(path);
    PrepareTask task{path, false, {}};
    if (const auto found = records_.find(key); found != records_.end()) {
      const Record& record = found->second;
      if (record.header || record.failed)
        task.path.clear();  // nothing to prepare
      else
        task = {path, true, record.includes};
    }
    planned_.emplace(key, plan_.size());
    plan_.push_back(std::move(task));
  }
  // The workers share one preparation: it keeps no state of its own.
  const PrepareAhead::Work prepare = [this, options = prepareOptions(project)](
                                         size_t index, const std::atomic<bool>& cancel) {
    const PrepareTask& task = plan_[index];
    if (task.path.empty()) return PreparedUnit{};
    const auto knownMissing = [this](const std::string& name) {
      const std::lock_guard<std::mutex> hold(missingLock_);
      return missingIncludes_.contains(name);
    };
    return prepareCodeUnit(task, options, knownMissing, cancel);
  };
  const PrepareAhead::Limits limits{kAheadItems, kAheadBytes,
                                    [](const PreparedUnit& unit) { return unit.bytes; }};
  ahead_ =
      std::make_unique<PrepareAhead>(plan_.size(), workers, limits, [prepare] { return prepare; });
}

const TCodeUnitHeader* TCodeLoader::LoadHeader(const std::string& path, TProject& project) {
  transient_.reset();
  std::unique_ptr<TCodeUnitHeader> header = load(path, project);
  if (!header) return nullptr;
  Record& record = records_[upperCase(path)];
  if (keptBytes_ + record.bytes > kKeptBytes) {
    transient_ = std::move(header);
    return transient_.get();
  }
  keptBytes_ += record.bytes;
  record.header = std::move(header);
  return record.header.get();
}

void TCodeLoader::LoadUnit(TCodeUnit& unit) {
  transient_.reset();
  std::unique_ptr<TCodeUnitHeader> header = load(unit.FilePath, unit.Project);
  if (!header) return;
  static_cast<LineForms&>(unit) = std::move(static_cast<LineForms&>(*header));
  unit.SourceLines = std::move(header->SourceLines);
  unit.ImplLine = header->ImplLine;
}

std::unique_ptr<TCodeUnitHeader> TCodeLoader::load(const std::string& path, TProject& project) {
  const std::string key = upperCase(path);
  const auto [found, fresh] = records_.try_emplace(key);
  Record& record = found->second;
  if (record.header) {
    keptBytes_ -= record.bytes;
    return std::move(record.header);
  }
  if (record.failed) return nullptr;
  if (std::optional<PreparedUnit> planned = takePlanned(key, !fresh, project)) {
    if (!planned->cancelled) return accept(std::move(*planned), !fresh, project, record);
    if (fresh) records_.erase(found);  // never prepared: a later load starts afresh
    return nullptr;
  }
  return accept(prepare(path, !fresh, record, project), !fresh, project, record);
}

std::optional<PreparedUnit> TCodeLoader::takePlanned(const std::string& key, bool again,
                                                     TProject& project) {
  if (!ahead_) return std::nullopt;
  const auto position = planned_.find(key);
  if (position == planned_.end() || position->second < planNext_) return std::nullopt;
  const size_t index = position->second;
  planNext_ = index + 1;
  std::optional<PreparedUnit> item = ahead_->take(index, [&project] {
    project.pollEvents();
    return project.StopRequested;
  });
  if (!item) {  // the run was stopped while it waited
    PreparedUnit stopped;
    stopped.cancelled = true;
    return stopped;
  }
  const PrepareTask& task = plan_[index];
  if (item->cancelled || task.path.empty() || task.again != again) return std::nullopt;
  // A worker looks a name up that the walk, taking the units in order, may since have
  // looked for in vain; the walk would not look for it again, so neither may this unit.
  for (const auto& [name, file] : item->includes) {
    if (!again && !file.empty() && missingIncludes_.contains(name)) return std::nullopt;
  }
  return item;
}

PreparedUnit TCodeLoader::prepare(const std::string& path, bool again, const Record& record,
                                  TProject& project) {
  const PrepareTask task{path, again, again ? record.includes : decltype(record.includes){}};
  const std::atomic<bool> never{false};
  // Only this thread writes the names, so reading them here needs no lock.
  const auto knownMissing = [this](const std::string& name) {
    return missingIncludes_.contains(name);
  };
  return prepareCodeUnit(task, prepareOptions(project), knownMissing, never);
}

std::unique_ptr<TCodeUnitHeader> TCodeLoader::accept(PreparedUnit prepared, bool again,
                                                     TProject& project, Record& record) {
  // A unit prepared again reports nothing: its first preparation did.
  if (!again) {
    for (PrepareEvent& event : prepared.events) {
      if (!event.missingName.empty()) {
        {
          const std::lock_guard<std::mutex> hold(missingLock_);
          missingIncludes_.insert(event.missingName);
        }
        if (!reportedMissing_.insert(event.error).second) continue;
      }
      project.addError(std::move(event.error));
    }
    project.report().Counts.Comments += prepared.comments;
    record.includes = std::move(prepared.includes);
  }
  if (!prepared.header) {
    record.failed = true;
    return nullptr;
  }
  record.bytes = prepared.bytes;
  return std::move(prepared.header);
}

}  // namespace sorvik
