// What a page adds to the run's statistics.
#pragma once

namespace sorvik {

struct TCounts;
class TAspxForm;

// Counts the page's tags and controls under their kinds, its compiler directives as 299
// and its comments as 300; text, closing tags, unknown tags and tags without a kind are
// not counted.
void CountWebObjects(TCounts& counts, const TAspxForm& page);

}  // namespace sorvik
