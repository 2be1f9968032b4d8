// A node of the main window's category tree or of the hidden uses tree.
#pragma once

#include <string>
#include <vector>

namespace sorvik {

struct TreeNode {
  std::string text;
  std::vector<TreeNode> children;
};

}  // namespace sorvik
