// convert: the text of a form file or of the forms of an executable; the form kind of
// inspect: the model of one form as JSON.
#include <exception>
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/session.h"
#include "formanalysis/component_kinds.h"
#include "formanalysis/executable_reader.h"
#include "formanalysis/form_code.h"
#include "formanalysis/form_file_reader.h"
#include "generic/encoding.h"
#include "generic/paths.h"
#include "project/project.h"

namespace sorvik {

namespace {

using json = nlohmann::ordered_json;

void printLines(const std::vector<std::string>& lines) {
  for (const auto& line : lines) std::cout << line << '\n';
}

// The form text of a file, or none with the message on stderr.
std::optional<std::vector<std::string>> formText(Session& session, const std::string& path) {
  Prompter& prompter = *session.context().prompter;
  if (!fileExists(path)) {
    prompter.showError("File could not be found.\r\r" + path);
    return std::nullopt;
  }
  return ReadFormText(path, &prompter);
}

int runConvert(const GlobalOptions& options, const std::string& path) {
  Session session(options, false);
  if (!session.start()) return kExitUsage;
  const auto lines = formText(session, path);
  if (!lines) return kExitUsage;
  printLines(*lines);
  return kExitOk;
}

int runConvertExecutable(const GlobalOptions& options, const std::string& path,
                         const std::string& resourceName) {
  Session session(options, false);
  if (!session.start()) return kExitUsage;
  AppContext& context = session.context();
  try {
    LoadExecutableForms(context, path);
  } catch (const std::exception& failure) {
    context.prompter->showError(failure.what());
    return kExitUsage;
  }
  const TResourceInfo& resources = context.service<TResourceInfo>();
  if (resourceName.empty()) {
    for (int i = 0; i < resources.Count(); ++i) std::cout << resources.Item(i).Name << '\n';
    return kExitOk;
  }
  const TDfm* form = resources.find(resourceName);
  if (!form) {
    context.prompter->showError("No form resource named " + resourceName + " in " + path);
    return kExitUsage;
  }
  printLines(form->Lines);
  return kExitOk;
}

json text(const std::string& value) {
  return toUtf8(value);
}

json propertyJson(const KeptProperty& property) {
  return std::visit(
      [](const auto& value) -> json {
        using Value = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<Value, TFormProperty>) {
          return {{"Value", text(value.Value)}, {"Line", value.Line}};
        } else if constexpr (std::is_same_v<Value, TFormBoolProperty>) {
          return {{"Value", value.Value}, {"Line", value.Line}};
        } else if constexpr (std::is_same_v<Value, TFormItemTexts>) {
          json texts = json::array();
          for (const auto& item : value.Texts) texts.push_back(text(item));
          return {{"Items", texts}, {"Lines", value.Lines}};
        } else {
          json items = nullptr;
          if (value && value->Items) {
            items = json::array();
            for (const auto& item : *value->Items) items.push_back(text(item));
          }
          return {{"Items", items}, {"Line", value ? value->Line : 0}};
        }
      },
      property.Value);
}

json objectJson(TProject& project, const TFormCode& form, const TFormObject& object) {
  json properties = json::object();
  if (const TFormVisualObject* visual = object.visual()) {
    properties["Hint"] = {{"Hint", text(visual->Hint.Hint)},
                          {"Line", visual->Hint.Line},
                          {"ShowHint", visual->Hint.ShowHint},
                          {"ParentShowHint", visual->Hint.ParentShowHint}};
    properties["ParentFont"] = {{"Value", visual->ParentFont.Value},
                                {"Line", visual->ParentFont.Line}};
  }
  for (const auto& property : object.Properties)
    properties[std::string(property.Name)] = propertyJson(property);
  const auto opening = parseObjectLine(form.Lines[object.StartLine]);
  return {{"Class", text(opening ? opening->className : "")},
          {"Kind", object.Kind},
          {"KindName", ComponentKindName(project, object.Kind)},
          {"Name", text(object.Name)},
          {"StartLine", object.StartLine},
          {"EndLine", object.EndLine},
          {"Parent", object.Parent ? json(text(object.Parent->Name)) : json(nullptr)},
          {"PropIndent", object.PropIndent},
          {"HasAction", object.HasAction},
          {"properties", properties}};
}

json textList(const std::vector<std::string>& values) {
  json list = json::array();
  for (const auto& value : values) list.push_back(text(value));
  return list;
}

int runInspectForm(Session& session, const std::string& path) {
  auto lines = formText(session, path);
  if (!lines) return kExitUsage;
  TProject project(session.context());
  project.CurrentFile = path;
  TFormCode form(std::move(*lines));
  form.FileName = fileNameOf(path);
  form.FilePath = path;
  form.Project = &project;
  form.ReadObjects(false);
  json objects = json::array();
  for (const auto& entry : form.Objects)
    objects.push_back(objectJson(project, form, *entry.Object));
  const json document = {{"FormName", text(form.FormName)},
                         {"objects", objects},
                         {"unrecognised", textList(project.UnrecognisedObjects)},
                         {"partlyRecognised", textList(project.PartlyRecognisedObjects)},
                         {"errors", textList(project.Errors)}};
  std::cout << document.dump(2) << '\n';
  return kExitOk;
}

}  // namespace

void addFormCommands(CommandSetup& setup) {
  struct ConvertOptions {
    std::string file, executable, resource;
  };
  auto convert = std::make_shared<ConvertOptions>();
  auto* command = setup.app.add_subcommand(
      "convert", "print the text of a form file, or the forms of an executable");
  command->add_option("FORMFILE", convert->file, "a form file (.dfm, .nfm), binary or text");
  command->add_option("--exe", convert->executable, "an executable with form resources");
  command->add_option("--resource", convert->resource, "with --exe: the resource to print");
  command->callback([&setup, convert] {
    if (convert->executable.empty() == convert->file.empty())
      throw CLI::ValidationError("convert", "give either FORMFILE or --exe FILE");
    setup.status =
        convert->executable.empty()
            ? runConvert(setup.options, convert->file)
            : runConvertExecutable(setup.options, convert->executable, convert->resource);
  });
  setup.inspectKinds.push_back({"form", runInspectForm});
}

}  // namespace sorvik
