#include "project/counts.h"

#include "project/result_kinds.h"

namespace sorvik {

int* TCounts::kindCounter(int kind) {
  if (isHintRange(kind)) return &Hints[kind];
  if (isWarningRange(kind)) return &Warnings[kind - 100];
  if (isDelphiHintRange(kind)) return &DelphiHints[kind - 200];
  if (isWebHintRange(kind)) return &AspHints[kind - 230];
  if (isNamingRange(kind)) return &Naming[kind - 300];
  if (kind >= kFirstTemplateKind && kind < kFirstTemplateKind + kMaxTemplates)
    return &Templates[kind - kFirstTemplateKind];
  return nullptr;
}

int TCounts::kindCount(int kind) const {
  const int* counter = const_cast<TCounts*>(this)->kindCounter(kind);
  return counter ? *counter : 0;
}

void TCounts::addTo(std::vector<std::pair<int, int>>& list, int key) {
  for (auto& entry : list) {
    if (entry.first == key) {
      ++entry.second;
      return;
    }
  }
  list.emplace_back(key, 1);
}

}  // namespace sorvik
