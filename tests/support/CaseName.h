#pragma once

#include <gtest/gtest.h>

#include <string>

namespace n63k::test {

// Names each case of a parameterised test by the `name` field of its case.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

}  // namespace n63k::test
