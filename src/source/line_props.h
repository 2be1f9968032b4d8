// What one body line of a routine holds, worked out once so that the checks read a record
// instead of scanning the text again.
#pragma once

#include <string_view>

namespace sorvik {

// The heading kind of a compact upper-case line: 0 function, 1 procedure, 2 constructor,
// 3 destructor, 5 anything else ("CLASS PROCEDURE ..." included).
int RoutineKind(std::string_view text);

struct TLineProps {
  TLineProps() = default;
  // Analyses `text` with `key` as its upper-case form; a "<NOSCAN>" key with an empty text
  // makes the placeholder record, every field false or 0.
  TLineProps(std::string_view text, std::string_view key);

  bool HasAssign = false;
  bool HasColon = false;
  bool HasEqual = false;
  bool HasString = false;
  bool HasDot = false;
  bool EndsWithCall = false;
  bool HasDigit = false;
  bool HasParen = false;
  bool HasPlus = false;
  bool HasMinus = false;
  bool HasComma = false;
  bool HasPercent = false;
  bool HasLess = false;
  bool HasGreater = false;
  bool IsEmpty = false;
  bool OnlyDigitIsOne = false;
  bool HasStar = false;
  bool HasSlash = false;
  bool HasBracket = false;
  bool HasCaret = false;
  bool EndsWithSemicolon = false;
  int StatementKind = 0;
  int AssignPos = 0;
  int ColonPos = 0;
  int EqualPos = 0;
  int StringEndPos = 0;
  int DotPos = 0;
  int PercentPos = 0;
  int CommaPos = 0;
  int AssignCount = 0;
  int ColonCount = 0;
  int EqualCount = 0;
  int StringCount = 0;
  int DotCount = 0;
  int PercentCount = 0;
  int CommaCount = 0;
  int CopyPos = 0;
  // Set by the routine builder: the line's nesting depth in the body and the number of the
  // CASE statement around it (from 1 in the routine; 0 outside any).
  int Depth = 0;
  int CaseId = 0;

 private:
  void scanCharacters(std::string_view text, size_t from);
};

// The placeholder record of a line that must not be checked.
TLineProps noScanProps();

// Statement kinds the builder and the checks name.
enum StatementKinds {
  kBeginLine = 1,
  kEndLine = 2,
  kEndSemicolonLine = 3,
  kTryLine = 4,
  kFinallyLine = 5,
  kInheritedLine = 7,
  kExceptLine = 8,
  kThenLine = 9,
  kFreeLine = 10,
  kElseLine = 11,
  kExitLine = 12,
  kBreakLine = 14,
  kContinueLine = 15,
  kUntilStatement = 100,
  kWithStatement = 103,
  kFreeAndNilStatement = 104,
  kIfStatement = 105,
  kWhileStatement = 106,
  kExceptStatement = 108,
  kForStatement = 111,
  kAppendStrStatement = 112,
  kDeleteStatement = 113,
  kCaseStatement = 114,
  kCaseLabel = 115,
  kThenStatement = 116,
  kElseStatement = 117,
  kShowMessageStatement = 118,
  kMessageDlgStatement = 119,
  kTrimStatement = 120,
  kTrimLeftStatement = 121,
  kTrimRightStatement = 122,
  kTryStatement = 123,
  kFinallyStatement = 124,
  kOnExceptionStatement = 125,
};

}  // namespace sorvik
