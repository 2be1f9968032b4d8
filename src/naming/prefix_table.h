// The naming prefixes: one per standard component kind (from [Naming], with built-in
// defaults) and one per component class of a package or another vendor, by its lower-case
// class stem ([NamingSuggestPackage] first, then [NamingSuggest3rdParty]).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

class Config;
class TFormObject;

// The built-in prefix of a standard kind; "" for a kind without one.
std::string_view defaultPrefix(int kind);

struct PrefixTable {
  std::vector<std::string> Keys;  // a kind in decimal, or a lower-case class stem
  std::vector<std::string> Prefixes;

  // The prefix of the first equal key, or "".
  std::string find(std::string_view key) const;
};

// Rebuilds the table from the settings.
void LoadPrefixes(PrefixTable& table, const Config& config);
// The prefix of a component: by its kind, or for a component of unknown class by its name
// lower-cased without trailing digits; "" when there is none.
std::string GetPrefix(const PrefixTable& table, const TFormObject& component);

}  // namespace sorvik
