// The objects of a web page, in text order: runs of plain text and tags as written
// between "<" and ">". Lines and columns are 1-based, except that a text object's line
// fields hold its line number less 1.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

// What every page object has: where it starts and ends. The end column is the column just
// after a tag's closing ">".
class TPageObject {
 public:
  virtual ~TPageObject() = default;
  int StartLine = 0, EndLine = 0, StartCol = 0, EndCol = 0;
};

struct TAspxAttribute {
  std::string Name;   // as written
  std::string Value;  // as written, a quoted value with its quotes
};

// A tag with its attributes; itself the class of "asp:" and "borland:" controls.
class TAspxObj : public TPageObject {
 public:
  int Kind = 0;
  std::string TagName;  // the compacted tag text up to its first blank
  std::string Text;     // the raw text between "<" and ">"
  std::vector<TAspxAttribute> Attributes;
  bool Reported = false;  // a finding was reported on the object

  // The value of the first attribute of that name (ignoring case).
  std::optional<std::string> attribute(std::string_view name) const;
};

// A known HTML tag; a "script" tag carries the prepared text of its element.
class TAspxObjHTML : public TAspxObj {
 public:
  std::string ScriptText;
};

class TAspxObjUnknown : public TAspxObj {};
class TAspxObjCompiler : public TAspxObj {};
// Plain text between tags, line breaks included; kind 0, no tag name, no attributes.
class TAspxObjText : public TAspxObj {};

// A tag whose text begins with "!" or "?".
class TAspxObjComment : public TPageObject {
 public:
  std::string Text;
};

// A tag whose text begins with "/".
class TAspxObjClosing : public TPageObject {
 public:
  int Kind = 0;
  bool Reported = false;
};

struct PageObjectEntry {
  std::string Text;  // a text object's text; empty for the others
  std::unique_ptr<TPageObject> Object;
};

// "TAspxObjHTML", "TAspxObjClosing", ...
std::string_view pageObjectClassName(const TPageObject& object);

// A value without one leading and one trailing quote (either kind).
std::string withoutQuotes(std::string_view value);

}  // namespace sorvik
