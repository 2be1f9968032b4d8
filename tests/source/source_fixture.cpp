#include "source_fixture.h"

#include "generic/strings.h"
#include "source/code_loader.h"
#include "source/global_vars.h"
#include "source/routine_walk.h"
#include "source/source_run_data.h"

namespace sorvik::test {

SourceFixture::SourceFixture()
    : context_(makeContext(home_, &prompter_, &observer_)),
      project_(std::make_unique<TProject>(*context_, home_.path() + "Project.svk")) {}

std::string SourceFixture::write(const std::string& name, const std::vector<std::string>& lines) {
  return home_.write(name, join(lines, "\r\n") + "\r\n");
}

std::string SourceFixture::addUnit(const std::string& name, const std::vector<std::string>& lines) {
  const std::string path = write(name, lines);
  project_->UnitFiles.push_back(path);
  project_->UnitCount = static_cast<int>(project_->UnitFiles.size());
  return path;
}

std::unique_ptr<TIFDEFHandler> SourceFixture::load(const std::string& path) {
  TProject& project = *project_;
  project.CurrentFile = path;
  if (project.settings().CheckStringConst) {
    for (const std::string& unit : project.UnitFiles) {
      project.CurrentFile = unit;
      const TCodeUnitHeader* header = sourceRunData(project).Loader.LoadHeader(unit, project);
      if (header && header->HasImplementation) collectUnitGlobals(project, *header);
    }
    project.CurrentFile = path;
  }
  auto handler = std::make_unique<TIFDEFHandler>(path, project);
  project.VariantCounter = handler->Current;
  prepareUnit(project, *handler);
  return handler;
}

std::vector<RoutineSnapshot> SourceFixture::routines(TIFDEFHandler& handler) {
  TProject& project = *project_;
  TCodeUnit& unit = handler.unit();
  project.VariantCounter = handler.Current;
  std::vector<RoutineSnapshot> found;
  walkRoutines(project, unit, unitConstants(project, unit), [&](TProcedureItem& r, bool) {
    RoutineSnapshot s;
    s.name = r.Name;
    s.className = r.ClassName;
    s.returnType = r.ReturnType;
    s.kind = r.Kind;
    s.headingLine = r.HeadingLine;
    s.beginLine = r.BeginLine;
    s.endLine = r.EndLine;
    s.params = r.Params.All.NameList;
    s.locals = r.Locals.All.NameList;
    s.allVars = r.AllVars.All.NameList;
    const ConstantList constants = r.allConstants();
    s.constNames = constants.Names;
    s.constValues = constants.Values;
    for (size_t k = 0; k < r.LineProps.size(); ++k) {
      const size_t i = static_cast<size_t>(r.BeginLine) + 1 + k;
      s.body.emplace_back(unit.CompactUpperLines[i]);
      s.fileLines.push_back(unit.LineMap[i]);
    }
    s.props = r.LineProps;
    found.push_back(std::move(s));
  });
  return found;
}

std::vector<RoutineSnapshot> SourceFixture::routines(const std::string& path) {
  auto handler = load(path);
  return routines(*handler);
}

}  // namespace sorvik::test
