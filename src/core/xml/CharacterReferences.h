#pragma once

#include <string>
#include <string_view>

namespace n63k {

// Appends `text` to `out` with its character references decoded: numeric
// ones (&#65; &#x41;), the character entities of HTML 4.01 and &apos;. A
// reference that is not one of these stays as it is.
void AppendDecodedReferences(std::u16string_view text, std::u16string& out);

}  // namespace n63k
