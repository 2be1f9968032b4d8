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

// The class of a page object. Every check walks all objects of a page; the class tells
// them apart at the cost of a comparison, where a dynamic_cast per object and pass took a
// quarter of a page's analysis.
enum class PageObjectClass { Control, HTML, Unknown, Compiler, Text, Comment, Closing };

// What every page object has: its class, and where it starts and ends. The end column is
// the column just after a tag's closing ">".
class TPageObject {
 public:
  explicit TPageObject(PageObjectClass objectClass) : Class(objectClass) {}
  virtual ~TPageObject() = default;
  const PageObjectClass Class;
  int StartLine = 0, EndLine = 0, StartCol = 0, EndCol = 0;
};

struct TAspxAttribute {
  std::string Name;   // as written
  std::string Value;  // as written, a quoted value with its quotes
};

// A tag with its attributes; itself the class of "asp:" and "borland:" controls.
class TAspxObj : public TPageObject {
 public:
  explicit TAspxObj(PageObjectClass objectClass = PageObjectClass::Control)
      : TPageObject(objectClass) {}
  static bool holds(PageObjectClass c) { return c <= PageObjectClass::Text; }

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
  TAspxObjHTML() : TAspxObj(PageObjectClass::HTML) {}
  static bool holds(PageObjectClass c) { return c == PageObjectClass::HTML; }

  std::string ScriptText;
};

class TAspxObjUnknown : public TAspxObj {
 public:
  TAspxObjUnknown() : TAspxObj(PageObjectClass::Unknown) {}
  static bool holds(PageObjectClass c) { return c == PageObjectClass::Unknown; }
};

class TAspxObjCompiler : public TAspxObj {
 public:
  TAspxObjCompiler() : TAspxObj(PageObjectClass::Compiler) {}
  static bool holds(PageObjectClass c) { return c == PageObjectClass::Compiler; }
};

// Plain text between tags, line breaks included; kind 0, no tag name, no attributes.
class TAspxObjText : public TAspxObj {
 public:
  TAspxObjText() : TAspxObj(PageObjectClass::Text) {}
  static bool holds(PageObjectClass c) { return c == PageObjectClass::Text; }
};

// A tag whose text begins with "!" or "?".
class TAspxObjComment : public TPageObject {
 public:
  TAspxObjComment() : TPageObject(PageObjectClass::Comment) {}
  static bool holds(PageObjectClass c) { return c == PageObjectClass::Comment; }

  std::string Text;
};

// A tag whose text begins with "/".
class TAspxObjClosing : public TPageObject {
 public:
  TAspxObjClosing() : TPageObject(PageObjectClass::Closing) {}
  static bool holds(PageObjectClass c) { return c == PageObjectClass::Closing; }

  int Kind = 0;
  bool Reported = false;
};

struct PageObjectEntry {
  std::string Text;  // a text object's text; empty for the others
  std::unique_ptr<TPageObject> Object;
};

// The object as a `T` when it is one (or one derived from it), else null.
template <typename T>
const T* objectAs(const TPageObject* object) {
  return object && T::holds(object->Class) ? static_cast<const T*>(object) : nullptr;
}
template <typename T>
T* objectAs(TPageObject* object) {
  return object && T::holds(object->Class) ? static_cast<T*>(object) : nullptr;
}

// "TAspxObjHTML", "TAspxObjClosing", ...
std::string_view pageObjectClassName(const TPageObject& object);

// A value without one leading and one trailing quote (either kind).
std::string withoutQuotes(std::string_view value);

}  // namespace sorvik
