// The values of the statistics' first page: the figures of a run as the page shows them.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace sorvik {

class TProject;
struct TCounts;

struct StatisticsPage {
  std::string codeFiles;  // "Code files scanned :"
  std::string formFiles;  // "Form files scanned :"
  std::string codeLines;  // "Actual lines of code :"
  std::string procedures, functions, constructors, destructors;
  std::string comments;
  std::string variables;  // "Variables :"
  std::string runTime;    // "Time taken to scan :"
  // A naming run does not look at the code: its code figures read "*" and the note
  // "* Not checked during naming suggestions" shows.
  bool notChecked = false;
};

StatisticsPage statisticsPage(const TProject& project);

// The page's ten figures as its "Save" writes them, label ("Code files scanned") and
// value, in that order.
std::vector<std::pair<std::string, std::string>> statisticsFigures(const StatisticsPage& page);

// "6 (3 strings, No integers, 1 boolean, 2 floats)".
std::string variablesText(const TCounts& counts);
// Elapsed seconds as "h:nn:ss" (whole seconds; hours are not wrapped at a day).
std::string runTimeText(double seconds);

}  // namespace sorvik
