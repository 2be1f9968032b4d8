#include "check_fixture.h"

#include <algorithm>

#include "generic/strings.h"
#include "project/scan_driver.h"

namespace sorvik::test {

namespace {

const TempFolder& withTemplates(const TempFolder& home, const std::string& templateIni) {
  if (!templateIni.empty()) home.write("template.ini", templateIni);
  return home;
}

}  // namespace

CheckFixture::CheckFixture(const std::string& templateIni)
    : context_(makeContext(withTemplates(home_, templateIni), &prompter_, &observer_)),
      project_(std::make_unique<TProject>(*context_, home_.path() + "Project.svk")) {}

std::string CheckFixture::addUnit(const std::string& name, const std::vector<std::string>& lines,
                                  const std::vector<std::string>& form) {
  const std::string path = home_.write(name, join(lines, "\r\n") + "\r\n");
  project_->UnitFiles.push_back(path);
  project_->UnitCount = static_cast<int>(project_->UnitFiles.size());
  if (!form.empty()) {
    const std::string formName = name.substr(0, name.rfind('.')) + ".dfm";
    project_->FormFiles.push_back(home_.write(formName, join(form, "\r\n") + "\r\n"));
    project_->FormCount = static_cast<int>(project_->FormFiles.size());
  }
  return path;
}

std::string CheckFixture::writeFile(const std::string& name,
                                    const std::vector<std::string>& lines) {
  return home_.write(name, join(lines, "\r\n") + "\r\n");
}

std::vector<Finding> CheckFixture::scan() {
  setModeFlags(*project_, StartCommand::Scan);
  Start(*project_);
  std::vector<Finding> findings;
  for (const auto& result : project_->report().Results) {
    Finding finding;
    finding.line = result->Line;
    finding.kind = result->Kind;
    const size_t tagEnd = result->Text.find("] ");
    finding.text = tagEnd == std::string::npos ? result->Text : result->Text.substr(tagEnd + 2);
    finding.hasSuggestion = result->Suggestions.has_value();
    if (result->Suggestions) finding.suggestions = *result->Suggestions;
    finding.lineCount = result->LineCount;
    findings.push_back(std::move(finding));
  }
  return findings;
}

std::vector<Finding> CheckFixture::scanFor(std::vector<int> kinds) {
  std::vector<Finding> findings = scan();
  if (kinds.empty()) return findings;
  std::erase_if(findings, [&](const Finding& finding) {
    return std::find(kinds.begin(), kinds.end(), finding.kind) == kinds.end();
  });
  return findings;
}

std::vector<std::string> unitWith(const std::vector<std::string>& body) {
  std::vector<std::string> lines = {"unit Unit1;",    "", "interface", "uses SysUtils;",
                                    "implementation", ""};
  lines.insert(lines.end(), body.begin(), body.end());
  lines.push_back("");
  lines.push_back("end.");
  return lines;
}

std::vector<std::string> routineUnit(const std::vector<std::string>& vars,
                                     const std::vector<std::string>& body) {
  std::vector<std::string> routine = {"procedure Test;"};
  if (!vars.empty()) routine.push_back("var");
  routine.insert(routine.end(), vars.begin(), vars.end());
  routine.push_back("begin");
  routine.insert(routine.end(), body.begin(), body.end());
  routine.push_back("end;");
  return unitWith(routine);
}

int routineBodyLine(const std::vector<std::string>& vars, size_t k) {
  const size_t unitHead = unitWith({}).size() - 2;  // the lines before the routine
  return static_cast<int>(unitHead + 1 + (vars.empty() ? 0 : 1 + vars.size()) + 1 + k + 1);
}

void expectRoutineCase(const RoutineCase& routineCase, const std::vector<std::string>& form) {
  CheckFixture fixture;
  fixture.addUnit("Unit1.pas", routineUnit(routineCase.vars, routineCase.body), form);
  const std::vector<Finding> findings = fixture.scanFor({routineCase.kind});
  EXPECT_TRUE(fixture.errors().empty());
  if (routineCase.message.empty()) {
    EXPECT_TRUE(findings.empty()) << findings.front().text;
    return;
  }
  ASSERT_EQ(findings.size(), 1u);
  const Finding& finding = findings.front();
  EXPECT_EQ(finding.line, routineBodyLine(routineCase.vars, routineCase.at));
  EXPECT_EQ(finding.text, routineCase.message);
  EXPECT_EQ(finding.hasSuggestion, !routineCase.suggestion.empty());
  EXPECT_EQ(finding.suggestions, routineCase.suggestion);
  EXPECT_EQ(finding.lineCount, 1);
}

TEST_P(RoutineCaseTest, ReportsAsExpected) {
  expectRoutineCase(GetParam());
}

void PrintTo(const RoutineCase& routineCase, std::ostream* out) {
  *out << routineCase.name;
}

std::string routineCaseName(const testing::TestParamInfo<RoutineCase>& info) {
  return info.param.name;
}

}  // namespace sorvik::test
