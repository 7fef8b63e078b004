#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

#include "core/base/Utf.h"
#include "core/macro/MacroTable.h"
#include "support/Macros.h"

namespace n63k {
namespace {

using test::StoredMacro;

// A table whose slots hold the given records, as a file would give them.
MacroTable TableWith(const std::map<std::size_t, MacroRecord>& slots) {
  std::vector<std::uint8_t> bytes(sizeof(MacroSlots), 0);
  for (const auto& [slot, record] : slots) {
    std::memcpy(bytes.data() + slot * sizeof(MacroRecord), &record, sizeof record);
  }
  MacroTable table;
  table.Fill(bytes);
  return table;
}

std::size_t SlotOf(const MacroTable& table, const MacroRecord* record) {
  return static_cast<std::size_t>(record - table.Slots().data());
}

TEST(MacroTable, StartsEmpty) {
  MacroTable table;
  EXPECT_EQ(table.Bytes().size(), 2052000u);
  for (const std::uint8_t byte : table.Bytes()) {
    ASSERT_EQ(byte, 0);
  }
  EXPECT_EQ(table.FindMacroToSend(0), nullptr);
}

TEST(MacroTable, StoresIntoTheFirstFreeSlot) {
  MacroTable table = TableWith({{0, StoredMacro(0x15000001)}, {2, StoredMacro(0x15000003)}});
  ASSERT_TRUE(table.PutMacro(StoredMacro(0x15000002)));
  EXPECT_EQ(SlotOf(table, table.FindMacro(0x15000002)), 1u);
  ASSERT_TRUE(table.PutMacro(StoredMacro(0x15000004)));
  EXPECT_EQ(SlotOf(table, table.FindMacro(0x15000004)), 3u);
}

TEST(MacroTable, StoresByIdentifierBeforeAFreeSlot) {
  MacroTable table = TableWith({{5, StoredMacro(0x03000007, "old")}});
  ASSERT_TRUE(table.PutMacro(StoredMacro(0x03000007, "new")));
  EXPECT_EQ(SlotOf(table, table.FindMacro(0x03000007)), 5u);
  EXPECT_EQ(FixedText(table.Slots()[5].name), "new");
  EXPECT_EQ(table.Slots()[0].magic, 0u);
}

TEST(MacroTable, StoringZeroesTheEventsPastTheCount) {
  MacroTable table = TableWith({{0, StoredMacro(7, "m", std::vector<MacroEvent>(10, 0xC0000041))}});
  ASSERT_TRUE(table.PutMacro(StoredMacro(7)));
  EXPECT_EQ(table.Slots()[0].eventCount, 1u);
  EXPECT_EQ(table.Slots()[0].events[1], 0u);
  EXPECT_EQ(table.Slots()[0].events[9], 0u);
}

TEST(MacroTable, StoringNeverClaimsMoreEventsThanTheRecordHolds) {
  MacroRecord record = StoredMacro(7);
  record.eventCount = 5000;
  MacroTable table;
  ASSERT_TRUE(table.PutMacro(record));
  EXPECT_EQ(table.Slots()[0].eventCount, 1000u);
}

struct RefusedCase {
  const char* what;
  std::uint32_t size;
  std::uint32_t magic;
};

class RefusedRecordTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedRecordTest, ChangesNothing) {
  MacroRecord record = StoredMacro(0x01000001);
  record.size = GetParam().size;
  record.magic = GetParam().magic;
  MacroTable table;
  EXPECT_FALSE(table.PutMacro(record)) << GetParam().what;
  EXPECT_EQ(table.FindMacro(0x01000001), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Records, RefusedRecordTest,
                         ::testing::Values(RefusedCase{"size too small", 4100, kMacroMagic},
                                           RefusedCase{"no magic", 4104, 0},
                                           RefusedCase{"wrong magic mark", 4104, 0xE8E90010}));

TEST(MacroTable, AcceptsAnyLowHalfOfTheMagic) {
  MacroRecord record = StoredMacro(0x01000001);
  record.magic = 0xE8E80000;
  MacroTable table;
  EXPECT_TRUE(table.PutMacro(record));
}

TEST(MacroTable, FullTableRefusesANewIdentifierButReplacesAKnownOne) {
  std::map<std::size_t, MacroRecord> slots;
  for (std::size_t i = 0; i < kMacroSlotCount; ++i) {
    slots[i] = StoredMacro(0x15000000 + static_cast<std::uint32_t>(i));
  }
  MacroTable table = TableWith(slots);
  EXPECT_FALSE(table.PutMacro(StoredMacro(0x15FFFFFF)));
  EXPECT_EQ(table.FindMacro(0x15FFFFFF), nullptr);
  EXPECT_TRUE(table.PutMacro(StoredMacro(0x15000063, "again")));
  EXPECT_EQ(FixedText(table.Slots()[0x63].name), "again");
}

TEST(MacroTable, DamagedSlotIsUnlistedButFoundReplacedAndCleared) {
  MacroRecord damaged = StoredMacro(0x02000009, "damaged");
  damaged.size = 12;
  damaged.magic = 0x12345678;
  MacroTable table = TableWith({{3, damaged}});
  EXPECT_TRUE(table.ListMacrosOfGroup(2).empty());
  EXPECT_EQ(SlotOf(table, table.FindMacro(0x02000009)), 3u);

  ASSERT_TRUE(table.PutMacro(StoredMacro(0x02000009, "repaired")));
  EXPECT_EQ(SlotOf(table, table.FindMacro(0x02000009)), 3u);
  EXPECT_EQ(table.Slots()[3].size, 4104u);
  EXPECT_EQ(table.Slots()[3].magic, kMacroMagic);
  ASSERT_EQ(table.ListMacrosOfGroup(2).size(), 1u);

  table.ClearMacro(0x02000009);
  EXPECT_EQ(table.FindMacro(0x02000009), nullptr);
}

TEST(MacroTable, SlotWithAnyMagicIsNotFree) {
  MacroRecord damaged{};
  damaged.magic = 0x00000001;
  MacroTable table = TableWith({{0, damaged}});
  ASSERT_TRUE(table.PutMacro(StoredMacro(0x01000001)));
  EXPECT_EQ(SlotOf(table, table.FindMacro(0x01000001)), 1u);
  EXPECT_EQ(table.Slots()[0].magic, 1u);
}

TEST(MacroTable, ListsEachGroupInSlotOrder) {
  MacroRecord sizeOnly = StoredMacro(0x03000004, "size only");
  sizeOnly.magic = 0;
  MacroRecord magicOnly = StoredMacro(0x03000005, "magic only");
  magicOnly.size = 0;
  MacroTable table = TableWith({{0, StoredMacro(0x03000002, "b")},
                                {1, StoredMacro(0x04000001, "other group")},
                                {2, StoredMacro(0x03000001, "a")},
                                {3, sizeOnly},
                                {4, magicOnly},
                                {5, StoredMacro(0x00000009, "no group")},
                                {6, StoredMacro(0x16000009, "past the groups")}});
  const std::vector<MacroListItem> items = table.ListMacrosOfGroup(3);
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].identifier, 0x03000002u);
  EXPECT_EQ(items[0].name, "b");
  EXPECT_EQ(items[1].name, "a");
  EXPECT_EQ(items[2].name, "size only");
  EXPECT_EQ(items[3].name, "magic only");
  for (int group = 1; group <= 21; ++group) {
    for (const MacroListItem& item : table.ListMacrosOfGroup(group)) {
      EXPECT_NE(item.name, "no group");
      EXPECT_NE(item.name, "past the groups");
    }
  }
}

