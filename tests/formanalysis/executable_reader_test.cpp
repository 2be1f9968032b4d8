// The forms of executables: resource directories built here (PE32 and PE32+), with the
// damage a hostile file may carry, and real executables linked by mingw-w64.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "form_test_support.h"
#include "formanalysis/binary_form_reader.h"
#include "formanalysis/executable_reader.h"
#include "formanalysis/form_analysis.h"
#include "generic/compressed_list.h"
#include "generic/strings.h"
#include "project/project.h"
#include "project/scan_driver.h"
#include "spelling/spell_run.h"

namespace sorvik {
namespace {

using test::littleEndian;
using test::shortString;

struct Resource {
  std::string name;
  std::string data;
};

// An executable with one section holding the resource directory: every resource is an
// RCDATA entry with one language.
struct BuiltExecutable {
  std::string bytes;
  size_t firstNameTarget = 0;  // file offsets of fields that the damage tests change
  size_t firstDataRva = 0;
  size_t firstDataSize = 0;
  size_t sectionPointer = 0;
  size_t peOffset = 0x3C;
};

void put(std::string& bytes, size_t offset, uint64_t value, size_t width) {
  if (bytes.size() < offset + width) bytes.resize(offset + width);
  bytes.replace(offset, width, littleEndian(value, width));
}

constexpr size_t kRaw = 0x200;
constexpr uint32_t kRva = 0x1000;
constexpr uint32_t kHigh = 0x80000000u;

BuiltExecutable buildExecutable(const std::vector<Resource>& resources, bool pe32plus) {
  BuiltExecutable built;
  std::string& bytes = built.bytes;
  bytes.assign(kRaw, '\0');
  bytes.replace(0, 2, "MZ");
  put(bytes, 0x3C, 0x40, 4);
  bytes.replace(0x40, 4, std::string("PE\0\0", 4));
  const size_t optionalSize = pe32plus ? 240 : 224;
  put(bytes, 0x44, pe32plus ? 0x8664 : 0x14C, 2);
  put(bytes, 0x46, 1, 2);  // one section
  put(bytes, 0x54, optionalSize, 2);
  const size_t optional = 0x58;
  put(bytes, optional, pe32plus ? 0x20B : 0x10B, 2);
  const size_t directories = optional + (pe32plus ? 112 : 96);
  put(bytes, directories - 4, 16, 4);  // NumberOfRvaAndSizes
  put(bytes, directories + 16, kRva, 4);

  // The resource section: root, type directory, language directories, data entries,
  // names, data.
  const size_t count = resources.size();
  const size_t typeDirectory = 24;
  const size_t languages = typeDirectory + 16 + 8 * count;
  const size_t entries = languages + 24 * count;
  size_t next = entries + 16 * count;
  std::string section(next, '\0');
  put(section, 14, 1, 2);
  put(section, 16, 10, 4);
  put(section, 20, kHigh | typeDirectory, 4);
  put(section, typeDirectory + 12, count, 2);
  std::vector<size_t> names, data;
  for (const auto& resource : resources) {
    names.push_back(section.size());
    put(section, section.size(), resource.name.size(), 2);
    for (char c : resource.name) section += std::string{c, '\0'};
  }
  for (const auto& resource : resources) {
    while (section.size() % 4) section += '\0';
    data.push_back(section.size());
    section += resource.data;
  }
  for (size_t i = 0; i < count; ++i) {
    put(section, typeDirectory + 16 + 8 * i, kHigh | names[i], 4);
    put(section, typeDirectory + 20 + 8 * i, kHigh | (languages + 24 * i), 4);
    put(section, languages + 24 * i + 14, 1, 2);
    put(section, languages + 24 * i + 16, 0x409, 4);
    put(section, languages + 24 * i + 20, entries + 16 * i, 4);
    put(section, entries + 16 * i, kRva + data[i], 4);
    put(section, entries + 16 * i + 4, resources[i].data.size(), 4);
  }
  const size_t header = optional + optionalSize;
  bytes.replace(header, 6, ".rsrc\0", 6);
  put(bytes, header + 8, section.size(), 4);
  put(bytes, header + 12, kRva, 4);
  put(bytes, header + 16, section.size(), 4);
  put(bytes, header + 20, kRaw, 4);
  bytes += section;
  built.firstNameTarget = kRaw + typeDirectory + 20;
  built.firstDataRva = kRaw + entries;
  built.firstDataSize = kRaw + entries + 4;
  built.sectionPointer = header + 20;
  return built;
}

const std::string kForm1 = test::formStream(shortString("Caption") + "\x06" + shortString("One"));
const std::string kForm2 =
    test::formStream(shortString("Caption") + "\x06" + shortString("Two"), "TForm2", "Form2");

std::vector<std::string> names(const std::vector<TDfm>& forms) {
  std::vector<std::string> list;
  for (const auto& form : forms) list.push_back(form.Name);
  return list;
}

class ExecutableTest : public ::testing::TestWithParam<bool> {};

TEST_P(ExecutableTest, FormResourcesAreListedAndConvertedOthersPassedOver) {
  const auto built = buildExecutable(
      {{"TFORM1", kForm1}, {"PICTURE", "not a form"}, {"TFORM2", kForm2}}, GetParam());
  const auto forms = readExecutableForms(built.bytes, "app.exe");
  EXPECT_EQ(names(forms), (std::vector<std::string>{"TFORM1", "TFORM2"}));
  ASSERT_EQ(forms.size(), 2u);
  EXPECT_EQ(forms[1].Lines,
            (std::vector<std::string>{"object Form2: TForm2", "  Caption = 'Two'", "end"}));
  EXPECT_TRUE(readExecutableForms(buildExecutable({}, GetParam()).bytes, "app.exe").empty());
}

INSTANTIATE_TEST_SUITE_P(Formats, ExecutableTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Pe32Plus" : "Pe32"; });

const std::string kLoadError =
    "An error ocurred loading file app.exe, it may not be an executable module";

struct DamageCase {
  std::string name;
  void (*damage)(BuiltExecutable&);
};

void PrintTo(const DamageCase& c, std::ostream* out) {
  *out << c.name;
}

class DamagedExecutableTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedExecutableTest, GivesTheLoadingError) {
  auto built = buildExecutable({{"TFORM1", kForm1}, {"TFORM2", kForm2}}, true);
  GetParam().damage(built);
  try {
    readExecutableForms(built.bytes, "app.exe");
    FAIL() << "no error";
  } catch (const ExecutableError& error) {
    EXPECT_EQ(std::string(error.what()), kLoadError);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedExecutableTest,
    ::testing::Values(
        DamageCase{"NotAnExecutable", [](BuiltExecutable& b) { b.bytes = "garbage"; }},
        DamageCase{"HeaderPastTheEnd",
                   [](BuiltExecutable& b) { put(b.bytes, b.peOffset, 0xFFFFFF00, 4); }},
        DamageCase{"SectionPastTheEnd",
                   [](BuiltExecutable& b) { put(b.bytes, b.sectionPointer, 0x7FFFFFF0, 4); }},
        DamageCase{"DirectoryLoop",
                   [](BuiltExecutable& b) { put(b.bytes, b.firstNameTarget, kHigh, 4); }},
        DamageCase{"TwoGigabytes",
                   [](BuiltExecutable& b) { put(b.bytes, b.firstDataSize, 0x80000000, 4); }},
        DamageCase{"DataPastTheEnd",
                   [](BuiltExecutable& b) { put(b.bytes, b.firstDataRva, 0x7FFFFF00, 4); }},
        DamageCase{"SizePastTheEnd",
                   [](BuiltExecutable& b) { put(b.bytes, b.firstDataSize, 0x100000, 4); }},
        DamageCase{"CutShort", [](BuiltExecutable& b) { b.bytes.resize(b.bytes.size() - 40); }}),
    [](const auto& info) { return info.param.name; });

TEST(DamagedExecutableTest, EveryShortenedFileGivesAnError) {
  const auto built = buildExecutable({{"TFORM1", kForm1}}, false);
  for (size_t length = 0; length < built.bytes.size(); ++length) {
    const std::string cut = built.bytes.substr(0, length);
    try {
      readExecutableForms(cut, "app.exe");
      ADD_FAILURE() << "no error at length " << length;
    } catch (const ExecutableError&) {
    } catch (const FormStreamError&) {
    }
  }
}

// Executables linked by mingw-w64 with the forms as RCDATA resources.
struct Toolchain {
  std::string name, windres, gcc;
};

std::vector<Toolchain> toolchains() {
  std::vector<Toolchain> found;
#ifdef SORVIK_WINDRES_x86_64
  found.push_back({"x86_64", SORVIK_WINDRES_x86_64, SORVIK_MINGW_GCC_x86_64});
#endif
#ifdef SORVIK_WINDRES_i686
  found.push_back({"i686", SORVIK_WINDRES_i686, SORVIK_MINGW_GCC_i686});
#endif
  return found;
}

TEST(LinkedExecutableTest, FormResourcesOfRealExecutables) {
  const auto chains = toolchains();
  if (chains.empty()) GTEST_SKIP() << "mingw-w64 was not found when the tests were built";
  test::TempFolder folder;
  folder.write("form1.bin", kForm1);
  folder.write("form2.bin", kForm2);
  folder.write("other.bin", "TPF1 is not a form");
  folder.write("app.rc",
               "TFORM2 RCDATA \"form2.bin\"\nTFORM1 RCDATA \"form1.bin\"\n"
               "ZOTHER RCDATA \"other.bin\"\n100 RCDATA \"form1.bin\"\n");
  folder.write("main.c", "int main(void) { return 0; }\n");
  for (const auto& chain : chains) {
    const std::string exe = folder.path() + chain.name + ".exe";
    const std::string command = "cd \"" + folder.path() + "\" && \"" + chain.windres +
                                "\" app.rc -O coff -o app.o && \"" + chain.gcc +
                                "\" main.c app.o -o \"" + exe + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    test::ScriptedPrompter prompter;
    test::RecordingObserver observer;
    test::TempFolder home;
    auto context = test::makeContext(home, &prompter, &observer);
    LoadExecutableForms(*context, exe);
    const TResourceInfo& resources = context->service<TResourceInfo>();
    ASSERT_EQ(resources.Count(), 3) << chain.name;
    // Named resources come first, sorted; numbered ones after them.
    EXPECT_EQ(resources.Item(0).Name, "TFORM1");
    EXPECT_EQ(resources.Item(1).Name, "TFORM2");
    EXPECT_EQ(resources.Item(2).Name, "#100");
    ASSERT_NE(resources.find("tform2"), nullptr);
    EXPECT_EQ(resources.find("tform2")->Lines,
              (std::vector<std::string>{"object Form2: TForm2", "  Caption = 'Two'", "end"}));
  }
}

TEST(LinkedExecutableTest, AFileThatIsNoExecutable) {
  test::TempFolder folder;
  TResourceInfo resources;
  const std::string path = folder.write("notes.txt", "just text");
  try {
    resources.load(path);
    FAIL() << "no error";
  } catch (const ExecutableError& error) {
    EXPECT_EQ(std::string(error.what()),
              "An error ocurred loading file " + path + ", it may not be an executable module");
  }
  EXPECT_EQ(resources.Count(), 0);
}

TEST(ExecutableScanTest, EveryFormResourceIsReadUnderItsName) {
  test::TempFolder home, folder;
  test::ScriptedPrompter prompter;
  test::RecordingObserver observer;
  auto context = test::makeContext(home, &prompter, &observer);
  const std::string withGadget = "TPF0" + shortString("TForm1") + shortString("Form1") + '\0' +
                                 shortString("TGadget") + shortString("Gadget1") +
                                 std::string(3, '\0');
  const auto built = buildExecutable({{"TFORM1", withGadget}, {"TFORM2", kForm2}}, true);
  LoadExecutableForms(*context, folder.write("app.exe", built.bytes));
  TProject project(*context);
  project.SpellMode = project.ExeMode = true;
  ScanExecutable(project);
  EXPECT_EQ(project.CurrentFile, "TFORM2");
  EXPECT_EQ(project.UnrecognisedObjects,
            std::vector<std::string>{
                "Form object not recognised : Gadget (for example : Form1.Gadget1)"});
  EXPECT_TRUE(project.report().Results.empty());
}

// "Spell check .exe": the forms of the executable are spelled under their resource names.
TEST(ExecutableScanTest, SpellsTheFormsUnderTheirResourceNames) {
  test::TempFolder home, folder;
  SaveCompressedList({"one", "the", "window"}, home.path() + "english.dic");
  test::ScriptedPrompter prompter;
  test::RecordingObserver observer;
  auto context = test::makeContext(home, &prompter, &observer);
  const std::string misspelled =
      test::formStream(shortString("Caption") + "\x06" + shortString("Teh windw"));
  const std::string path = folder.write(
      "app.exe", buildExecutable({{"TFORM1", misspelled}, {"TFORM2", kForm2}}, false).bytes);
  LoadExecutableForms(*context, path);
  TProject project(*context, path);
  setModeFlags(project, StartCommand::SpellCheckExe);
  SetupSpell(project);
  Start(project);
  std::vector<std::string> rows;
  for (const auto& row : currentSpell(project)->rows()) rows.push_back(join(row, "|"));
  EXPECT_EQ(rows, (std::vector<std::string>{"Teh|Form|TFORM1|2", "windw|Form|TFORM1|2",
                                            "Two|Form|TFORM2|2"}));
  EXPECT_EQ(currentSpell(project)->FormsFound, 2);
}

}  // namespace
}  // namespace sorvik
