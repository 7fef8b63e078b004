#include "core/xml/CharacterReferences.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "core/base/Utf.h"

namespace n63k {
namespace {

struct Entity {
  std::u16string_view name;
  char32_t codePoint;
};

// The Latin-1 entities name U+00A0 to U+00FF in order.
constexpr std::array<std::u16string_view, 96> kLatin1Names = {
    u"nbsp",   u"iexcl",  u"cent",   u"pound",  u"curren", u"yen",    u"brvbar", u"sect",
    u"uml",    u"copy",   u"ordf",   u"laquo",  u"not",    u"shy",    u"reg",    u"macr",
    u"deg",    u"plusmn", u"sup2",   u"sup3",   u"acute",  u"micro",  u"para",   u"middot",
    u"cedil",  u"sup1",   u"ordm",   u"raquo",  u"frac14", u"frac12", u"frac34", u"iquest",
    u"Agrave", u"Aacute", u"Acirc",  u"Atilde", u"Auml",   u"Aring",  u"AElig",  u"Ccedil",
    u"Egrave", u"Eacute", u"Ecirc",  u"Euml",   u"Igrave", u"Iacute", u"Icirc",  u"Iuml",
    u"ETH",    u"Ntilde", u"Ograve", u"Oacute", u"Ocirc",  u"Otilde", u"Ouml",   u"times",
    u"Oslash", u"Ugrave", u"Uacute", u"Ucirc",  u"Uuml",   u"Yacute", u"THORN",  u"szlig",
    u"agrave", u"aacute", u"acirc",  u"atilde", u"auml",   u"aring",  u"aelig",  u"ccedil",
    u"egrave", u"eacute", u"ecirc",  u"euml",   u"igrave", u"iacute", u"icirc",  u"iuml",
    u"eth",    u"ntilde", u"ograve", u"oacute", u"ocirc",  u"otilde", u"ouml",   u"divide",
    u"oslash", u"ugrave", u"uacute", u"ucirc",  u"uuml",   u"yacute", u"thorn",  u"yuml",
};

// The symbol and special entities of HTML 4.01, and apos.
constexpr std::array<Entity, 157> kOtherEntities = {{
    {u"quot", 34},     {u"amp", 38},       {u"apos", 39},      {u"lt", 60},       {u"gt", 62},
    {u"OElig", 338},   {u"oelig", 339},    {u"Scaron", 352},   {u"scaron", 353},  {u"Yuml", 376},
    {u"fnof", 402},    {u"circ", 710},     {u"tilde", 732},    {u"Alpha", 913},   {u"Beta", 914},
    {u"Gamma", 915},   {u"Delta", 916},    {u"Epsilon", 917},  {u"Zeta", 918},    {u"Eta", 919},
    {u"Theta", 920},   {u"Iota", 921},     {u"Kappa", 922},    {u"Lambda", 923},  {u"Mu", 924},
    {u"Nu", 925},      {u"Xi", 926},       {u"Omicron", 927},  {u"Pi", 928},      {u"Rho", 929},
    {u"Sigma", 931},   {u"Tau", 932},      {u"Upsilon", 933},  {u"Phi", 934},     {u"Chi", 935},
    {u"Psi", 936},     {u"Omega", 937},    {u"alpha", 945},    {u"beta", 946},    {u"gamma", 947},
    {u"delta", 948},   {u"epsilon", 949},  {u"zeta", 950},     {u"eta", 951},     {u"theta", 952},
    {u"iota", 953},    {u"kappa", 954},    {u"lambda", 955},   {u"mu", 956},      {u"nu", 957},
    {u"xi", 958},      {u"omicron", 959},  {u"pi", 960},       {u"rho", 961},     {u"sigmaf", 962},
    {u"sigma", 963},   {u"tau", 964},      {u"upsilon", 965},  {u"phi", 966},     {u"chi", 967},
    {u"psi", 968},     {u"omega", 969},    {u"thetasym", 977}, {u"upsih", 978},   {u"piv", 982},
    {u"ensp", 8194},   {u"emsp", 8195},    {u"thinsp", 8201},  {u"zwnj", 8204},   {u"zwj", 8205},
    {u"lrm", 8206},    {u"rlm", 8207},     {u"ndash", 8211},   {u"mdash", 8212},  {u"lsquo", 8216},
    {u"rsquo", 8217},  {u"sbquo", 8218},   {u"ldquo", 8220},   {u"rdquo", 8221},  {u"bdquo", 8222},
    {u"dagger", 8224}, {u"Dagger", 8225},  {u"bull", 8226},    {u"hellip", 8230}, {u"permil", 8240},
    {u"prime", 8242},  {u"Prime", 8243},   {u"lsaquo", 8249},  {u"rsaquo", 8250}, {u"oline", 8254},
    {u"frasl", 8260},  {u"euro", 8364},    {u"image", 8465},   {u"weierp", 8472}, {u"real", 8476},
    {u"trade", 8482},  {u"alefsym", 8501}, {u"larr", 8592},    {u"uarr", 8593},   {u"rarr", 8594},
    {u"darr", 8595},   {u"harr", 8596},    {u"crarr", 8629},   {u"lArr", 8656},   {u"uArr", 8657},
    {u"rArr", 8658},   {u"dArr", 8659},    {u"hArr", 8660},    {u"forall", 8704}, {u"part", 8706},
    {u"exist", 8707},  {u"empty", 8709},   {u"nabla", 8711},   {u"isin", 8712},   {u"notin", 8713},
    {u"ni", 8715},     {u"prod", 8719},    {u"sum", 8721},     {u"minus", 8722},  {u"lowast", 8727},
    {u"radic", 8730},  {u"prop", 8733},    {u"infin", 8734},   {u"ang", 8736},    {u"and", 8743},
    {u"or", 8744},     {u"cap", 8745},     {u"cup", 8746},     {u"int", 8747},    {u"there4", 8756},
    {u"sim", 8764},    {u"cong", 8773},    {u"asymp", 8776},   {u"ne", 8800},     {u"equiv", 8801},
    {u"le", 8804},     {u"ge", 8805},      {u"sub", 8834},     {u"sup", 8835},    {u"nsub", 8836},
    {u"sube", 8838},   {u"supe", 8839},    {u"oplus", 8853},   {u"otimes", 8855}, {u"perp", 8869},
    {u"sdot", 8901},   {u"lceil", 8968},   {u"rceil", 8969},   {u"lfloor", 8970}, {u"rfloor", 8971},
    {u"lang", 9001},   {u"rang", 9002},    {u"loz", 9674},     {u"spades", 9824}, {u"clubs", 9827},
    {u"hearts", 9829}, {u"diams", 9830},
}};

constexpr std::size_t kEntityCount = kLatin1Names.size() + kOtherEntities.size();
static_assert(kEntityCount == 253, "the 252 entities of HTML 4.01 and apos");
static_assert(std::none_of(kOtherEntities.begin(), kOtherEntities.end(),
                           [](const Entity& e) { return e.name.empty(); }),
              "every entry of the table is filled in");

// All entities sorted by name, for a binary search.
constexpr std::array<Entity, kEntityCount> SortedEntities() {
  std::array<Entity, kEntityCount> all{};
  std::size_t n = 0;
  for (std::size_t i = 0; i < kLatin1Names.size(); ++i) {
    all[n++] = {kLatin1Names[i], static_cast<char32_t>(0xA0 + i)};
  }
  for (const Entity& entity : kOtherEntities) {
    all[n++] = entity;
  }
  std::sort(all.begin(), all.end(),
            [](const Entity& a, const Entity& b) { return a.name < b.name; });
  return all;
}

constexpr std::array<Entity, kEntityCount> kEntities = SortedEntities();

// A reference is at most this many characters after '&', its ';' included.
constexpr std::size_t kMaxReferenceLength = 9;

int DigitValue(char16_t c, int base) {
  int value = 16;
  if (c >= u'0' && c <= u'9') {
    value = c - u'0';
  } else if (c >= u'a' && c <= u'f') {
    value = c - u'a' + 10;
  } else if (c >= u'A' && c <= u'F') {
    value = c - u'A' + 10;
  }
  return value < base ? value : -1;
}

std::optional<char32_t> NumericReference(std::u16string_view digits, int base) {
  if (digits.empty()) {
    return std::nullopt;
  }
  char32_t value = 0;
  for (const char16_t c : digits) {
    const int digit = DigitValue(c, base);
    if (digit < 0) {
      return std::nullopt;
    }
    value = value * static_cast<char32_t>(base) + static_cast<char32_t>(digit);
  }
  return value;
}

std::optional<char32_t> Resolve(std::u16string_view name) {
  std::optional<char32_t> value;
  if (name.starts_with(u"#x") || name.starts_with(u"#X")) {
    value = NumericReference(name.substr(2), 16);
  } else if (name.starts_with(u"#")) {
    value = NumericReference(name.substr(1), 10);
  } else {
    const auto it =
        std::lower_bound(kEntities.begin(), kEntities.end(), name,
                         [](const Entity& e, std::u16string_view n) { return e.name < n; });
    if (it != kEntities.end() && it->name == name) {
      value = it->codePoint;
    }
  }
  // Zero and values past Unicode name no character.
  if (value && (*value == 0 || *value > 0x10FFFF)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

void AppendDecodedReferences(std::u16string_view text, std::u16string& out) {
  std::size_t done = 0;
  for (std::size_t amp = text.find(u'&'); amp != std::u16string_view::npos;
       amp = text.find(u'&', amp + 1)) {
    const std::u16string_view window = text.substr(amp + 1, kMaxReferenceLength);
    const std::size_t semicolon = window.find(u';');
    if (semicolon == std::u16string_view::npos) {
      continue;
    }
    const std::u16string_view name = window.substr(0, semicolon);
    if (std::any_of(name.begin(), name.end(), [](char16_t c) { return c >= 0x80; })) {
      continue;
    }
    const std::optional<char32_t> codePoint = Resolve(name);
    if (!codePoint) {
      continue;
    }
    out.append(text.substr(done, amp - done));
    AppendUtf16(*codePoint, out);
    done = amp + 1 + semicolon + 1;
    amp = done - 1;
  }
  out.append(text.substr(done));
}

}  // namespace n63k
