// The visible text of a form that a spelling run checks: hints, captions, texts, the items
// of lists and the texts of panels, columns, bands and the like, each with its line.
#pragma once

#include <functional>
#include <string>

namespace sorvik {

class TProject;
class TFormCode;

// Receives one piece of a form's text, the kind of the object it belongs to and its line.
using FormTextSink = std::function<void(const std::string& text, int kind, int line)>;

// Hands the text of every object of the form to `spell`, in file order: first the hint of
// a visual object, then the texts its kind shows. A single text that is empty or equal to
// the object's name is left out; the items of a string list are all handed over, item i at
// the list's line + 1 + i. A failure on one object goes to the project's errors and the
// next object follows.
void CollectFormSpelling(const TFormCode& form, const FormTextSink& spell);

// What a spelling run does with each form it meets (a form file or a form of an
// executable); set by the spelling layer, passed over while it is not.
struct FormSpeller {
  std::function<void(TProject&, const TFormCode&)> spellForm;
};

}  // namespace sorvik
