// One routine of a unit's implementation: heading, begin and end lines, parameters, locals
// and constants, and one line record per body line in a normalised shape (one statement
// per line as far as the builder's rules reach).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "project/result.h"
#include "source/constant_substitution.h"
#include "source/line_props.h"
#include "source/variables.h"

namespace sorvik {

class TProject;
class TCodeUnit;

class TProcedureItem : public ResultOwner {
 public:
  explicit TProcedureItem(TCodeUnit& unit) : Unit(&unit) {}

  std::string Name;        // after the last "." of the heading's name, upper case
  std::string ClassName;   // before the last ".", upper case; "" when none
  std::string ReturnType;  // a function's result type, upper case
  int HeadingLine = -1;    // -1: no routine was found
  int HeadingEnd = -1;     // the heading's last line, its directives included
  int BeginLine = -1;      // the routine's own BEGIN, after its nested routines
  // The BEGIN line itself, where the declarations end: the checks move BeginLine past
  // leading empty statements.
  int DeclarationsEnd = -1;
  int EndLine = -1;
  // The heading and final "END;" lines of the routines declared inside this one; they lie
  // between HeadingEnd and BeginLine and were built before it.
  std::vector<std::pair<int, int>> Nested;
  // The headings of the routines that hold this one and whose bodies follow it, outermost
  // first (what the walk needs to build them after their nested routines).
  std::vector<int> Enclosing;
  int Kind = 5;  // 0 function, 1 procedure, 2 constructor, 3 destructor, 5 none
  sorvik::PendingHints PendingHints;
  TVariableList Params;  // with the function's name and "RESULT" for functions
  TVariableList Locals;
  TVariableList AllVars;
  // The constants substituted in the body, in this order: the routine's own, then the
  // constants of the unit and of the units it uses (shared by the unit's routines).
  ConstantTable LocalConsts;
  std::shared_ptr<const ConstantTable> UnitConsts;
  bool HasLocalConsts = false;
  // Statement k is processed line BeginLine + 1 + k; the lists below have one entry each.
  std::vector<TLineProps> LineProps;
  std::vector<std::string> StringTargets, IntegerTargets, FloatTargets;
  TCodeUnit* Unit;

  bool found() const { return HeadingLine >= 0; }
  // The line belongs to one of the routines declared inside this one.
  bool inNestedRoutine(int line) const;
  // Every constant of the routine in order, as one list.
  ConstantList allConstants() const;

  ResultOwner::Kind ownerKind() const override { return ResultOwner::Kind::Routine; }
  int mapLine(int processedLine) const override;
  bool isIncludeLine(int processedLine) const override;
  sorvik::PendingHints* pendingHints() override { return &PendingHints; }
};

// The type class that StartsWithVariable looks for: one class, "other" types, or any of
// string, integer, floating-point and other in that order.
enum class VariableClass { String, Integer, Float, Other, Any };

// The variable of `variableClass` that `text` begins with, followed by a character that is
// not a letter, digit or "_" (or nothing): locals first, then parameters. With `ignoreCase`
// the declared spelling is returned, else the upper-case name. "" when none.
std::string StartsWithVariable(const TProcedureItem& routine, std::string_view text,
                               bool ignoreCase, VariableClass variableClass);

}  // namespace sorvik
