#pragma once

#include <string>
#include <string_view>

#include "core/xml/XmlElementTable.h"

namespace n63k {

struct XmlParseResult {
  bool markupError = false;
  // The first error, markup or document shape; empty for a well-formed text.
  std::string firstError;
};

// Indexes the elements of `text` into `elements` (emptied first). Markup
// errors do not stop the parse: what was parsed stays in the table.
XmlParseResult ParseXml(std::u16string_view text, XmlElementTable& elements);

}  // namespace n63k
