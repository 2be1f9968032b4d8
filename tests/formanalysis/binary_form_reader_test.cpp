// The form stream converter: every value type, long strings, binary data, collections,
// the object flags, and streams that are cut short or hold what no stream holds.
#include <gtest/gtest.h>

#include "form_test_support.h"
#include "formanalysis/binary_form_reader.h"
#include "formanalysis/form_file_reader.h"

namespace sorvik {
namespace {

using test::littleEndian;
using test::shortString;

std::string property(std::string_view name, const std::string& value) {
  return shortString(name) + value;
}
std::string stringValue(std::string_view text) {
  return "\x06" + shortString(text);
}
std::string longString(char type, const std::string& text) {
  return std::string(1, type) + littleEndian(text.size(), 4) + text;
}

struct ValueCase {
  std::string name;
  std::string value;                 // the type byte and the data
  std::vector<std::string> written;  // the property's lines
};

void PrintTo(const ValueCase& c, std::ostream* out) {
  *out << c.name;
}

class ValueTypeTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueTypeTest, IsWrittenAsFormText) {
  const auto& c = GetParam();
  std::vector<std::string> expected = {"object Form1: TForm1"};
  expected.insert(expected.end(), c.written.begin(), c.written.end());
  expected.push_back("end");
  EXPECT_EQ(ConvertBinaryForm(test::formStream(property("P", c.value))), expected);
}

const std::string kHundred(100, 'x');
std::string bytesUpTo(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += static_cast<char>(i);
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Types, ValueTypeTest,
    ::testing::Values(
        ValueCase{"Null", std::string(1, '\0'), {"  P = Null"}},
        ValueCase{"List",
                  "\x01" + stringValue("a") + stringValue("b") + std::string(1, '\0'),
                  {"  P = (", "    'a'", "    'b')"}},
        ValueCase{"EmptyList", std::string("\x01\x00", 2), {"  P = ()"}},
        ValueCase{"Int8", "\x02\xFB", {"  P = -5"}},
        ValueCase{"Int16", "\x03" + littleEndian(1000, 2), {"  P = 1000"}},
        ValueCase{
            "Int32", "\x04" + littleEndian(static_cast<uint32_t>(-100000), 4), {"  P = -100000"}},
        ValueCase{"Int64", "\x13" + littleEndian(5000000000, 8), {"  P = 5000000000"}},
        ValueCase{"Extended",
                  "\x05" + littleEndian(0xC800000000000000, 8) + littleEndian(0x4002, 2),
                  {"  P = 12.5"}},
        ValueCase{"String", stringValue("it's"), {"  P = 'it'#39's'"}},
        ValueCase{"LineBreaks", stringValue("a\r\nb"), {"  P = 'a'#13#10'b'"}},
        ValueCase{"EmptyString", stringValue(""), {"  P = ''"}},
        ValueCase{"HighCharacters", stringValue("caf\xE9"), {"  P = 'caf\xE9'"}},
        ValueCase{"Ident", "\x07" + shortString("clRed"), {"  P = clRed"}},
        ValueCase{"False", "\x08", {"  P = False"}}, ValueCase{"True", "\x09", {"  P = True"}},
        ValueCase{"Nil", "\x0D", {"  P = nil"}},
        ValueCase{
            "ShortBinary", longString('\x0A', bytesUpTo(10)), {"  P = {00010203040506070809}"}},
        ValueCase{
            "LongBinary",
            longString('\x0A', bytesUpTo(40)),
            {"  P = {", "    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F",
             "    2021222324252627}"}},
        ValueCase{"Set",
                  "\x0B" + shortString("fsBold") + shortString("fsItalic") + '\0',
                  {"  P = [fsBold, fsItalic]"}},
        ValueCase{"EmptySet", std::string("\x0B\x00", 2), {"  P = []"}},
        ValueCase{"SplitString",
                  stringValue(kHundred),
                  {"  P = ", "    '" + kHundred.substr(0, 64) + "' +",
                   "    '" + kHundred.substr(64) + "'"}},
        ValueCase{"SplitCodes",
                  stringValue(std::string(63, 'x') + "'y"),
                  {"  P = ", "    '" + std::string(63, 'x') + "'#39 +", "    'y'"}},
        ValueCase{"LString",
                  longString('\x0C', std::string(130, 'z')),
                  {"  P = ", "    '" + std::string(64, 'z') + "' +",
                   "    '" + std::string(64, 'z') + "' +", "    'zz'"}},
        ValueCase{"Collection",
                  "\x0E\x01" + property("Width", "\x02\x40") + std::string(1, '\0') + "\x01" +
                      property("Width", "\x02\x50") + std::string(2, '\0'),
                  {"  P = <", "    item", "      Width = 64", "    end", "    item",
                   "      Width = 80", "    end>"}},
        ValueCase{"CollectionWithIndex",
                  "\x0E\x02\x03\x01" + property("Caption", stringValue("A")) + std::string(2, '\0'),
                  {"  P = <", "    item [3]", "      Caption = 'A'", "    end>"}},
        ValueCase{"EmptyCollection", std::string("\x0E\x00", 2), {"  P = <>"}},
        ValueCase{"Single", "\x0F" + littleEndian(0x3FC00000, 4), {"  P = 1.5s"}},
        ValueCase{"Currency", "\x10" + littleEndian(125000, 8), {"  P = 12.5c"}},
        ValueCase{"Date", "\x11" + littleEndian(0x3FF4000000000000, 8), {"  P = 1.25d"}},
        ValueCase{"WString",
                  "\x12" + littleEndian(3, 4) + std::string("a\0\xE9\0\xAC\x20", 6),
                  {"  P = 'a'#233#8364"}},
        ValueCase{"Utf8String", longString('\x14', "\xC3\xA9t\xC3\xA9"), {"  P = #233't'#233"}},
        ValueCase{"Utf8StringNotUtf8", longString('\x14', "\x80"), {"  P = #8364"}},
        ValueCase{"TypeWithBit7", "\x86" + shortString("x"), {"  P = 'x'"}}),
    [](const auto& info) { return info.param.name; });

TEST(BinaryFormTest, ObjectFlagsAndChildren) {
  const std::string stream =
      "TPF0\xF1" + shortString("TForm1") + shortString("Form1") + '\0' +  // inherited
      "\xF2\x02\x03" + shortString("TPanel") + shortString("Panel1") +    // position 3
      property("Caption", stringValue("P")) + '\0' +                      //
      "\xF4" + shortString("TFrame1") + shortString("Frame1") + '\0' +    // inline
      shortString("TLabel") + shortString("") + std::string(2, '\0') +    // no name
      std::string(3, '\0');
  EXPECT_EQ(
      ConvertBinaryForm(stream),
      (std::vector<std::string>{"inherited Form1: TForm1", "  object Panel1: TPanel [3]",
                                "    Caption = 'P'", "    inline Frame1: TFrame1",
                                "      object TLabel", "      end", "    end", "  end", "end"}));
}

struct BrokenCase {
  std::string name;
  std::string stream;
  std::string message;
};

void PrintTo(const BrokenCase& c, std::ostream* out) {
  *out << c.name;
}

class BrokenStreamTest : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenStreamTest, GivesTheReadingError) {
  try {
    ConvertBinaryForm(GetParam().stream);
    FAIL() << "no error";
  } catch (const FormStreamError& error) {
    EXPECT_EQ(std::string(error.what()), GetParam().message);
  }
}

