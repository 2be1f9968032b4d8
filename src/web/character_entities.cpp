#include "web/character_entities.h"

#include <algorithm>
#include <array>

namespace sorvik {

namespace {

struct Entity {
  int code;
  std::string_view text;
};

// Codes 160 to 255, in order.
constexpr std::array<std::string_view, 96> kLatin1Entities = {
    "&nbsp;",   "&iexcl;",  "&cent;",   "&pound;",  "&curren;", "&yen;",    "&brvbar;", "&sect;",
    "&uml;",    "&copy;",   "&ordf;",   "&laquo;",  "&not;",    "&shy;",    "&reg;",    "&macr;",
    "&deg;",    "&plusmn;", "&sup2;",   "&sup3;",   "&acute;",  "&micro;",  "&para;",   "&middot;",
    "&cedil;",  "&sup1;",   "&ordm;",   "&raquo;",  "&frac14;", "&frac12;", "&frac34;", "&iquest;",
    "&Agrave;", "&Aacute;", "&Acirc;",  "&Atilde;", "&Auml;",   "&Aring;",  "&AElig;",  "&Ccedil;",
    "&Egrave;", "&Eacute;", "&Ecirc;",  "&Euml;",   "&Igrave;", "&Iacute;", "&Icirc;",  "&Iuml;",
    "&ETH;",    "&Ntilde;", "&Ograve;", "&Oacute;", "&Ocirc;",  "&Otilde;", "&Ouml;",   "&times;",
    "&Oslash;", "&Ugrave;", "&Uacute;", "&Ucirc;",  "&Uuml;",   "&Yacute;", "&THORN;",  "&szlig;",
    "&agrave;", "&aacute;", "&acirc;",  "&atilde;", "&auml;",   "&aring;",  "&aelig;",  "&ccedil;",
    "&egrave;", "&eacute;", "&ecirc;",  "&euml;",   "&igrave;", "&iacute;", "&icirc;",  "&iuml;",
    "&eth;",    "&ntilde;", "&ograve;", "&oacute;", "&ocirc;",  "&otilde;", "&ouml;",   "&divide;",
    "&oslash;", "&ugrave;", "&uacute;", "&ucirc;",  "&uuml;",   "&yacute;", "&thorn;",  "&yuml;"};

// Codes 945 to 969, in order.
constexpr std::array<std::string_view, 25> kGreekSmallEntities = {
    "&alpha;",   "&beta;", "&gamma;", "&delta;",  "&epsilon;", "&zeta;", "&eta;",
    "&theta;",   "&iota;", "&kappa;", "&lambda;", "&mu;",      "&nu;",   "&xi;",
    "&omicron;", "&pi;",   "&rho;",   "&sigmaf;", "&sigma;",   "&tau;",  "&upsilon;",
    "&phi;",     "&chi;",  "&psi;",   "&omega;"};

// The codes outside the two ranges above, sorted.
constexpr auto kOtherEntities = std::to_array<Entity>({
    {128, "&euro;"},     {130, "&sbquo;"},   {131, "&fnof;"},     {132, "&bdquo;"},
    {133, "&hellip;"},   {134, "&dagger;"},  {135, "&Dagger;"},   {136, "&circ;"},
    {137, "&permil;"},   {138, "&Scaron;"},  {139, "&lsaquo;"},   {140, "&OElig;"},
    {145, "&lsquo;"},    {146, "&rsquo;"},   {147, "&ldquo;"},    {148, "&rdquo;"},
    {149, "&bull;"},     {150, "&ndash;"},   {151, "&mdash;"},    {152, "&tilde;"},
    {153, "&trade;"},    {154, "&scaron;"},  {155, "&rsaquo;"},   {156, "&oelig;"},
    {159, "&Yuml;"},     {915, "&Gamma;"},   {916, "&Delta;"},    {920, "&Theta;"},
    {923, "&Lambda;"},   {926, "&Xi;"},      {928, "&Pi;"},       {931, "&Sigma;"},
    {933, "&Upsilon;"},  {934, "&Phi;"},     {936, "&Psi;"},      {937, "&Omega;"},
    {977, "&thetasym;"}, {978, "&upsih;"},   {982, "&piv;"},      {8242, "&prime;"},
    {8243, "&Prime;"},   {8254, "&oline;"},  {8260, "&frasl;"},   {8465, "&image;"},
    {8472, "&weierp;"},  {8476, "&real;"},   {8501, "&alefsym;"}, {8592, "&larr;"},
    {8594, "&rarr;"},    {8595, "&darr;"},   {8596, "&harr;"},    {8629, "&crarr;"},
    {8656, "&lArr;"},    {8657, "&uArr;"},   {8658, "&rArr;"},    {8659, "&dArr;"},
    {8660, "&hArr;"},    {8704, "&forall;"}, {8706, "&part;"},    {8707, "&exist;"},
    {8709, "&empty;"},   {8711, "&nabla;"},  {8712, "&isin;"},    {8713, "&notin;"},
    {8715, "&ni;"},      {8719, "&prod;"},   {8721, "&sum;"},     {8722, "&minus;"},
    {8727, "&lowast;"},  {8730, "&radic;"},  {8733, "&prop;"},    {8734, "&infin;"},
    {8736, "&ang;"},     {8743, "&and;"},    {8744, "&or;"},      {8745, "&cap;"},
    {8746, "&cup;"},     {8747, "&int;"},    {8756, "&there4;"},  {8764, "&sim;"},
    {8773, "&cong;"},    {8776, "&asymp;"},  {8800, "&ne;"},      {8801, "&equiv;"},
    {8804, "&le;"},      {8805, "&ge;"},     {8834, "&sub;"},     {8835, "&sup;"},
    {8836, "&nsub;"},    {8838, "&sube;"},   {8839, "&supe;"},    {8853, "&oplus;"},
    {8855, "&otimes;"},  {8869, "&perp;"},   {8901, "&sdot;"},    {8968, "&lceil;"},
    {8969, "&rceil;"},   {8970, "&lfloor;"}, {8971, "&rfloor;"},  {9001, "&lang;"},
    {9002, "&rang;"},
});

static_assert(std::is_sorted(kOtherEntities.begin(), kOtherEntities.end(),
                             [](const Entity& a, const Entity& b) { return a.code < b.code; }));

}  // namespace

char CodeToChar(int code) {
  if (code < 32 || code > 255 || code == 160) return ' ';
  return static_cast<char>(static_cast<unsigned char>(code));
}

std::string_view CodeToEntity(int code) {
  if (code >= 160 && code <= 255) return kLatin1Entities[static_cast<size_t>(code - 160)];
  if (code >= 945 && code <= 969) return kGreekSmallEntities[static_cast<size_t>(code - 945)];
  const auto found = std::lower_bound(kOtherEntities.begin(), kOtherEntities.end(), code,
                                      [](const Entity& entry, int c) { return entry.code < c; });
  return found != kOtherEntities.end() && found->code == code ? found->text : std::string_view();
}

std::string DecodeCharacterReferences(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    size_t end = i + 2;
    int code = 0;
    // Nine digits at most, which an int holds: a longer number is left as written.
    if (text.compare(i, 2, "&#") == 0) {
      while (end < text.size() && end - i < 11 && text[end] >= '0' && text[end] <= '9')
        code = code * 10 + (text[end++] - '0');
    }
    if (end > i + 2 && end < text.size() && text[end] == ';') {
      decoded += CodeToChar(code);
      i = end + 1;
    } else {
      decoded += text[i++];
    }
  }
  return decoded;
}

}  // namespace sorvik
