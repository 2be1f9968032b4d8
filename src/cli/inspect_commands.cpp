// inspect: the model one analyser makes of one file (or one line of text), as JSON.
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "cli/session.h"
#include "generic/encoding.h"
#include "generic/paths.h"
#include "generic/text_file.h"
#include "project/project.h"
#include "source/code_unit.h"
#include "source/global_vars.h"
#include "source/ifdef_handler.h"
#include "source/line_props.h"
#include "source/procedure_item.h"
#include "source/routine_walk.h"
#include "source/source_run_data.h"
#include "web/aspx_form.h"

namespace sorvik {

namespace {

using json = nlohmann::ordered_json;

// A list of texts: strings, or the views of a unit's line forms.
template <class Texts>
json textList(const Texts& lines) {
  json list = json::array();
  for (const auto& line : lines) list.push_back(toUtf8(line));
  return list;
}

json propsJson(const TLineProps& p) {
  return {{"HasAssign", p.HasAssign},
          {"HasColon", p.HasColon},
          {"HasEqual", p.HasEqual},
          {"HasString", p.HasString},
          {"HasDot", p.HasDot},
          {"EndsWithCall", p.EndsWithCall},
          {"HasDigit", p.HasDigit},
          {"HasParen", p.HasParen},
          {"HasPlus", p.HasPlus},
          {"HasMinus", p.HasMinus},
          {"HasComma", p.HasComma},
          {"HasPercent", p.HasPercent},
          {"HasLess", p.HasLess},
          {"HasGreater", p.HasGreater},
          {"IsEmpty", p.IsEmpty},
          {"OnlyDigitIsOne", p.OnlyDigitIsOne},
          {"HasStar", p.HasStar},
          {"HasSlash", p.HasSlash},
          {"HasBracket", p.HasBracket},
          {"HasCaret", p.HasCaret},
          {"EndsWithSemicolon", p.EndsWithSemicolon},
          {"StatementKind", p.StatementKind},
          {"AssignPos", p.AssignPos},
          {"ColonPos", p.ColonPos},
          {"EqualPos", p.EqualPos},
          {"StringEndPos", p.StringEndPos},
          {"DotPos", p.DotPos},
          {"PercentPos", p.PercentPos},
          {"CommaPos", p.CommaPos},
          {"AssignCount", p.AssignCount},
          {"ColonCount", p.ColonCount},
          {"EqualCount", p.EqualCount},
          {"StringCount", p.StringCount},
          {"DotCount", p.DotCount},
          {"PercentCount", p.PercentCount},
          {"CommaCount", p.CommaCount},
          {"CopyPos", p.CopyPos},
          {"Depth", p.Depth},
          {"CaseId", p.CaseId}};
}

json variablesJson(const TVariableList& list) {
  return {{"All", textList(list.All.NameList)},
          {"Integers", textList(list.Integers.NameList)},
          {"Floats", textList(list.Floats.NameList)},
          {"Strings", textList(list.Strings.NameList)},
          {"Booleans", textList(list.Booleans.NameList)},
          {"Others", textList(list.Others.NameList)}};
}

json routineJson(const TProcedureItem& routine) {
  const ConstantList constants = routine.allConstants();
  json body = json::array();
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const size_t index = static_cast<size_t>(routine.BeginLine) + 1 + k;
    json line = {{"index", index}, {"text", toUtf8(routine.Unit->CompactUpperLines[index])}};
    line.update(propsJson(routine.LineProps[k]));
    body.push_back(std::move(line));
  }
  return {{"Name", toUtf8(routine.Name)},
          {"ClassName", toUtf8(routine.ClassName)},
          {"Kind", routine.Kind},
          {"ReturnType", toUtf8(routine.ReturnType)},
          {"HeadingLine", routine.HeadingLine},
          {"BeginLine", routine.BeginLine},
          {"EndLine", routine.EndLine},
          {"Params", variablesJson(routine.Params)},
          {"Locals", variablesJson(routine.Locals)},
          {"AllVars", variablesJson(routine.AllVars)},
          {"ConstNames", textList(constants.Names)},
          {"ConstValues", textList(constants.Values)},
          {"Body", std::move(body)}};
}

// A unit as the walk of a scan sees it in its first variant: a project of just this file,
// its globals collected as pass 1 would, loaded and prepared as pass 2 does.
struct InspectedUnit {
  std::unique_ptr<TProject> project;
  std::unique_ptr<TIFDEFHandler> handler;
};

InspectedUnit inspectUnitFile(Session& session, const std::string& path) {
  InspectedUnit inspected;
  inspected.project = std::make_unique<TProject>(session.context());
  TProject& project = *inspected.project;
  project.CurrentFile = ResolvePath(toInternalPath(path));
  project.UnitFiles = {project.CurrentFile};
  project.UnitCount = 1;
  if (project.settings().CheckStringConst) {
    const TCodeUnitHeader* header =
        sourceRunData(project).Loader.LoadHeader(project.CurrentFile, project);
    if (header && header->HasImplementation) collectUnitGlobals(project, *header);
  }
  inspected.handler = std::make_unique<TIFDEFHandler>(project.CurrentFile, project);
  project.VariantCounter = inspected.handler->Current;
  prepareUnit(project, *inspected.handler);
  return inspected;
}

bool readable(const std::string& path) {
  if (readFileBytes(path)) return true;
  std::cerr << "The file " << path << " cannot be read\n";
  return false;
}

void print(const json& document) {
  std::cout << document.dump(2) << '\n';
}

int inspectUnit(Session& session, const std::string& path) {
  if (!readable(path)) return kExitUsage;
  const InspectedUnit inspected = inspectUnitFile(session, path);
  const TCodeUnit& unit = inspected.handler->unit();
  json lineMap = json::array();
  for (const int line : unit.LineMap) lineMap.push_back(line);
  print({{"file", toUtf8(unit.FilePath)},
         {"ImplLine", unit.ImplLine},
         {"LastLine", unit.LastLine},
         {"Lines", textList(unit.Lines)},
         {"UpperLines", textList(unit.UpperLines)},
         {"CompactLines", textList(unit.CompactLines)},
         {"CompactUpperLines", textList(unit.CompactUpperLines)},
         {"ScanLines", textList(unit.ScanLines)},
         {"LineMap", std::move(lineMap)},
         {"UsesList", textList(unit.UsesList)},
         {"errors", textList(inspected.project->Errors)}});
  return kExitOk;
}

int inspectRoutines(Session& session, const std::string& path) {
  if (!readable(path)) return kExitUsage;
  const InspectedUnit inspected = inspectUnitFile(session, path);
  TProject& project = *inspected.project;
  TCodeUnit& unit = inspected.handler->unit();
  json routines = json::array();
  walkRoutines(project, unit, unitConstants(project, unit),
               [&](TProcedureItem& routine, bool) { routines.push_back(routineJson(routine)); });
  print({{"file", toUtf8(unit.FilePath)},
         {"routines", std::move(routines)},
         {"errors", textList(project.Errors)}});
  return kExitOk;
}

// A field the object's class does not have is null.
json pageObjectJson(const TPageObject& object) {
  json kind = nullptr, tagName = nullptr, text = nullptr, attributes = nullptr;
  if (const auto* tag = dynamic_cast<const TAspxObj*>(&object)) {
    kind = tag->Kind;
    tagName = toUtf8(tag->TagName);
    text = toUtf8(tag->Text);
    attributes = json::array();
    for (const TAspxAttribute& attribute : tag->Attributes)
      attributes.push_back({toUtf8(attribute.Name), toUtf8(attribute.Value)});
  } else if (const auto* comment = dynamic_cast<const TAspxObjComment*>(&object)) {
    text = toUtf8(comment->Text);
  } else if (const auto* closing = dynamic_cast<const TAspxObjClosing*>(&object)) {
    kind = closing->Kind;
  }
  return {{"Class", pageObjectClassName(object)},
          {"Kind", kind},
          {"StartLine", object.StartLine},
          {"EndLine", object.EndLine},
          {"StartCol", object.StartCol},
          {"EndCol", object.EndCol},
          {"TagName", tagName},
          {"Text", text},
          {"Attributes", attributes}};
}

int inspectPage(Session&, const std::string& path) {
  if (!readable(path)) return kExitUsage;
  TAspxForm page(path);
  json objects = json::array();
  for (const PageObjectEntry& entry : page.Objects)
    objects.push_back(pageObjectJson(*entry.Object));
  print({{"file", toUtf8(page.FilePath)},
         {"objects", std::move(objects)},
         {"outline", textList(outlineTexts(page.Outline()))}});
  return kExitOk;
}

int inspectLine(Session&, const std::string& text) {
  print(propsJson(TLineProps(text, text)));
  return kExitOk;
}

}  // namespace

void addInspectCommands(CommandSetup& setup) {
  setup.inspectKinds.push_back({"unit", inspectUnit});
  setup.inspectKinds.push_back({"routines", inspectRoutines});
  setup.inspectKinds.push_back({"page", inspectPage});
  setup.inspectKinds.push_back({"line", inspectLine});

  auto kind = std::make_shared<std::string>();
  auto arg = std::make_shared<std::string>();
  auto* inspect =
      setup.app.add_subcommand("inspect", "print the model of one file or line as JSON");
  inspect->add_option("KIND", *kind, "unit, routines, form, page, line")->required();
  inspect->add_option("ARG", *arg, "the file (or, for line, the text)");
  inspect->callback([&setup, kind, arg] {
    for (const InspectKind& known : setup.inspectKinds) {
      if (known.name != *kind) continue;
      Session session(setup.options, false);
      setup.status = session.start() ? known.run(session, *arg) : kExitUsage;
      return;
    }
    std::cerr << "inspect: unknown kind " << *kind << '\n';
    setup.status = kExitUsage;
  });
}

}  // namespace sorvik
