#include <gtest/gtest.h>

#include "project/project_files.h"
#include "project_files_fixture.h"

namespace sorvik::test {
namespace {

const std::string kSolutionError =
    "error: An error occurred opening the Visual Studio Solution file.\r\nThe Project File was "
    "not found.\r\rTry opening the vbproj or vcproj file instead.";

class SolutionReaderTest : public ProjectFilesTest {
 protected:
  void SetUp() override {
    context->config.addOverride("General.WebRoot=" + work.path() + "wwwroot");
  }
};

TEST_F(SolutionReaderTest, Format8WithALocalWebProjectAndAnOldProject) {
  write(
      "wwwroot/WebApp/WebApp.csproj",
      "<Project DefaultTargets=\"Build\" "
      "xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">\r\n"
      "  <itemgroup>\r\n    <Content Include=\"Default.aspx\" />\r\n"
      "    <Content Include=\"Pages\\About.ASPX\" />\r\n"
      "    <Compile Include=\"Default.aspx.cs\" />\r\n  </itemgroup>\r\n"
      "  <ItemGroup>\r\n    <Content Include=\"Gone.aspx\" />\r\n  </ItemGroup>\r\n</Project>\r\n");
  write("wwwroot/WebApp/Default.aspx");
  write("wwwroot/WebApp/pages/about.aspx");
  write("wwwroot/WebApp/Default.aspx.cs");
  write("sln/Old/Old.vbproj",
        "<VisualStudioProject>\r\n  <VisualBasic>\r\n    <Files>\r\n      <Include>\r\n"
        "        <File RelPath = \"Help.htm\" />\r\n        <File RelPath = \"Form1.vb\" />\r\n"
        "      </Include>\r\n    </Files>\r\n  </VisualBasic>\r\n</VisualStudioProject>\r\n");
  write("sln/Old/Help.htm");
  write("sln/Old/Form1.vb");
  write("sln/Late/Late.csproj", "<Project><ItemGroup><Content Include=\"Late.aspx\"/>");
  write("sln/Late/Late.aspx");
  const std::string solution = write(
      "sln/S.sln",
      "\xef\xbb\xbf\r\nMicrosoft Visual Studio Solution File, Format  Version 8.00\r\n"
      "Project(\"{F184B08F-C81C-45F6-A57F-5ABD9991F28F}\") = \"WebApp\", "
      "\"HTTP://LocalHost/WebApp/WebApp.csproj\", \"{1}\"\r\nEndProject\r\n"
      "Project(\"{F184B08F-C81C-45F6-A57F-5ABD9991F28F}\") = \"Old\", \"old\\Old.vbproj\", "
      "\"{2}\"\r\nEndProject\r\n"
      "Project(\"{F184B08F-C81C-45F6-A57F-5ABD9991F28F}\") = \"Gone\", \"Gone\\Gone.vbproj\", "
      "\"{3}\"\r\nEndProject\r\nGlobal\r\n"
      "Project(\"{F184B08F-C81C-45F6-A57F-5ABD9991F28F}\") = \"Late\", \"Late\\Late.csproj\", "
      "\"{4}\"\r\nEndGlobal\r\n");
  EXPECT_EQ(open(solution),
            (std::vector<std::string>{"web sln/Old/Help.htm", "web wwwroot/WebApp/Default.aspx",
                                      "web wwwroot/WebApp/pages/about.aspx"}));
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(SolutionReaderTest, Format9WebSiteFolder) {
  write("Site/Default.aspx");
  write("Site/Default.aspx.cs");
  write("Site/Style.css");
  write("Site/sub/Inner.aspx");
  const std::string solution = write(
      "sln/S.sln",
      "\r\nMicrosoft Visual Studio Solution File, Format Version 9.00\r\n# Visual Studio 2005\r\n"
      "Project(\"{E24C65DC-7377-472B-9ABA-BC803B73C61A}\") = \"Site\", \"..\\Site\\\", \"{1}\"\r\n"
      "\tProjectSection(WebsiteProperties) = preProject\r\n"
      "\t\tDebug.AspNetCompiler.VirtualPath = \"/Site\"\r\n"
      "\t\tDebug.AspNetCompiler.PhysicalPath = \"..\\Site\\\"\r\n"
      "\tEndProjectSection\r\nEndProject\r\nGlobal\r\nEndGlobal\r\n");
  EXPECT_EQ(open(solution), std::vector<std::string>{"web sln/../Site/Default.aspx"});
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(SolutionReaderTest, ProjectsThatAreNoXmlAreReadAsText) {
  // Truncated, and a C++ project with its files under a filter in the root.
  write("Web/Web.csproj",
        "<VisualStudioProject>\r\n    <CSHARP>\r\n        <Files>\r\n            <Include>\r\n"
        "                <File\r\n                    RelPath = \"WebForm1.aspx\"\r\n"
        "                    BuildAction = \"Content\"\r\n                />\r\n"
        "                <File\r\n                    RelPath = \"Help.htm\"\r\n");
  write("Web/WebForm1.aspx");
  write("Web/Help.htm");
  write("Cpp/Cpp.vcproj",
        "<?xml version=\"1.0\"?>\r\n<VisualStudioProject ProjectType=\"Visual C++\">\r\n"
        "<Files>\r\n<Filter Name=\"Source\">\r\n<File RelativePath=\".\\Page.html\"/>\r\n"
        "</Filter>\r\n</Files>\r\n</VisualStudioProject>\r\n");
  write("Cpp/Page.html");
  const std::string solution =
      write("S.sln",
            "Microsoft Visual Studio Solution File, Format Version 7.00\r\n"
            "Project(\"{x}\") = \"Web\", \"Web\\Web.csproj\", \"{1}\"\r\nEndProject\r\n"
            "Project(\"{x}\") = \"Cpp\", \"Cpp\\Cpp.vcproj\", \"{2}\"\r\nEndProject\r\n");
  EXPECT_EQ(open(solution), (std::vector<std::string>{"web Cpp/./Page.html", "web Web/Help.htm",
                                                      "web Web/WebForm1.aspx"}));
}

struct FailingSolution {
  std::string name;
  std::string content;
};

void PrintTo(const FailingSolution& c, std::ostream* out) {
  *out << c.name;
}

class FailingSolutionTest : public SolutionReaderTest,
                            public ::testing::WithParamInterface<FailingSolution> {};

TEST_P(FailingSolutionTest, ShowsTheErrorAndOpensNothing) {
  write("Site/Default.aspx");
  EXPECT_EQ(open(write("S.sln", GetParam().content), false), std::vector<std::string>{});
  EXPECT_EQ(prompter.messages, std::vector<std::string>{kSolutionError});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailingSolutionTest,
    ::testing::Values(
        FailingSolution{"NoFormatVersion",
                        "Microsoft Visual Studio Solution File\r\n\r\n\r\nFormat Version 9.00\r\n"
                        "\t\tDebug.AspNetCompiler.PhysicalPath = \"Site\\\"\r\n"},
        FailingSolution{"OnlyMissingProjects",
                        "Format Version 8.00\r\nProject(\"{x}\") = \"A\", \"A\\A.csproj\"\r\n"
                        "Project(\"{x}\") = \"B\", \"http://example.com/B/B.csproj\"\r\n"},
        FailingSolution{"ProjectLineWithoutFields",
                        "Format Version 8.00\r\nProject(\"{x}\") = A\r\n"},
        FailingSolution{"WebSiteAfterGlobal",
                        "Format Version 9.00\r\nGlobal\r\n"
                        "Debug.AspNetCompiler.PhysicalPath = \"Site\\\"\r\n"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace sorvik::test
