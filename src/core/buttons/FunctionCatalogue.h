#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace n63k {

// Function codes that rules and encodings name.
inline constexpr std::int32_t kFunctionClick = 1;
inline constexpr std::int32_t kFunctionCombination = 5;
inline constexpr std::int32_t kFunctionMacro = 6;
inline constexpr std::int32_t kFunctionPcAction = 19;
inline constexpr std::int32_t kFunctionDisable = 121;
inline constexpr std::int32_t kFunctionSnipe = 142;

// One function a control can have. Combinations (5), macros (6) and PC actions
// (19) are not in the catalogue: their name and device word come from the
// entry itself.
struct ButtonFunction {
  std::int32_t code;
  std::string_view english;
  std::string_view chinese;
  std::string_view
      chooserKey;  // string key of the chooser's basic list; empty when reached otherwise
  std::uint32_t deviceWord;
};

// In the order of the chooser's basic list, then the functions it reaches
// another way.
std::span<const ButtonFunction> FunctionCatalogue();

const ButtonFunction* FindFunction(std::int32_t code);

// The function's name in the interface language; empty for codes without one.
std::string_view GetFunctionName(std::int32_t code, bool chineseUi);

}  // namespace n63k
