#include "generic/lines_holding.h"

#include <algorithm>
#include <deque>

namespace sorvik {

namespace {

class Automaton {
 public:
  explicit Automaton(const std::vector<std::string_view>& texts) {
    nodes_.emplace_back();
    for (size_t i = 0; i < texts.size(); ++i) {
      int node = 0;
      for (const char c : texts[i]) {
        int child = edge(node, c);
        if (child < 0) {
          child = static_cast<int>(nodes_.size());
          nodes_[static_cast<size_t>(node)].edges.push_back({c, child});
          nodes_.emplace_back();
        }
        node = child;
      }
      nodes_[static_cast<size_t>(node)].ends.push_back(i);
    }
    link();
  }

  // Follows the text from the root; `found` gets the index of every text that ends at each
  // character.
  template <class Found>
  void scan(std::string_view text, Found&& found) const {
    int node = 0;
    for (const char c : text) {
      node = step(node, c);
      for (int out = node; out > 0; out = nodes_[static_cast<size_t>(out)].output) {
        for (const size_t index : nodes_[static_cast<size_t>(out)].ends) found(index);
      }
    }
  }

 private:
  struct Node {
    std::vector<std::pair<char, int>> edges;
    std::vector<size_t> ends;  // the texts that end here
    int fail = 0;
    int output = 0;  // the nearest node on the fail chain where a text ends; 0: none
  };

  int edge(int node, char c) const {
    for (const auto& [label, child] : nodes_[static_cast<size_t>(node)].edges)
      if (label == c) return child;
    return -1;
  }

  int step(int node, char c) const {
    while (true) {
      const int child = edge(node, c);
      if (child >= 0) return child;
      if (node == 0) return 0;
      node = nodes_[static_cast<size_t>(node)].fail;
    }
  }

  // Breadth first: each node's fail link is the longest proper suffix of its path that is a
  // path too; its output link the nearest node on that chain where a text ends.
  void link() {
    std::deque<int> queue;
    for (const auto& [label, child] : nodes_[0].edges) queue.push_back(child);
    while (!queue.empty()) {
      const int node = queue.front();
      queue.pop_front();
      for (const auto& [label, child] : nodes_[static_cast<size_t>(node)].edges) {
        const int fail = step(nodes_[static_cast<size_t>(node)].fail, label);
        Node& linked = nodes_[static_cast<size_t>(child)];
        linked.fail = fail;
        linked.output = nodes_[static_cast<size_t>(fail)].ends.empty()
                            ? nodes_[static_cast<size_t>(fail)].output
                            : fail;
        queue.push_back(child);
      }
    }
  }

  std::vector<Node> nodes_;
};

}  // namespace

std::vector<LinesHolding> findLinesHolding(const std::vector<std::string_view>& texts,
                                           size_t lineCount,
                                           const std::function<std::string_view(size_t)>& lineAt,
                                           int limit) {
  std::vector<LinesHolding> holding(texts.size());
  if (texts.empty()) return holding;
  const Automaton automaton(texts);
  std::vector<int> lastLine(texts.size(), -1);
  for (size_t n = 0; n < lineCount; ++n) {
    const int line = static_cast<int>(n);
    automaton.scan(lineAt(n), [&](size_t index) {
      if (lastLine[index] == line) return;
      lastLine[index] = line;
      LinesHolding& found = holding[index];
      if (found.count == 0) found.firstLine = line;
      found.count = std::min(found.count + 1, limit);
    });
  }
  return holding;
}

}  // namespace sorvik
