#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

namespace n63k::cli {

// Keys keep the order they were added in, so the output reads like the text form.
using Json = nlohmann::ordered_json;

// Writes one JSON document and a line feed. Texts from damaged files may not
// be valid UTF-8; their bad bytes become U+FFFD instead of failing the command.
void PrintJson(std::ostream& out, const Json& document);

}  // namespace n63k::cli
