#include <gtest/gtest.h>

#include "core/base/TextFormat.h"

namespace n63k {
namespace {

TEST(FormatText, FillsOnlyTheFirstTextConversion) {
  struct Case {
    const char* format;
    const char* expected;
  } const cases[] = {
      {"%s is an invaild Profile!", "/p is an invaild Profile!"},
      {"no conversion", "no conversion"},
      {"%s and %s", "/p and %s"},
      {"100%% of %s", "100% of /p"},
      {"%d %n %s", "%d %n /p"},
      {"trailing %", "trailing %"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatText(c.format, "/p"), c.expected) << c.format;
  }
}

}  // namespace
}  // namespace n63k
