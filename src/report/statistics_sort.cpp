#include "report/statistics_sort.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace sorvik {

namespace {

// Sorts `items` by `key` (each key made once, compared by `less`), ascending or
// descending; equal keys keep their order.
template <class Item, class Key, class Less>
void sortByKey(std::vector<Item>& items, Key key, Less less, bool ascending) {
  std::vector<std::pair<std::string, size_t>> keys;
  keys.reserve(items.size());
  for (size_t i = 0; i < items.size(); ++i) keys.emplace_back(key(items[i]), i);
  std::stable_sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
    return ascending ? less(a.first, b.first) : less(b.first, a.first);
  });
  std::vector<Item> sorted;
  sorted.reserve(items.size());
  for (const auto& entry : keys) sorted.push_back(std::move(items[entry.second]));
  items = std::move(sorted);
}

}  // namespace

void clickColumn(SortState& state, int column) {
  if (column == state.column)
    state.flag = !state.flag;
  else
    state.flag = true;
  state.column = column;
  state.sorted = true;
}

bool shownDescending(const SortState& state, bool flagMeansAscending) {
  return state.sorted && state.flag != flagMeansAscending;
}

std::string paddedCount(std::string_view count) {
  // The "Except" count carries thousands separators; its digits alone order it.
  std::string digits;
  for (char c : count)
    if (c != ',') digits.push_back(c);
  if (digits.size() < 10) digits.insert(0, 10 - digits.size(), '0');
  return digits;
}

void sortCountedRows(std::vector<StatisticsRow>& rows, const SortState& state) {
  const size_t column = state.column == 1 ? 1 : 0;
  sortByKey(
      rows,
      [column](const StatisticsRow& row) {
        const std::string cell = column < row.size() ? row[column] : std::string();
        return column == 1 ? paddedCount(cell) : cell;
      },
      std::less<std::string>(), state.flag);
}

void sortRoutineHeaders(std::vector<TProcedureHeader>& headers, const SortState& state) {
  sortByKey(
      headers,
      [&state](const TProcedureHeader& header) {
        if (state.column == 1) return header.UnitName;
        if (state.column == 2) return routineTypeText(header.Kind);
        return routineDisplayName(header);
      },
      textLess, !state.flag);
}

void sortUses(std::vector<std::string>& units, std::vector<int>& counts, const SortState& state) {
  struct Use {
    std::string unit;
    int count;
  };
  std::vector<Use> uses;
  for (size_t i = 0; i < units.size() && i < counts.size(); ++i)
    uses.push_back({units[i], counts[i]});
  sortByKey(
      uses,
      [&state](const Use& use) {
        return state.column == 1 ? paddedCount(std::to_string(use.count)) : use.unit;
      },
      textLess, !state.flag);
  for (size_t i = 0; i < uses.size(); ++i) {
    units[i] = std::move(uses[i].unit);
    counts[i] = uses[i].count;
  }
}

}  // namespace sorvik
