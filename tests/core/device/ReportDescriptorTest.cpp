#include <gtest/gtest.h>

#include <string>

#include "core/device/ReportDescriptor.h"

namespace n63k {
namespace {

using Bytes = std::vector<std::uint8_t>;

// HID 1.11 appendix B.2: the boot mouse.
const Bytes kBootMouse = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00,
                          0x05, 0x09, 0x19, 0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01,
                          0x95, 0x03, 0x75, 0x01, 0x81, 0x02, 0x95, 0x01, 0x75, 0x05,
                          0x81, 0x01, 0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x15, 0x81,
                          0x25, 0x7F, 0x75, 0x08, 0x95, 0x02, 0x81, 0x06, 0xC0, 0xC0};

// HID 1.11 appendix B.1: the boot keyboard, with its LED output report.
const Bytes kBootKeyboard = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00, 0x25, 0x01,
    0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x95, 0x01, 0x75, 0x08, 0x81, 0x01, 0x95, 0x05, 0x75, 0x01,
    0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x91, 0x02, 0x95, 0x01, 0x75, 0x03, 0x91, 0x01, 0x95, 0x06,
    0x75, 0x08, 0x15, 0x00, 0x25, 0x65, 0x05, 0x07, 0x19, 0x00, 0x29, 0x65, 0x81, 0x00, 0xC0};