std::string deepLists(int depth) {
  return std::string(static_cast<size_t>(depth), '\x01') +
         std::string(static_cast<size_t>(depth), '\0');
}

INSTANTIATE_TEST_SUITE_P(
    Streams, BrokenStreamTest,
    ::testing::Values(
        BrokenCase{"Signature", "TPF1" + shortString("TForm1"), "Invalid stream format"},
        BrokenCase{"UnknownType", test::formStream(property("Caption", "\x15")),
                   "Error reading Form1.Caption: 21"},
        BrokenCase{"StringPastTheEnd",
                   "TPF0" + shortString("TForm1") + shortString("Form1") + shortString("Caption") +
                       "\x06\x10" + "abc",
                   "Error reading Form1.Caption: Stream read error"},
        BrokenCase{"TwoGigabytes",
                   test::formStream(property("Data", "\x0A" + littleEndian(0x80000000, 4))),
                   "Error reading Form1.Data: Stream read error"},
        BrokenCase{"ItemWithoutList",
                   test::formStream(property("Columns", std::string("\x0E\x02\x01\x08", 4))),
                   "Error reading Form1.Columns: 8"},
        BrokenCase{"DeepNesting", test::formStream(property("P", deepLists(100000))),
                   "Error reading Form1.P: Nesting too deep"}),
    [](const auto& info) { return info.param.name; });

