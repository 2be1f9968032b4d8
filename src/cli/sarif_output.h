// The results of a run as SARIF 2.1.0, the format code-scanning views read.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace sorvik {

class TProject;

// One SARIF log with one run: a rule per result kind that occurred, a result per result
// with its file relative to the project's folder, and each replacement as a fix.
void writeSarifRun(std::ostream& out, const TProject& project);

// A path as a URI reference: every byte but letters, digits, "-._~/" (and ":" when
// `absolute`) percent-encoded from its UTF-8 form.
std::string uriOfPath(std::string_view path, bool absolute);

}  // namespace sorvik