TEST(MacroTable, ClearsOnlyTheFirstSlotWithTheIdentifier) {
  MacroTable table = TableWith({{1, StoredMacro(9, "first")}, {4, StoredMacro(9, "second")}});
  table.ClearMacro(9);
  EXPECT_EQ(table.Slots()[1].size, 0u);
  EXPECT_EQ(SlotOf(table, table.FindMacro(9)), 4u);
  table.ClearMacro(0x7777);
  EXPECT_EQ(SlotOf(table, table.FindMacro(9)), 4u);
}

TEST(MacroTable, SendsOnlyARecordThatIsNotEmpty) {
  MacroRecord sizeless = StoredMacro(0x05000001);
  sizeless.size = 0;
  MacroTable table = TableWith({{0, sizeless}, {1, StoredMacro(0x05000002)}});
  EXPECT_EQ(table.FindMacroToSend(0x05000001), nullptr);
  EXPECT_EQ(SlotOf(table, table.FindMacroToSend(0x05000002)), 1u);
  EXPECT_EQ(table.FindMacroToSend(0x05000003), nullptr);
}

TEST(MacroTable, FillReadsAShortOrLongImage) {
  const MacroRecord record = StoredMacro(0x01000001, "short");
  std::vector<std::uint8_t> bytes(sizeof record);
  std::memcpy(bytes.data(), &record, sizeof record);
  MacroTable table = TableWith({{7, StoredMacro(0x01000002)}});
  table.Fill(bytes);
  EXPECT_EQ(FixedText(table.Slots()[0].name), "short");
  EXPECT_EQ(table.Slots()[7].magic, 0u);

  std::vector<std::uint8_t> longer(sizeof(MacroSlots) + 100, 0xAB);
  table.Fill(longer);
  EXPECT_EQ(table.Slots()[499].identifier, 0xABABABABu);
}

TEST(NewMacroId, TakesTheGroupAndTheLowBitsOfTheTickCount) {
  VirtualClock clock(0x1234567890);
  EXPECT_EQ(NewMacroId(3, clock), 0x03567890u);
  EXPECT_EQ(MacroGroup(NewMacroId(21, clock)), 21);
}

TEST(MacroTable, NewIdentifiersNeverTakeOneInUse) {
  struct Case {
    const char* name;
    std::uint64_t nowMs;
    std::vector<std::uint32_t> stored;
    std::uint32_t expected;
  };
  const std::vector<Case> cases = {
      {"free tick", 0x1234, {0x15001233}, 0x15001234},
      {"taken tick moves on", 0x1234, {0x15001234, 0x15001235}, 0x15001236},
      {"another group's tick is free", 0x1234, {0x03001234}, 0x15001234},
      {"wraps within the group", 0xFFFFFF, {0x15FFFFFF}, 0x15000000},
  };
  for (const Case& c : cases) {
    MacroTable table;
    for (const std::uint32_t id : c.stored) {
      ASSERT_TRUE(table.PutMacro(StoredMacro(id)));
    }
    const VirtualClock clock(c.nowMs);
    EXPECT_EQ(table.NewUnusedMacroId(21, clock), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace n63k
