#include "spelling/spelling_options.h"

#include <algorithm>

#include "generic/paths.h"
#include "generic/strings.h"
#include "project/app_context.h"
#include "spelling/code_speller.h"

namespace sorvik {

namespace {

constexpr const char* kProperties = "SpellProps";

std::vector<std::string> readProperties(const Config& config) {
  if (!config.valueExists(kProperties, "Item1")) return defaultSpellProperties();
  std::vector<std::string> properties;
  for (int i = 1;; ++i) {
    std::string name = config.readString(kProperties, "Item" + std::to_string(i));
    if (name.empty()) break;
    properties.push_back(std::move(name));
  }
  return properties;
}

void writeSpellProps(Config& config, bool useWord, const std::string& language,
                     const std::vector<std::string>& properties) {
  config.eraseSection(kProperties);
  config.writeBool(kProperties, "UseWord", useWord);
  config.writeString(kProperties, "Language", language);
  for (size_t i = 0; i < properties.size(); ++i)
    config.writeString(kProperties, "Item" + std::to_string(i + 1), properties[i]);
  // An empty first item keeps "no property" apart from settings that never named one.
  if (properties.empty()) config.writeString(kProperties, "Item1", "");
}

}  // namespace

const std::vector<std::string>& defaultSpellProperties() {
  static const std::vector<std::string> properties = {"Caption", "Hint", "Text"};
  return properties;
}

SpellingOptions ReadSpellingOptions(const AppContext& context) {
  const Config& config = context.config;
  SpellingOptions options;
  options.DupeSpell = config.readBool("General", "DupeSpell", true);
  options.CheckStringConst = config.readBool("General", "CheckStringConst", true);
  options.UseWord = config.readBool(kProperties, "UseWord", false);
  options.Language = config.readString(kProperties, "Language", "English");
  options.Rules = ReadCallRules(context.programFolder);
  options.Properties = readProperties(config);
  options.Alert = config.readBool("SpellJScript", "Alert", true);
  options.Prompt = config.readBool("SpellJScript", "Prompt", true);
  options.Confirm = config.readBool("SpellJScript", "Confirm", true);
  options.MsgBox = config.readBool("SpellVBScript", "MsgBox", true);
  return options;
}

bool SaveSpellingOptions(AppContext& context, const SpellingOptions& options) {
  const bool saved = SaveCallRules(context.programFolder, options.Rules);
  Config& config = context.config;
  config.writeBool("General", "DupeSpell", options.DupeSpell);
  config.writeBool("General", "CheckStringConst", options.CheckStringConst);
  config.writeBool("SpellJScript", "Alert", options.Alert);
  config.writeBool("SpellJScript", "Prompt", options.Prompt);
  config.writeBool("SpellJScript", "Confirm", options.Confirm);
  config.writeBool("SpellVBScript", "MsgBox", options.MsgBox);
  writeSpellProps(config, options.UseWord, options.Language, options.Properties);
  context.settings.CheckStringConst = options.CheckStringConst;
  context.service<TCodeSpeller>() = TCodeSpeller(options);
  return saved;
}

SpellingOptions RestoreSpellingDefaults(AppContext& context, const std::string& language) {
  writeSpellProps(context.config, false, language, defaultSpellProperties());
  SaveCallRules(context.programFolder, defaultCallRules());
  return ReadSpellingOptions(context);
}

std::vector<std::string> DictionaryLanguages(const std::string& programFolder) {
  std::vector<std::string> languages;
  bool english = false;
  for (const std::string& path : listFiles(programFolder, "*.dic")) {
    const std::string name = fileNameOf(path);
    std::string language = lowerCase(name.substr(0, name.size() - 4));
    if (language.empty() || language == "user") continue;
    language[0] = upperChar(language[0]);
    if (language == "English")
      english = true;
    else
      languages.push_back(std::move(language));
  }
  if (english) languages.insert(languages.begin(), "English");
  return languages;
}

}  // namespace sorvik
