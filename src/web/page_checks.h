// One page under check: the project that takes its findings, the page, and the ways a
// finding is reported, through AddResult (one result per line) or on a page object
// (one finding per object).
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

#include "project/result.h"
#include "project/results.h"
#include "web/aspx_form.h"
#include "web/image_size.h"

namespace sorvik {

class TProject;

class PageChecks {
 public:
  PageChecks(TProject& project, TAspxForm& page) : project(project), page(page) {}

  // The switch of a web page hint kind (230-248).
  bool enabled(int kind) const;
  // The 1-based page line of an object: a tag's start line, a text's stored line plus 1.
  static int lineOf(const TPageObject& object);
  // The page line with that 1-based number; "" outside the page.
  const std::string& lineText(int line) const;
  // The file a link of the page names (relative names start in the page's folder)
  // exists. Asked once per name and page: a page may name one image many times.
  bool linkedFileExists(const std::string& name);
  // The size of the image the page names, read once per name and page.
  ImageSize imageSize(const std::string& name);

  // A result through AddResult on this line would be dropped: the line has one already.
  bool lineTaken(int line) const;
  // A replacement of this line may still be offered. Each page line takes one: every
  // check builds its replacement from the line as it was read, so a second one would
  // undo the first.
  bool mayChange(int line) const;

  // ReplaceOnce on the page line; not tried when the replacement would be dropped: the
  // line has one, or (for a result through AddResult) a result.
  SuggestionLines replaceOnce(int line, std::string_view find, std::string_view replacement,
                              int start, bool throughAddResult = true) const;

  // AddResult without an owner; a replacement of a line that already has one is dropped.
  void addResult(int kind, int line, const std::string& text, SuggestionLines suggestion = {},
                 ResultSpan span = {});
  // Reports on the object unless it has a finding already (its suggestion is dropped then).
  void ReportOnObject(TAspxObj& object, int kind, const std::string& message,
                      SuggestionLines suggestion = {});
  void ReportOnObject(TAspxObjClosing& object, int kind, const std::string& message);

  // Kind 239 at the place of the name in the object's text.
  void CheckLinkedFile(const std::string& fileName, const TAspxObj& object);

  TProject& project;
  TAspxForm& page;

 private:
  void reportOn(const TPageObject& object, bool& reported, int kind, const std::string& message,
                SuggestionLines suggestion);
  std::set<int> changedLines_;
  std::string linkedPath(const std::string& name) const;

  // By name as written.
  std::unordered_map<std::string, bool> linkedFiles_;
  std::unordered_map<std::string, ImageSize> imageSizes_;
};

}  // namespace sorvik
