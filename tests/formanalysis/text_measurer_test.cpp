// The FreeType measurer and the face substitutes of config.ini.
#include "platform/text_measurer.h"

#include <gtest/gtest.h>

#include "form_test_support.h"
#include "formanalysis/text_measurement.h"

namespace sorvik {
namespace {

TEST(FreeTypeMeasurerTest, MeasuresAWindowsFaceInItsSubstitute) {
  auto measurer = makeFreeTypeMeasurer(defaultFontSubstitutes());
  FontRequest font;  // "MS Sans Serif", 11 pixels
  const TextExtent button = measurer->measure(font, "Button1");
  if (button.cx == 0) GTEST_SKIP() << "fontconfig finds no font to measure with";
  EXPECT_EQ(button.cy, 13);  // the text height of the forms' default font
  EXPECT_GT(button.cx, 30);
  EXPECT_LT(button.cx, 50);
  EXPECT_GT(measurer->measure(font, "Button1 and more").cx, button.cx);
  EXPECT_GT(measurer->measure(font, "Caf\xE9").cx, measurer->measure(font, "Caf").cx);
  EXPECT_EQ(measurer->measure(font, "").cx, 0);

  FontRequest bold = font;
  bold.style = kFontBold | kFontUnderline;
  EXPECT_GE(measurer->measure(bold, "Button1").cx, button.cx);
  FontRequest large = font;
  large.height = -16;
  EXPECT_GT(measurer->measure(large, "Button1").cx, button.cx);
  FontRequest cell = font;
  cell.height = 13;  // a cell height: the same size as the character height 11
  EXPECT_EQ(measurer->measure(cell, "Button1").cy, 13);
}

TEST(FontSubstitutesTest, ConfiguredSubstitutesLieOverTheDefaults) {
  test::TempFolder home;
  test::ScriptedPrompter prompter;
  test::RecordingObserver observer;
  home.write("config.ini", "[FontSubstitutes]\r\nMy Face=Liberation Serif\r\n");
  auto context = test::makeContext(home, &prompter, &observer);
  context->config.addOverride("FontSubstitutes.Tahoma=DejaVu Sans");
  const FontSubstitutes substitutes = configuredFontSubstitutes(context->config);
  EXPECT_EQ(substitutes.of("my face"), "Liberation Serif");
  EXPECT_EQ(substitutes.of("Tahoma"), "DejaVu Sans");
  EXPECT_EQ(substitutes.of("MS SANS SERIF"), "Liberation Sans");
  EXPECT_EQ(substitutes.of("Courier New"), "");
}

}  // namespace
}  // namespace sorvik
