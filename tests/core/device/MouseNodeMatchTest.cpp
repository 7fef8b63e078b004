#include <gtest/gtest.h>

#include <string>

#include "core/device/MouseNodeMatch.h"
#include "support/CaseName.h"

namespace n63k {
namespace {

struct MatchCase {
  std::string name;
  std::string hidId;
  std::string usbVendor;
  std::string usbProduct;
  bool mouse;
};

class MouseNodeMatch : public ::testing::TestWithParam<MatchCase> {};

TEST_P(MouseNodeMatch, TellsTheMouseFromOtherDevices) {
  const MatchCase& c = GetParam();
  EXPECT_EQ(IsMouseNode({c.hidId, c.usbVendor, c.usbProduct}), c.mouse);
}

INSTANTIATE_TEST_SUITE_P(
    Properties, MouseNodeMatch,
    ::testing::Values(MatchCase{"HidId", "0003:000024AE:00004110", "", "", true},
                      MatchCase{"HidIdLowerCase", "0003:000024ae:00004110", "", "", true},
                      MatchCase{"HidIdOtherProduct", "0003:000024AE:00004111", "", "", false},
                      MatchCase{"HidIdOtherVendor", "0003:0000046D:00004110", "", "", false},
                      MatchCase{"BootLoader", "0003:000004D9:00008022", "", "", false},
                      MatchCase{"HidIdWinsOverUsb", "0003:0000046D:0000C52B", "24ae", "4110",
                                false},
                      MatchCase{"HidIdTooFewFields", "000024AE:00004110", "", "", false},
                      MatchCase{"HidIdNotHex", "0003:0000X4AE:00004110", "", "", false},
                      MatchCase{"HidIdTooLong", "0003:1000024AE:00004110", "", "", false},
                      MatchCase{"HidIdTrailingText", "0003:000024AE:00004110:1", "", "", false},
                      MatchCase{"UsbIds", "", "24ae", "4110", true},
                      MatchCase{"UsbIdsUpperCaseWithLineFeed", "", "24AE\n", "4110\n", true},
                      MatchCase{"UsbIdsOtherProduct", "", "24ae", "4111", false},
                      MatchCase{"UsbProductMissing", "", "24ae", "", false},
                      MatchCase{"Nothing", "", "", "", false}),
    test::CaseName<MatchCase>);

}  // namespace
}  // namespace n63k
