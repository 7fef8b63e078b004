#pragma once

#include <cstdint>
#include <filesystem>

#include "cli/Context.h"

namespace n63k::cli {

// `macros --export ID FILE`: writes the macro as text, whole or not at all.
// Answers the exit status.
int ExportMacro(Context& context, std::uint32_t identifier, const std::filesystem::path& file);

// `macros --import FILE`: stores the text as a new macro of its group, as
// the macro page stores a new recording, and prints its identifier. Answers
// the exit status; on a refusal nothing is stored.
int ImportMacro(Context& context, const std::filesystem::path& file);

}  // namespace n63k::cli
