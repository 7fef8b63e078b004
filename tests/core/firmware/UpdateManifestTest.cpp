#include <gtest/gtest.h>

#include <string>

#include "core/firmware/UpdateManifest.h"
#include "support/CaseName.h"

namespace n63k {
namespace {

struct NumberCase {
  std::string name;
  std::string text;
  std::uint32_t number;
};

class ManifestNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ManifestNumbers, ReadAsTheManifestMeansThem) {
  EXPECT_EQ(ManifestNumber(GetParam().text), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Texts, ManifestNumbers,
                         ::testing::Values(NumberCase{"Plain", "17", 17},
                                           NumberCase{"LeadingZeros", "0020", 20},
                                           NumberCase{"LetterFirst", "x20", 0},
                                           NumberCase{"WhiteSpaceAndTail", " \t\n20abc", 20},
                                           NumberCase{"Plus", "+18", 18},
                                           NumberCase{"Empty", "", 0},
                                           NumberCase{"SpaceInsideTheSign", "+ 18", 0},
                                           NumberCase{"NegativeIsNoVersion", "-1", 0},
                                           NumberCase{"Largest", "4294967295", 4294967295u},
                                           NumberCase{"BeyondThirtyTwoBits", "4294967296", 0}),
                         test::CaseName<NumberCase>);

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

TEST(UpdateManifest, ReadsTheFirstFirmwareElementsFields) {
  const UpdateManifest manifest = ReadUpdateManifest(
      Bytes("<?xml version=\"1.0\"?><update><firmware><current> 21 </current>"
            "<newfile> http://example.test/fw.bin </newfile><sha256>ABCdef</sha256></firmware>"
            "<firmware><current>99</current></firmware></update>"));
  EXPECT_EQ(manifest.current, 21u);
  EXPECT_EQ(manifest.imageUrl, "http://example.test/fw.bin");
  EXPECT_EQ(manifest.sha256, "abcdef");
}

TEST(UpdateManifest, MissingElementsAndNonsenseGiveNothingOnOffer) {
  for (const std::string text :
       {"<update><firmware><newfile>http://x/</newfile></firmware></update>",
        "<update><software><current>30</current></software></update>", "not xml at all", ""}) {
    const UpdateManifest manifest = ReadUpdateManifest(Bytes(text));
    EXPECT_EQ(manifest.current, 0u) << text;
    EXPECT_FALSE(OffersNewer(manifest, 0)) << text;
  }
  EXPECT_EQ(ReadUpdateManifest(Bytes("<u><firmware><current>5</current></firmware></u>")).imageUrl,
            "");
  EXPECT_EQ(ReadUpdateManifest(std::filesystem::path("/nonexistent/update.xml")).current, 0u);
}

TEST(UpdateManifest, NewerMeansAboveTheInstalledVersion) {
  const UpdateManifest manifest{17, "", ""};
  EXPECT_TRUE(OffersNewer(manifest, 16));
  EXPECT_FALSE(OffersNewer(manifest, 17));
  EXPECT_FALSE(OffersNewer(manifest, 18));
  // A mouse that did not tell its version takes any offered one.
  EXPECT_TRUE(OffersNewer(manifest, 0));
}

}  // namespace
}  // namespace n63k
