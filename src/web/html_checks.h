// The HTML checks of a page, in the order the page walk runs them, and the per-tag checks
// that CheckTags runs. Each tests its kinds' switches first and does nothing when they
// are off.
#pragma once

#include "web/page_checks.h"

namespace sorvik {

// Kind 231: a closing tag of an element that never gets one ("</br>"); whether it was
// reported.
bool CheckNeedlessClosing(PageChecks& checks, TAspxObjClosing& closing);
// Kinds 232 and 233: end tags in the wrong order, or without their start tag.
void CheckClosingOrder(PageChecks& checks);
// Lists each unknown tag name once per project in the not-recognised list.
void ListUnknownTags(PageChecks& checks);
// Kind 238: head tags outside the page's head.
void CheckHeadTags(PageChecks& checks);
// Kinds 245 and 246: tags outside their required container, and links and forms nested
// in their own kind.
void CheckContext(PageChecks& checks);
// Kind 244: numeric character references that have a named entity.
void CheckCharacterCodes(PageChecks& checks);
// The per-tag checks of a tag with attributes.
void CheckTags(PageChecks& checks, TAspxObj& tag);
// Kinds 234 and 235: image sizes against the image file; kind 239 for a missing file.
void CheckImageSize(PageChecks& checks, TAspxObj& image);
// Kind 237: an image without alternative text.
void CheckAltText(PageChecks& checks, TAspxObj& image);
// Kind 236: keywords given twice in a "meta" tag.
void CheckMetaKeywords(PageChecks& checks, TAspxObj& meta);
// Kind 241: colour values that are neither hexadecimal nor a colour name.
void CheckColour(PageChecks& checks, TAspxObj& tag);
// Kinds 242 and 243: deprecated tags.
void CheckDeprecated(PageChecks& checks, TAspxObj& tag);
// Kind 230: class attributes no linked style sheet defines; kind 239 for a missing sheet.
void CheckStyleClasses(PageChecks& checks);
// Kinds 247 and 248: ampersand codes without their semicolon, misspelt or unknown.
void CheckAmpersands(PageChecks& checks);

}  // namespace sorvik
