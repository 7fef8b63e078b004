#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/store/ProfileRecord.h"

namespace n63k {
namespace {

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

void PutUtf16(std::vector<std::uint8_t>& bytes, std::size_t offset, std::u16string_view text) {
  for (const char16_t c : text) {
    bytes[offset++] = static_cast<std::uint8_t>(c & 0xFF);
    bytes[offset++] = static_cast<std::uint8_t>(c >> 8);
  }
}

// The default record written out from the documented layout, byte by byte.
std::vector<std::uint8_t> ExpectedDefaultRecord(bool chinese) {
  std::vector<std::uint8_t> bytes(22252, 0);
  PutU32(bytes, 0, 0x80800295);
  const std::uint32_t codes[] = {1, 4, 2, 8, 16, 11, 22};
  const std::u16string_view english[] = {u"Click", u"Middle",    u"Menu",       u"Forward",
                                         u"Back",  u"Scroll up", u"Scroll down"};
  const std::u16string_view chineseNames[] = {u"单击", u"中键",     u"菜单",    u"前进",
                                              u"后退", u"滚轮前滚", u"滚轮后滚"};
  for (std::size_t slot = 0; slot < 7; ++slot) {
    const std::size_t entry = 4 + slot * 3148;
    PutU32(bytes, entry, codes[slot]);
    PutUtf16(bytes, entry + 548, chinese ? chineseNames[slot] : english[slot]);
  }
  const std::uint32_t dpi[] = {750, 1250, 1500, 2000, 2500, 3500, 4000};
  for (std::size_t i = 0; i < 7; ++i) {
    PutU32(bytes, 22040 + 4 * i, dpi[i]);
  }
  PutU32(bytes, 22160, 15);
  PutU32(bytes, 22164, 1);
  PutU32(bytes, 22168, 5);
  for (std::size_t i = 0; i < 4; ++i) {
    bytes[22176 + 4 * i] = 0xFF;
    PutU32(bytes, 22192 + 4 * i, 1);
  }
  PutU32(bytes, 22224, 1);
  PutU32(bytes, 22232, 10);
  PutU32(bytes, 22236, 5);
  PutU32(bytes, 22240, 3);
  PutU32(bytes, 22244, 4);
  PutU32(bytes, 22248, 3);
  return bytes;
}

TEST(ProfileRecord, DefaultRecordIsExactToTheByte) {
  for (const bool chinese : {false, true}) {
    ProfileRecord record;
    std::memset(&record, 0xAB, sizeof record);
    BuildDefaultProfile(record, chinese);
    const auto bytes = RecordBytes(record);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), ExpectedDefaultRecord(chinese))
        << (chinese ? "Chinese" : "English");
  }
}

}  // namespace
}  // namespace n63k
