#include "form_test_support.h"

#include "formanalysis/text_measurement.h"
#include "project/project.h"

namespace sorvik::test {

TextExtent FakeMeasurer::measure(const FontRequest& font, std::string_view text) {
  fonts.push_back(font);
  texts.emplace_back(text);
  const auto known = extents.find(std::string(text));
  if (known != extents.end()) return known->second;
  return {static_cast<int>(text.size()) * charWidth, lineHeight};
}

FormTest::FormTest() {
  context = makeContext(home, &prompter, &observer);
  auto fake = std::make_unique<FakeMeasurer>();
  measurer = fake.get();
  context->service<FormTextMeasurer>().set(std::move(fake));
  project = std::make_unique<TProject>(*context);
  project->CurrentFile = "/forms/Form1.dfm";
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::unique_ptr<TFormCode> FormTest::read(const std::string& text, bool checks) {
  auto form = std::make_unique<TFormCode>(splitLines(text));
  form->FileName = "Form1.dfm";
  form->FilePath = project->CurrentFile;
  form->Project = project.get();
  form->ReadObjects(checks);
  return form;
}

std::vector<std::string> FormTest::check(const std::string& text) {
  auto form = read(text, true);
  form->RunFormHints();
  form->FlushHints();
  return project->report().OutputLines;
}

std::vector<std::string> FormTest::suggestions() const {
  std::vector<std::string> all;
  for (const auto& result : project->report().Results) {
    std::string joined;
    if (result->Suggestions)
      for (const auto& line : *result->Suggestions) joined += (joined.empty() ? "" : " / ") + line;
    all.push_back(joined);
  }
  return all;
}

const TFormObject& FormTest::object(const TFormCode& form, std::string_view name) {
  for (const auto& entry : form.Objects)
    if (entry.Name == name) return *entry.Object;
  throw std::runtime_error("no object " + std::string(name));
}

std::string shortString(std::string_view text) {
  return std::string(1, static_cast<char>(text.size())) + std::string(text);
}

std::string littleEndian(uint64_t value, size_t bytes) {
  std::string out;
  for (size_t i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

std::string formStream(const std::string& properties, std::string_view className,
                       std::string_view name) {
  return "TPF0" + shortString(className) + shortString(name) + properties + std::string(2, '\0');
}

}  // namespace sorvik::test
