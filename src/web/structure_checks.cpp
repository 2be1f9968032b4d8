// Where tags stand: unknown tags, tags that belong in the head, tags outside the
// element they must be in, and links and forms inside their own kind.
#include <algorithm>
#include <array>
#include <unordered_set>

#include "generic/strings.h"
#include "project/project.h"
#include "web/html_checks.h"
#include "web/html_tags.h"
#include "web/open_elements.h"

namespace sorvik {

namespace {

enum TagKind : int {
  kA = 1000,
  kArea = 1002,
  kBase = 1004,
  kCaption = 1011,
  kDd = 1016,
  kDl = 1020,
  kDt = 1021,
  kFieldset = 1023,
  kForm = 1025,
  kFrame = 1026,
  kFrameset = 1027,
  kHead = 1034,
  kInput = 1040,
  kLabel = 1043,
  kLegend = 1044,
  kLi = 1045,
  kMap = 1047,
  kMenu = 1048,
  kMeta = 1049,
  kNoframes = 1050,
  kObject = 1052,
  kOl = 1053,
  kOptgroup = 1054,
  kOption = 1055,
  kParam = 1057,
  kSelect = 1063,
  kStyle = 1088,
  kApplet = 1089,
  kDir = 1090,
  kTable = 1069,
  kTd = 1071,
  kTextarea = 1072,
  kTh = 1074,
  kTitle = 1076,
  kTr = 1077,
  kUl = 1080,
};

// A tag that must stand inside one of the container kinds (0 ends the list).
struct ContainerRule {
  int kind;
  std::array<int, 4> containers;
  const char* name;  // as the message names the containers
};

constexpr std::array<ContainerRule, 19> kContainerRules = {{
    {kArea, {kMap}, "map"},
    {kCaption, {kTable}, "table"},
    {kDd, {kDl}, "dl"},
    {kDt, {kDl}, "dl"},
    {kFieldset, {kForm}, "form"},
    {kInput, {kForm}, "form"},
    {kLabel, {kForm}, "form"},
    {kSelect, {kForm}, "form"},
    {kTextarea, {kForm}, "form"},
    {kFrame, {kFrameset}, "frameset"},
    {kNoframes, {kFrameset}, "frameset"},
    {kLegend, {kFieldset}, "fieldset"},
    {kLi, {kDir, kMenu, kOl, kUl}, "DIR, MENU, OL or UL"},
    {kOptgroup, {kSelect}, "select"},
    {kOption, {kSelect}, "select"},
    {kParam, {kApplet, kObject}, "Applet or Object"},
    {kTd, {kTr}, "tr"},
    {kTh, {kTr}, "tr"},
    {kTr, {kTable}, "table"},
}};

const ContainerRule* containerRule(int kind) {
  for (const ContainerRule& rule : kContainerRules)
    if (rule.kind == kind) return &rule;
  return nullptr;
}

bool insideOneOf(const OpenElements& open, const std::array<int, 4>& containers) {
  return std::any_of(containers.begin(), containers.end(),
                     [&open](int kind) { return kind != 0 && open.contains(kind); });
}

constexpr std::array<int, 5> kHeadOnlyKinds = {kTitle, kStyle, kTagScript, kBase, kMeta};

// The lines of the not-recognised list that this run added, lower-cased up to the page.
struct UnknownTagLines : RunData {
  std::unordered_set<std::string> listed;
};

bool isUnknown(const TPageObject& object) {
  return objectAs<TAspxObjUnknown>(&object) != nullptr;
}

// A tag proper of that kind: not unknown, not a closing.
const TAspxObj* tagOf(const TPageObject& object, int kind) {
  const auto* tag = objectAs<TAspxObj>(&object);
  return tag && tag->Kind == kind && !isUnknown(object) ? tag : nullptr;
}

bool closes(const TPageObject& object, int kind) {
  const auto* closing = objectAs<TAspxObjClosing>(&object);
  return closing && closing->Kind == kind;
}

}  // namespace

void ListUnknownTags(PageChecks& checks) {
  TProject& project = checks.project;
  auto& listed = project.runData<UnknownTagLines>().listed;
  int scriptDepth = 0;
  for (const PageObjectEntry& entry : checks.page.Objects) {
    const TPageObject& object = *entry.Object;
    if (tagOf(object, kTagScript)) ++scriptDepth;
    if (closes(object, kTagScript)) --scriptDepth;
    if (!isUnknown(object) || scriptDepth != 0) continue;
    // The name ends at the first blank or line break.
    const std::string& text = objectAs<TAspxObj>(&object)->Text;
    size_t end = 0;
    while (end < text.size() && static_cast<unsigned char>(text[end]) > ' ') ++end;
    const std::string line =
        "Web object or HTML not recognised: <" + text.substr(0, end) + "> (first found in \"";
    if (listed.insert(lowerCase(line)).second)
      project.UnrecognisedObjects.push_back(line + project.CurrentFile + "\")");
  }
}

void CheckHeadTags(PageChecks& checks) {
  if (!checks.enabled(238)) return;
  bool inHead = false;
  for (const PageObjectEntry& entry : checks.page.Objects) {
    const TPageObject& object = *entry.Object;
    if (tagOf(object, kHead)) inHead = true;
    if (closes(object, kHead)) inHead = false;
    if (inHead) continue;
    for (const int kind : kHeadOnlyKinds) {
      if (const TAspxObj* tag = tagOf(object, kind))
        checks.addResult(
            238, tag->StartLine,
            "A " + tag->TagName + " tag should only be placed within the header (<Head>)");
    }
  }
}

void CheckContext(PageChecks& checks) {
  OpenElements open;
  bool inScript = false;
  for (const PageObjectEntry& entry : checks.page.Objects) {
    const TPageObject& object = *entry.Object;
    if (isUnknown(object)) continue;
    if (const auto* closing = objectAs<TAspxObjClosing>(&object)) {
      if (closing->Kind == kTagScript) inScript = false;
      open.closeTo(closing->Kind);
      continue;
    }
    const auto* tag = objectAs<TAspxObj>(&object);
    if (!tag) continue;
    if (tag->Kind == kTagScript) {
      inScript = true;
      open.push(tag->Kind);
      continue;
    }
    if (inScript) continue;
    const ResultSpan span{tag->StartCol, tag->EndLine, tag->EndCol};
    if (const ContainerRule* rule = containerRule(tag->Kind)) {
      if (!insideOneOf(open, rule->containers) && checks.enabled(245))
        checks.addResult(
            245, tag->StartLine,
            "HTML Tag should be contained within tag <" + std::string(rule->name) + ">",
            std::nullopt, span);
    } else if ((tag->Kind == kA || tag->Kind == kForm) && open.contains(tag->Kind) &&
               checks.enabled(246)) {
      checks.addResult(246, tag->StartLine,
                       "This HTML Tag <" + tag->TagName + "> can not be embedded within another <" +
                           tag->TagName + ">",
                       std::nullopt, span);
    }
    if (!neverClosed(tag->Kind) && !endsWith(tag->Text, "/")) open.push(tag->Kind);
  }
}

}  // namespace sorvik
