// The header styles the comment builder offers, each in its Delphi and its C++ form.
#include <string>

#include "changes/comment_box.h"

namespace sorvik {

namespace {

// The part of every border that is stretched to the box's width.
const std::string kStars(15, '*');
const std::string kDashes(15, '-');

struct StyleForm {
  std::string_view leftEdge, rightEdge;
  std::string topBorder, bottomBorder;
};

struct Style {
  std::string_view name;
  StyleForm delphi, cpp;
  bool stretchBorders;
  bool padLines;
  std::vector<std::string_view> questions;
  std::vector<std::string_view> lines;
};

const std::vector<Style>& styles() {
  static const std::vector<Style> kStyles = {
      {"Borland style",
       {"{ ", " }", "{ " + kStars + " }", "{ " + kStars + " }"},
       {"/*", "*/", "/*" + kStars + "*/", "/*" + kStars + "*/"},
       true,
       true,
       {"Project Name", "Year", "Company"},
       {"<Project Name>", "", "Copyright (c) <Year> <Company>", ""}},
      {"Mozilla Public License 1",
       {"", "", "{-" + kDashes + "-", "--" + kDashes + "}"},
       {"", "", "/*" + kDashes + "-", "--" + kDashes + "*/"},
       true,
       false,
       {"Date Released"},
       {"The contents of this file are subject to the Mozilla Public License Version",
        "1.1 (the \"License\"); you may not use this file except in compliance with the",
        "License. You may obtain a copy of the License at",
        "http://www.mozilla.org/MPL/",
        "",
        "Software distributed under the License is distributed on an \"AS IS\" basis,",
        "WITHOUT WARRANTY OF ANY KIND, either express or implied. See the License for",
        "the specific language governing rights and limitations under the License.",
        "",
        "The Original Code is: <Filename>, released <Date Released>.",
        "",
        "Alternatively, the contents of this file may be used under the terms of the",
        "GNU General Public License Version 2 or later (the \"GPL\"), in which case the",
        "provisions of the GPL are applicable instead of those above. If you wish to",
        "allow use of your version of this file only under the terms of the GPL and",
        "not to allow others to use your version of this file under the MPL,",
        "indicate your decision by deleting the provisions above and replace them",
        "with the notice and other provisions required by the GPL. If you do not",
        "delete the provisions above, a recipient may use your version",
        "of this file under either the MPL or the GPL."}},
      {"Mozilla Public License 2",
       {" *", " *", "(* ***** BEGIN LICENSE BLOCK *****", " * *****  END LICENSE BLOCK  *****)"},
       {" *", " *", "/* ***** BEGIN LICENSE BLOCK *****", " * *****  END LICENSE BLOCK  *****/"},
       false,
       false,
       {"Company", "Product", "Year"},
       {" Version: MPL 1.1",
        "",
        " The contents of this file are subject to the Mozilla Public License Version",
        " 1.1 (the \"License\"); you may not use this file except in compliance with",
        " the License. You may obtain a copy of the License at",
        " http://www.mozilla.org/MPL/",
        "",
        " Software distributed under the License is distributed on an \"AS IS\" basis,",
        " WITHOUT WARRANTY OF ANY KIND, either express or implied. See the License",
        " for the specific language governing rights and limitations under the",
        " License.",
        "",
        " The Original Code is <Product>",
        "",
        " The Initial Developer of the Original Code is",
        " <Company>",
        "",
        " Portions created by the Initial Developer are Copyright (C) <Year>",
        " the Initial Developer. All Rights Reserved.",
        ""}},
      {"JavaDoc style",
       {" *", "", "(**", " *)"},
       {" *", "", "/**", " */"},
       false,
       false,
       {"Author", "Version"},
       {"", "@author <Author>", "@version <Version>", ""}},
  };
  return kStyles;
}

}  // namespace

std::optional<TCommentBox> BuildCommentStyle(std::string_view name, CommentLanguage language) {
  for (const Style& style : styles()) {
    if (style.name != name) continue;
    const StyleForm& form = language == CommentLanguage::Delphi ? style.delphi : style.cpp;
    TCommentBox box;
    box.LeftEdge = form.leftEdge;
    box.RightEdge = form.rightEdge;
    box.TopBorder = form.topBorder;
    box.BottomBorder = form.bottomBorder;
    box.StretchBorders = style.stretchBorders;
    box.PadLines = style.padLines;
    box.Questions.assign(style.questions.begin(), style.questions.end());
    for (std::string_view line : style.lines) box.AddLine(std::string(line));
    return box;
  }
  return std::nullopt;
}

}  // namespace sorvik