TEST(BinaryFormTest, EveryShortenedStreamGivesAnError) {
  const std::string stream =
      test::formStream(property("Caption", stringValue("Hello")) +
                       property("Items", std::string("\x01\x02\x07\x00", 4)) +
                       property("Data", longString('\x0A', "abc")) +
                       property("Cols", std::string("\x0E\x01\x00\x00", 4)));
  ASSERT_NO_THROW(ConvertBinaryForm(stream));
  for (size_t length = 0; length < stream.size(); ++length)
    EXPECT_THROW(ConvertBinaryForm(stream.substr(0, length)), FormStreamError) << length;
}

class FormFileTest : public ::testing::Test {
 protected:
  test::TempFolder folder;
  test::ScriptedPrompter prompter;
};

TEST_F(FormFileTest, BinaryFilesAreConvertedTextFilesReadAsTheyAre) {
  const std::string stream = test::formStream(property("Caption", stringValue("Hi")));
  const std::string binary =
      folder.write("Form1.dfm", std::string("\xFF\x0A\x00", 3) + "TFORM1" + '\0' + "\x30\x10" +
                                    littleEndian(stream.size(), 4) + stream);
  const std::string ordinal =
      folder.write("Form2.dfm", std::string("\xFF\x0A\x00\xFF\x01\x00\x30\x10", 8) +
                                    littleEndian(stream.size(), 4) + stream);
  const std::string raw = folder.write("Form3.dfm", stream);
  const std::string text = folder.write("Form4.dfm", "\xEF\xBB\xBFobject Form4: TForm4\r\nend");
  const std::string tiny = folder.write("Form5.dfm", "\xFF\x0A");
  const std::vector<std::string> converted = {"object Form1: TForm1", "  Caption = 'Hi'", "end"};
  EXPECT_TRUE(IsBinaryForm(binary));
  EXPECT_FALSE(IsBinaryForm(raw));
  EXPECT_FALSE(IsBinaryForm(tiny));
  EXPECT_EQ(ReadFormText(binary, &prompter), converted);
  EXPECT_EQ(ReadFormText(ordinal, &prompter), converted);
  EXPECT_EQ(ReadFormText(raw, &prompter), converted);
  EXPECT_EQ(ReadFormText(text, &prompter),
            (std::vector<std::string>{"object Form4: TForm4", "end"}));
  EXPECT_EQ(ReadFormText(tiny, &prompter), std::vector<std::string>{"\xFF"});
  EXPECT_EQ(ReadFormText(folder.path() + "Missing.dfm", &prompter), std::nullopt);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(FormFileTest, ABinaryFileThatCannotBeConvertedIsReported) {
  const std::string stream = test::formStream(property("Caption", stringValue("Hi")));
  const std::string path =
      folder.write("Broken.dfm", std::string("\xFF\x0A\x00", 3) + "TFORM1" + '\0' + "\x30\x10" +
                                     littleEndian(stream.size() + 1, 4) + stream);
  EXPECT_EQ(ReadFormText(path, &prompter), std::nullopt);
  EXPECT_EQ(
      prompter.messages,
      std::vector<std::string>{
          "error: An error occurred converting a form from binary to text\r\rFilename: " + path});
}

}  // namespace
}  // namespace sorvik
