#include <gtest/gtest.h>

#include "project/project_files.h"
#include "project_files_fixture.h"

namespace sorvik::test {
namespace {

struct ClassifyCase {
  std::string name;
  std::vector<std::string> disk;    // files made below the work folder
  std::vector<std::string> listed;  // what a reader named, relative to the work folder
  std::vector<std::string> expected;
};

void PrintTo(const ClassifyCase& c, std::ostream* out) {
  *out << c.name;
}

class ClassifyFilesTest : public ProjectFilesTest,
                          public ::testing::WithParamInterface<ClassifyCase> {};

TEST_P(ClassifyFilesTest, SortsTheExistingFilesIntoUnitsFormsAndPages) {
  const ClassifyCase& c = GetParam();
  for (const std::string& file : c.disk) write(file);
  std::vector<std::string> files;
  for (const std::string& file : c.listed) files.push_back(work.path() + file);
  TProject project(*context, work.path() + "P.svk");
  ClassifyFiles(project, files);
  EXPECT_TRUE(files.empty());
  EXPECT_EQ(lists(project), c.expected);
  EXPECT_EQ(project.UnitCount + project.FormCount + project.WebCount,
            static_cast<int>(c.expected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ClassifyFilesTest,
    ::testing::Values(ClassifyCase{"DfmComesBeforeAspx",
                                   {"X.pas", "X.dfm", "X.aspx"},
                                   {"X.pas"},
                                   {"unit X.pas", "form X.dfm"}},
                      ClassifyCase{"CompanionOrder",
                                   {"A.pas", "A.aspx", "A.html", "B.pas", "B.html", "B.htm",
                                    "C.pas", "C.htm", "C.nfm", "D.pas", "D.nfm"},
                                   {"A.pas", "B.pas", "C.pas", "D.pas"},
                                   {"unit A.pas", "unit B.pas", "unit C.pas", "unit D.pas",
                                    "form D.nfm", "web A.aspx", "web B.html", "web C.htm"}},
                      // A listed form is no companion, so the search goes on to the pages.
                      ClassifyCase{"ListedFormIsNoCompanion",
                                   {"W.pas", "W.dfm", "W.aspx"},
                                   {"W.pas", "W.dfm"},
                                   {"unit W.pas", "form W.dfm", "web W.aspx"}},
                      ClassifyCase{"NamesAsOnDisk",
                                   {"Sub/Unit2.pas", "Sub/unit2.DFM"},
                                   {"SUB/UNIT2.PAS", "sub/unit2.pas"},
                                   {"unit Sub/Unit2.pas", "form Sub/unit2.DFM"}},
                      ClassifyCase{"SortedMissingDroppedOthersDropped",
                                   {"b.pas", "A.pas", "f.NFM", "page.HTML", "p.asp", "s.css",
                                    "j.js", "c.cpp", "P.dpr", "u.html.bak"},
                                   {"b.pas", "A.pas", "Gone.pas", "f.NFM", "page.HTML", "p.asp",
                                    "s.css", "j.js", "c.cpp", "P.dpr", "u.html.bak"},
                                   {"unit A.pas", "unit b.pas", "form f.NFM", "web page.HTML"}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace sorvik::test
