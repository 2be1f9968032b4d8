#include "source/constant_substitution.h"

#include <functional>
#include <queue>

#include "generic/strings.h"
#include "source/find_word.h"

namespace sorvik {

namespace {

bool isPlainName(std::string_view name) {
  if (name.empty()) return false;
  for (const char c : name) {
    if (!isIdentChar(c)) return false;
  }
  return true;
}

// The constants of several tables as one list: index = offset of its table + its own index.
class ConstantScope {
 public:
  ConstantScope(const std::vector<const ConstantTable*>& tables,
                const std::unordered_set<std::string>& declared)
      : tables_(tables), declared_(declared) {}

  // Adds to `queue` every constant at or after `after` that `text` may name: the plain names
  // among its identifiers outside literals, and every constant with another kind of name.
  template <class Queue>
  void candidates(std::string_view text, size_t after, Queue& queue) const {
    size_t offset = 0;
    for (const ConstantTable* table : tables_) {
      for (const size_t i : table->otherNames()) {
        if (offset + i >= after) queue.push(offset + i);
      }
      offset += table->size();
    }
    bool inLiteral = false;
    std::string word;
    for (size_t i = 0; i <= text.size(); ++i) {
      const char c = i < text.size() ? text[i] : ' ';
      if (!inLiteral && isIdentChar(c)) {
        word += upperChar(c);
        continue;
      }
      if (!word.empty()) {
        pushName(word, after, queue);
        word.clear();
      }
      if (c == '\'') inLiteral = !inLiteral;
    }
  }

  std::pair<const std::string*, const std::string*> constant(size_t index) const {
    for (const ConstantTable* table : tables_) {
      if (index < table->size()) return {&table->list().Names[index], &table->list().Values[index]};
      index -= table->size();
    }
    return {nullptr, nullptr};
  }

 private:
  template <class Queue>
  void pushName(const std::string& word, size_t after, Queue& queue) const {
    if (declared_.contains(word)) return;
    size_t offset = 0;
    for (const ConstantTable* table : tables_) {
      if (const size_t i = table->find(word); i != std::string::npos) {
        if (offset + i >= after) queue.push(offset + i);
        return;
      }
      offset += table->size();
    }
  }

  const std::vector<const ConstantTable*>& tables_;
  const std::unordered_set<std::string>& declared_;
};

}  // namespace

ConstantTable::ConstantTable(const ConstantList& constants) {
  for (size_t i = 0; i < constants.Names.size(); ++i) add(constants.Names[i], constants.Values[i]);
}

void ConstantTable::add(std::string name, std::string value) {
  const size_t index = list_.Names.size();
  if (isPlainName(name))
    first_.try_emplace(upperCase(name), index);
  else
    otherNames_.push_back(index);
  list_.Names.push_back(std::move(name));
  list_.Values.push_back(std::move(value));
}

size_t ConstantTable::find(const std::string& upperName) const {
  const auto found = first_.find(upperName);
  return found == first_.end() ? std::string::npos : found->second;
}

// Replacing the constants one after the other in their order is the same as replacing, in
// the order of the constants, only those the text names: a value put in is searched only
// for the constants that come after the one it replaced.
std::optional<std::string> substituteConstants(std::string_view original,
                                               const std::vector<const ConstantTable*>& tables,
                                               const std::unordered_set<std::string>& declared) {
  const ConstantScope scope(tables, declared);
  std::priority_queue<size_t, std::vector<size_t>, std::greater<>> queue;
  scope.candidates(original, 0, queue);
  if (queue.empty()) return std::nullopt;
  std::string text(original);
  bool changed = false;
  size_t last = std::string::npos;
  while (!queue.empty()) {
    const size_t index = queue.top();
    queue.pop();
    if (index == last) continue;
    last = index;
    const auto [name, value] = scope.constant(index);
    int at = FindWord(*name, text, false, false, 1);
    while (at > 0) {
      const size_t from = static_cast<size_t>(at) - 1;
      text.replace(from, name->size(), *value);
      changed = true;
      scope.candidates(*value, index + 1, queue);
      at = FindWord(*name, text, false, false, static_cast<int>(from + value->size()) + 1);
    }
  }
  if (!changed) return std::nullopt;
  return text;
}

}  // namespace sorvik
