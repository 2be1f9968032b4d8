// One form: its text lines and the objects read from them, one per component
// declaration, in file order. Results of its checks are held until the form is finished.
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "formanalysis/form_lines.h"
#include "formanalysis/form_objects.h"
#include "project/project.h"
#include "project/result.h"

namespace sorvik {

struct TCounts;

struct FormObjectEntry {
  std::string Name;
  std::unique_ptr<TFormObject> Object;
};

// An object line, "object Name: TClass" or "inherited Name: TClass", with the class as
// written after its "T" (a position such as " [2]" included).
struct ObjectLine {
  std::string name;
  std::string className;
};
std::optional<ObjectLine> parseObjectLine(std::string_view line);

class TFormCode : public ResultOwner {
 public:
  explicit TFormCode(std::vector<std::string> lines) : Lines(std::move(lines)) {}

  std::string FileName;  // without folder; for a form of an executable, the resource name
  std::string FilePath;
  std::string FormName;  // the name of the first object
  FormLines Lines;
  std::vector<FormObjectEntry> Objects;
  TProject* Project = nullptr;  // where results and notes go
  sorvik::PendingHints PendingHints;
  // Read from a binary form file, which is never written back as text: its results carry
  // no replacement lines.
  bool Binary = false;

  // Builds the objects. With `checks`, and unless the run is one that reports nothing
  // on forms, every line that is not an object line goes through CheckLine.
  void ReadObjects(bool checks);
  // The checks of one line (trimmed) that is not an object line.
  void CheckLine(int line, const std::string& text);
  // The checks of the objects.
  void RunFormHints();
  // Reports the held results in line order.
  void FlushHints();

  Kind ownerKind() const override { return Kind::Form; }
  sorvik::PendingHints* pendingHints() override { return &PendingHints; }

 private:
  TFormObject& append(std::string name, std::unique_ptr<TFormObject> object,
                      std::vector<TFormObject*>& enclosing);
};

// What the forms of a run have noted in the project's lists, so that each note is made
// once however many forms a project has.
struct FormNotes : RunData {
  std::set<std::string> unrecognised;  // the not-recognised entries, upper-cased
  std::set<std::string> partlyRecognised;
  std::optional<std::set<std::string>> classStems;  // of the naming settings, lower case
};

// Appends a note to the project's partly-recognised list unless it is there already.
void addPartlyRecognisedNote(TProject& project, std::string note);

// Every object of the form adds one to its kind in the statistics.
void CountFormObjects(TCounts& counts, const TFormCode& form);

}  // namespace sorvik
