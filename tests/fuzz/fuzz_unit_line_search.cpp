// Any text as a unit searched by the search's own reading of units: the same outcome as the
// full preparation gives (errors, counted comments, uses, hits, lines given up). The first
// byte chooses the options, the rest of the first line is the search text, the other lines
// are the unit.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_context.h"
#include "generic/text_file.h"
#include "search/line_matcher.h"
#include "search/search_options.h"
#include "search/unit_line_search.h"
#include "support/search_reference.h"

namespace {

sorvik::fuzz::FuzzContext& harness() {
  static sorvik::fuzz::FuzzContext h = sorvik::fuzz::makeFuzzContext("unit-line-search");
  return h;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  sorvik::fuzz::FuzzContext& h = harness();
  const unsigned choice = data[0];
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const size_t end = rest.find('\n');
  sorvik::SearchDialogValues values;
  values.Text = std::string(rest.substr(0, end));
  values.CaseSensitive = choice & 1;
  values.WholeWords = choice & 2;
  values.IgnoreSpacing = choice & 4;
  values.IgnoreComments = choice & 8;
  values.IgnoreLiterals = choice & 16;
  values.Expressions = choice & 32 ? sorvik::kRegularExpressions : sorvik::kNoExpressions;
  h.context->settings.UseIfDefs = choice & 64;
  const std::string path = h.folder + (choice & 128 ? "Fuzz.dpr" : "Fuzz.pas");
  const std::string_view unit = end == std::string_view::npos ? "" : rest.substr(end + 1);
  if (!sorvik::writeFileBytes(path, unit)) return 0;
  const sorvik::TSearchOptions options(values, h.folder);
  sorvik::LineMatcher matcher(options);
  const sorvik::UnitLineSearch found =
      sorvik::searchUnitFile(path, options, h.context->settings.UseIfDefs, matcher);
  if (!sorvik::test::lineSearchDifference(
           found, sorvik::test::searchPreparedUnit(*h.context, path, options))
           .empty())
    __builtin_trap();
  return 0;
}
