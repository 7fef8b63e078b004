#include <gtest/gtest.h>

#include <optional>

#include "core/buttons/ButtonEncoding.h"
#include "core/buttons/ButtonSlots.h"
#include "core/store/ProfileRecord.h"

namespace n63k {
namespace {

struct WordCase {
  int slot;
  std::int32_t code;
  std::uint32_t comboWord;
  std::optional<DeviceMacro> macro;
  std::optional<std::uint32_t> expected;
};

class EncodeButtonWordTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(EncodeButtonWordTest, GivesTheDeviceWord) {
  const WordCase& c = GetParam();
  ButtonEntry entry{};
  entry.functionCode = c.code;
  entry.comboWord = c.comboWord;
  EXPECT_EQ(EncodeButtonWord(c.slot, entry, c.macro), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Functions, EncodeButtonWordTest,
    ::testing::Values(
        // Fixed words of the catalogue.
        WordCase{0, 1, 0, {}, 0x00F00001}, WordCase{2, 16, 0, {}, 0x00F30001},
        WordCase{1, 81, 0, {}, 0x003D0400}, WordCase{1, 127, 0, {}, 0x00560800},
        WordCase{3, 40, 0, {}, 0x01830003}, WordCase{3, 39, 0, {}, 0x00E20003},
        WordCase{4, 142, 0, {}, 0x08040007}, WordCase{4, 143, 0, {}, 0x0218F00A},
        WordCase{5, 121, 0, {}, 0x00000007}, WordCase{6, 11, 0, {}, 0x00010004},
        // A combination sends its stored word, whatever the slot.
        WordCase{2, 5, 0x00060300, {}, 0x00060300},
        // A macro: slot and the low byte of the word count; a macro that no
        // longer exists leaves the slot its default function.
        WordCase{1, 6, 0, DeviceMacro{2, 3}, 0x03020009},
        WordCase{1, 6, 0, DeviceMacro{7, 255}, 0xFF070009},
        WordCase{1, 6, 0, std::nullopt, 0x00F20001}, WordCase{0, 6, 0, std::nullopt, 0x00F00001},
        // A PC action keeps the slot's default word.
        WordCase{0, 19, 0, {}, 0x00F00001}, WordCase{1, 19, 0, {}, 0x00F20001},
        WordCase{2, 19, 0, {}, 0x00F10001}, WordCase{3, 19, 0, {}, 0x00F40001},
        WordCase{4, 19, 0, {}, 0x00F30001}, WordCase{5, 19, 0, {}, 0x00010004},
        WordCase{6, 19, 0, {}, 0x00020004},
        // Codes outside the catalogue, and slots outside 0-6.
        WordCase{0, 0, 0, {}, std::nullopt}, WordCase{0, 3, 0, {}, std::nullopt},
        WordCase{0, 999, 0, {}, std::nullopt}, WordCase{7, 1, 0, {}, std::nullopt},
        WordCase{-1, 19, 0, {}, std::nullopt}));

TEST(EncodeButtonWord, DefaultProfileGivesTheMouseItsOwnButtons) {
  ProfileRecord record;
  BuildDefaultProfile(record, false);
  const std::uint32_t expected[kButtonCount] = {0x00F00001, 0x00F20001, 0x00F10001, 0x00F40001,
                                                0x00F30001, 0x00010004, 0x00020004};
  for (int slot = 0; slot < kButtonCount; ++slot) {
    EXPECT_EQ(EncodeButtonWord(slot, record.buttons[slot], std::nullopt), expected[slot])
        << "slot " << slot;
  }
}

TEST(WatchButton, PcActionIsWatchedAndEveryOtherFunctionIsNot) {
  ProfileRecord record;
  BuildDefaultProfile(record, false);
  record.buttons[5].functionCode = 19;
  record.buttons[2].functionCode = 19;
  MouseWatchList watchList;
  for (int slot = 0; slot < kButtonCount; ++slot) {
    WatchButton(watchList, slot, record.buttons[slot]);
  }
  EXPECT_TRUE(watchList.IsWatched(0x20A01));
  EXPECT_TRUE(watchList.IsWatched(0x0204));
  EXPECT_FALSE(watchList.IsWatched(0x20A00));
  EXPECT_FALSE(watchList.IsWatched(0x0201));

  BuildDefaultProfile(record, false);
  for (int slot = 0; slot < kButtonCount; ++slot) {
    WatchButton(watchList, slot, record.buttons[slot]);
  }
  for (const ButtonSlot& slot : kButtonSlots) {
    EXPECT_FALSE(watchList.IsWatched(slot.hookIdentity)) << slot.name;
  }
}

TEST(WatchButton, RewritingTheSameProfileKeepsOneEntryPerControl) {
  ButtonEntry pcAction{};
  pcAction.functionCode = 19;
  MouseWatchList watchList;
  WatchButton(watchList, 6, pcAction);
  WatchButton(watchList, 6, pcAction);
  watchList.Unwatch(0x20A00);
  EXPECT_FALSE(watchList.IsWatched(0x20A00));
}

}  // namespace
}  // namespace n63k