// A vendor collection whose feature report `id` carries `count` bytes of
// usage 0xFF01:`usage`.
Bytes Vendor(std::uint8_t id, std::uint8_t usage, std::uint8_t count) {
  return {0x06, 0x01, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85,  id,   0x09, usage, 0x15,
          0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, count, 0xB1, 0x02, 0xC0};
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

TEST(ReportDescriptor, BootMouseFields) {
  const auto fields = ParseReportDescriptor(kBootMouse);
  ASSERT_TRUE(fields.has_value());
  ASSERT_EQ(fields->size(), 3u);
  const ReportField& buttons = (*fields)[0];
  EXPECT_EQ(buttons.kind, ReportKind::kInput);
  EXPECT_EQ(buttons.reportId, 0);
  EXPECT_EQ(buttons.reportSize, 1u);
  EXPECT_EQ(buttons.reportCount, 3u);
  EXPECT_TRUE(buttons.variable);
  ASSERT_EQ(buttons.usages.size(), 1u);
  EXPECT_EQ(buttons.usages[0].run.first, 0x00090001u);
  EXPECT_EQ(buttons.usages[0].run.last, 0x00090003u);
  EXPECT_TRUE((*fields)[1].constant);
  EXPECT_TRUE((*fields)[1].usages.empty());
  const ReportField& axes = (*fields)[2];
  ASSERT_EQ(axes.usages.size(), 2u);
  EXPECT_EQ(axes.usages[0].run.first, 0x00010030u);
  EXPECT_EQ(axes.usages[0].count, 1u);
  EXPECT_EQ(axes.usages[1].run.first, 0x00010031u);
  EXPECT_EQ(axes.usages[1].count, 1u);
}

TEST(ReportDescriptor, BootKeyboardFields) {
  const auto fields = ParseReportDescriptor(kBootKeyboard);
  ASSERT_TRUE(fields.has_value());
  ASSERT_EQ(fields->size(), 5u);
  const ReportField& leds = (*fields)[2];
  EXPECT_EQ(leds.kind, ReportKind::kOutput);
  EXPECT_EQ(leds.reportCount, 5u);
  EXPECT_EQ(leds.usages[0].run.first, 0x00080001u);
  EXPECT_EQ(leds.usages[0].run.last, 0x00080005u);
  const ReportField& keys = (*fields)[4];
  EXPECT_FALSE(keys.variable);
  EXPECT_EQ(keys.reportCount, 6u);
  EXPECT_EQ(keys.usages[0].run.first, 0x00070000u);
  EXPECT_EQ(keys.usages[0].run.last, 0x00070065u);
}

TEST(ReportDescriptor, PushAndPopRestoreTheGlobalState) {
  // Report ID 2, size 8, count 4; push; ID 3, count 1 feature; pop; feature.
  const Bytes bytes = {0x06, 0x01, 0xFF, 0x85, 0x02, 0x75, 0x08, 0x95, 0x04, 0xA4, 0x85, 0x03,
                       0x95, 0x01, 0x09, 0x10, 0xB1, 0x02, 0xB4, 0x09, 0x22, 0xB1, 0x02};
  const auto fields = ParseReportDescriptor(bytes);
  ASSERT_TRUE(fields.has_value());
  ASSERT_EQ(fields->size(), 2u);
  EXPECT_EQ((*fields)[0].reportId, 3);
  EXPECT_EQ((*fields)[0].reportCount, 1u);
  EXPECT_EQ((*fields)[1].reportId, 2);
  EXPECT_EQ((*fields)[1].reportCount, 4u);
  EXPECT_EQ((*fields)[1].usages[0].run.first, 0xFF010022u);
}

TEST(ReportDescriptor, UsagesTakeThePageOfTheMainItemUnlessExtended) {
  // Usage 0x22 and the extended usage 0xFF01:0x23 are declared under page 1;
  // the page changes to 0xFF01 before the main item.
  const Bytes bytes = {0x05, 0x01, 0x09, 0x22, 0x0B, 0x23, 0x00, 0x01, 0xFF,
                       0x06, 0x02, 0xFF, 0x75, 0x08, 0x95, 0x02, 0xB1, 0x02};
  const auto fields = ParseReportDescriptor(bytes);
  ASSERT_TRUE(fields.has_value());
  ASSERT_EQ((*fields)[0].usages.size(), 2u);
  EXPECT_EQ((*fields)[0].usages[0].run.first, 0xFF020022u);
  EXPECT_EQ((*fields)[0].usages[1].run.first, 0xFF010023u);
}

TEST(ReportDescriptor, LongItemsAreSkipped) {
  const Bytes bytes = Join({{0xFE, 0x03, 0xF0, 0xAA, 0xBB, 0xCC}, Vendor(4, 0x22, 32)});
  const auto value = FindFeatureValue(*ParseReportDescriptor(bytes), 0xFF01, 0x22);
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(value->reportId, 4);
}

TEST(ReportDescriptor, FindsTheFeatureValue) {
  struct Case {
    std::string name;
    Bytes bytes;
    std::optional<FeatureValue> expected;
  };
  // A vendor feature carrying usages 0x21 and 0x22 over 32 bytes: the last
  // usage takes the fields left over.
  const Bytes twoUsages = {0x06, 0x01, 0xFF, 0x85, 0x09, 0x09, 0x21, 0x09,
                           0x22, 0x75, 0x08, 0x95, 0x20, 0xB1, 0x02};
  // The same usage as a one-bit field, an array, and a constant.
  const Bytes oneBit = {0x06, 0x01, 0xFF, 0x85, 0x01, 0x09, 0x22,
                        0x75, 0x01, 0x95, 0x08, 0xB1, 0x02};
  const Bytes array = {0x06, 0x01, 0xFF, 0x85, 0x01, 0x09, 0x22,
                       0x75, 0x08, 0x95, 0x20, 0xB1, 0x00};
  const Bytes constant = {0x06, 0x01, 0xFF, 0x85, 0x01, 0x09, 0x22,
                          0x75, 0x08, 0x95, 0x20, 0xB1, 0x03};
  // Usage 0x22 as an input value, not a feature.
  const Bytes input = {0x06, 0x01, 0xFF, 0x85, 0x01, 0x09, 0x22,
                       0x75, 0x08, 0x95, 0x20, 0x81, 0x02};
  const std::vector<Case> cases = {
      {"boot mouse", kBootMouse, std::nullopt},
      {"boot keyboard", kBootKeyboard, std::nullopt},
      {"vendor value", Vendor(1, 0x22, 32), FeatureValue{1, 32}},
      {"vendor without the value", Vendor(1, 0x21, 32), std::nullopt},
      {"value under another report ID", Join({Vendor(6, 0x21, 8), Vendor(7, 0x22, 64)}),
       FeatureValue{7, 64}},
      {"first of two values", Join({Vendor(2, 0x22, 16), Vendor(3, 0x22, 32)}),
       FeatureValue{2, 16}},
      {"mouse then vendor", Join({kBootMouse, Vendor(5, 0x22, 32)}), FeatureValue{5, 32}},
      {"two usages", twoUsages, FeatureValue{9, 31}},
      {"one-bit field", oneBit, std::nullopt},
      {"array", array, std::nullopt},
      {"constant", constant, std::nullopt},
      {"input", input, std::nullopt},
  };
  for (const Case& c : cases) {
    const auto fields = ParseReportDescriptor(c.bytes);
    ASSERT_TRUE(fields.has_value()) << c.name;
    const auto value = FindFeatureValue(*fields, 0xFF01, 0x22);
    ASSERT_EQ(value.has_value(), c.expected.has_value()) << c.name;
    if (value) {
      EXPECT_EQ(value->reportId, c.expected->reportId) << c.name;
      EXPECT_EQ(value->reportCount, c.expected->reportCount) << c.name;
    }
  }
}

TEST(ReportDescriptor, MalformedOrTruncatedDescriptorsAreRefused) {
  const Bytes vendor = Vendor(1, 0x22, 32);
  const std::vector<std::pair<std::string, Bytes>> cases = {
      {"cut inside the last item", Bytes(vendor.begin(), vendor.end() - 2)},
      {"cut after a prefix", {0x06, 0x01}},
      {"four-byte item cut", {0x0B, 0x22, 0x00}},
      {"long item cut", {0xFE, 0x05, 0x00, 0x01}},
      {"long item header cut", {0xFE, 0x05}},
      {"unclosed collection", {0x05, 0x01, 0xA1, 0x01}},
      {"end without collection", {0xC0}},
      {"pop without push", {0xB4}},
      {"report ID 0", {0x85, 0x00}},
      {"report ID above 255", {0x86, 0x00, 0x01}},
      {"usage maximum alone", {0x29, 0x05, 0x81, 0x02}},
      {"usage minimum above maximum", {0x19, 0x05, 0x29, 0x01, 0x81, 0x02}},
      {"usage minimum alone", {0x19, 0x05, 0x81, 0x02}},
      {"report size too large", {0x76, 0x01, 0x02}},
      {"report count too large", {0x96, 0x01, 0x40}},
      {"reserved main item", {0xD1, 0x00}},
  };
  for (const auto& [name, bytes] : cases) {
    EXPECT_FALSE(ParseReportDescriptor(bytes).has_value()) << name;
  }
}

TEST(ReportDescriptor, EmptyDescriptorHasNoFields) {
  const auto fields = ParseReportDescriptor({});
  ASSERT_TRUE(fields.has_value());
  EXPECT_TRUE(fields->empty());
}

}  // namespace
}  // namespace n63k
