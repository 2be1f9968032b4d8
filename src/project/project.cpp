#include "project/project.h"

#include "project/project_files.h"

namespace sorvik {

namespace {

// Stands in when the front end follows nothing.
RunObserver& silentObserver() {
  static RunObserver observer;
  return observer;
}

}  // namespace

TProject::TProject(AppContext& context, std::string projectPath)
    : ProjectPath(std::move(projectPath)), context_(context) {
  LibraryPaths = LibraryFolders(context_.config);
  ResetProject();
}

TProject::~TProject() = default;

RunObserver& TProject::observer() {
  return context_.observer ? *context_.observer : silentObserver();
}

void TProject::ResetProject() {
  runData_.clear();
  Report = context_.makeReport(*this);
  Errors.clear();
  UnrecognisedObjects.clear();
  PartlyRecognisedObjects.clear();
  FormNames.clear();
  ScanDone = false;
  // The results the last applied suggestion moved are gone: it can no longer be undone.
  UndoLines.reset();
  UndoFile.clear();
  UndoMoved.clear();
  AppliedIndex = -1;
}

void TProject::pollEvents() {
  if (observer().processEvents()) StopRequested = true;
}

}  // namespace sorvik
