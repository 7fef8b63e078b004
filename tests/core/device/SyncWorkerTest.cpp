#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "core/buttons/FunctionCatalogue.h"
#include "core/device/DeviceCommands.h"
#include "core/device/SyncWorker.h"
#include "core/device/WorkerBench.h"

namespace n63k {
namespace {

using test::WorkerBench;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const std::string kDefaultMatrixFirstHalf =
    "01 00 f0 00 01 00 f1 00 01 00 f2 00 07 00 03 00 01 00 f3 00 01 00 f4 00 00 00 00 00 00 00 00 "
    "00";
const std::string kDefaultMatrixSecondHalf =
    "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 04 00 01 00 04 00 02 "
    "00";
const std::string kDefaultDpi = "03 05 06 08 0a 0e 28 02 03 05 06 08 0a 0e 28 02";

// A macro of key down 'A', 50 ms, key up 'A': image 00 01 06 04 81 04, three
// words.
MacroRecord Macro(std::uint32_t id) {
  MacroRecord record{};
  record.size = sizeof(MacroRecord);
  record.magic = kMacroMagic;
  record.identifier = id;
  record.loopCount = 1;
  record.eventCount = 3;
  record.events[0] = MakeEvent(MacroEventKind::kKeyDown, 0x41);
  record.events[1] = MakeEvent(MacroEventKind::kDelay, 50);
  record.events[2] = MakeEvent(MacroEventKind::kKeyUp, 0x41);
  return record;
}

void AssignMacro(WorkerBench& bench, int slot, std::uint32_t id) {
  bench.Record().buttons[slot].functionCode = kFunctionMacro;
  bench.Record().buttons[slot].macroId = id;
  bench.state.buttonMacroIds()[static_cast<std::size_t>(slot)] = id;
}

// The lines of one macro written at `at` into device slot `slot`.
std::vector<std::string> MacroLines(const WorkerBench& bench, std::uint64_t at, int slot) {
  std::vector<std::string> lines{
      bench.Set(at, "13 01 0" + std::to_string(slot) + " 00 02"),
      bench.Out(at + 150, "00 01 06 04 81 04"),
  };
  for (std::uint64_t chunk = 1; chunk < 16; ++chunk) {
    lines.push_back(bench.Out(at + 150 + 100 * chunk, ""));
  }
  return lines;
}

TEST(SyncWorker, WritesTheDefaultProfile) {
  WorkerBench bench;
  ASSERT_EQ(bench.Write(), std::nullopt);
  EXPECT_THAT(bench.Trace(),
              ElementsAre(bench.Set(400, "12 01 00 40 00"), bench.Out(550, kDefaultMatrixFirstHalf),
                          bench.Out(650, kDefaultMatrixSecondHalf),
                          bench.Set(700, "0c 01 00 ff 00"), bench.Set(700, "0d 01 05 04 00"),
                          bench.Set(700, "03 a0"), bench.Set(700, "11 01 07 10 00"),
                          bench.Out(750, kDefaultDpi), bench.Set(800, "0b 01 03"),
                          "800 POINTER precision 0 speed 10 lines 3", bench.Set(800, "01 01")));
  EXPECT_EQ(bench.clock.NowMs(), 1100u);
  EXPECT_THAT(bench.listener.Progress(),
              ElementsAre(0, 7, 14, 21, 28, 35, 42, 60, 70, 75, 80, 90, 100));
  EXPECT_EQ(bench.mouse.memory().reportRate, 1);
  EXPECT_EQ(bench.mouse.memory().keyMatrix[3], 0x00030007u);
}

TEST(SyncWorker, DpiStagesFromTheProfile) {
  struct Case {
    std::vector<std::int32_t> levels;
    std::string block;
    std::string stages;
  };
  const std::vector<Case> cases = {
      {{750, 1250, 1500, 2000, 2500, 3500, 4000}, kDefaultDpi, "0b 01 03"},
      {{800, 1600, 0, 0, 0, 0, 0}, "80 80 80 80 80 80 80 02 80 80 80 80 80 80 80 02", "0b 01 00"},
      {{250, 500, 0, 0, 0, 0, 0}, "01 02 80 80 80 80 80 02 01 02 80 80 80 80 80 02", "0b 01 02"},
      {{1000, 1750, 2250, 2750, 3000, 3250, 5000},
       "04 07 09 0b 0c 0d 2a 02 04 07 09 0b 0c 0d 2a 02",
       "0b 01 03"},
      {{6000, 7000, -250, 0, 0, 0, 0, 250},
       "2c 2e 80 80 80 80 80 02 2c 2e 80 80 80 80 80 02",
       "0b 01 02"},
  };
  for (const Case& c : cases) {
    WorkerBench bench;
    std::fill(std::begin(bench.Record().dpiLevels), std::end(bench.Record().dpiLevels), 0);
    std::copy(c.levels.begin(), c.levels.end(), bench.Record().dpiLevels);
    ASSERT_EQ(bench.Write(), std::nullopt);
    const auto& trace = bench.Trace();
    const auto header = std::find(trace.begin(), trace.end(), bench.Set(700, "11 01 07 10 00"));
    ASSERT_GE(std::distance(header, trace.end()), 3) << c.block;
    EXPECT_EQ(header[1], bench.Out(750, c.block));
    EXPECT_EQ(header[2], bench.Set(800, c.stages));
  }
}

TEST(SyncWorker, TheThreeColourBlockGoesOnlyWithTheMultiColourCycle) {
  struct Case {
    std::int32_t mode;
    std::int32_t multiColour;
    bool block;
  };
  for (const Case& c :
       {Case{5, 1, true}, Case{5, 0, false}, Case{1, 1, false}, Case{6, 1, false}}) {
    WorkerBench bench;
    bench.Record().ledMode = c.mode;
    bench.Record().ledMultiColour = c.multiColour;
    bench.Record().ledColours[0] = 0x00332211;
    bench.Record().ledColours[1] = 0x00665544;
    bench.Record().ledColours[2] = 0x00998877;
    ASSERT_EQ(bench.Write(), std::nullopt);
    const auto& trace = bench.Trace();
    const auto header = std::find(trace.begin(), trace.end(), bench.Set(700, "09 01 00 20 00"));
    if (c.block) {
      ASSERT_NE(header, trace.end());
      EXPECT_EQ(header[1], bench.Out(750, "11 22 33 44 55 66 77 88 99"));
      EXPECT_EQ(bench.clock.NowMs(), 1200u);
    } else {
      EXPECT_EQ(header, trace.end()) << c.mode << ' ' << c.multiColour;
      EXPECT_EQ(bench.clock.NowMs(), 1100u);
    }
  }
}

TEST(SyncWorker, ProximityAndEffectByLightingMode) {
  struct Case {
    std::int32_t mode;
    std::int32_t proximity;
    std::string effect;
    std::string touch;
  };
  const std::vector<Case> cases = {
      {6, 1, "0d 01 00 00 00", "03 b0"}, {5, 1, "0d 01 05 04 00", "03 a0"},
      {5, 0, "0d 01 05 04 00", "03 b0"}, {1, 1, "0d 01 01 05 01", "03 a0"},
      {2, 1, "0d 01 02 03 01", "03 a0"}, {3, 1, "0d 01 03 02 03", "03 a0"},
      {4, 1, "0d 01 04 0a 02", "03 a0"}, {9, 1, "0d 01 00 00 00", "03 a0"},
  };
  for (const Case& c : cases) {
    WorkerBench bench;
    bench.Record().ledMode = c.mode;
    bench.Record().proximitySensing = c.proximity;
    ASSERT_EQ(bench.Write(), std::nullopt);
    EXPECT_EQ(bench.Trace()[4], bench.Set(700, c.effect)) << c.mode;
    EXPECT_EQ(bench.Trace()[5], bench.Set(700, c.touch)) << c.mode;
  }
}

TEST(SyncWorker, TwoMacroButtonsGetSlotsOneAndTwo) {
  WorkerBench bench;
  bench.state.macroTable().PutMacro(Macro(0x01000001));
  bench.state.macroTable().PutMacro(Macro(0x02000002));
  AssignMacro(bench, 4, 0x01000001);
  AssignMacro(bench, 1, 0x02000002);
  ASSERT_EQ(bench.Write(), std::nullopt);

  // Button 0 at 50-100; button 1 sends its macro from 100, pauses 50 after the
  // macro and 50 after the button, until 1900; buttons 2 and 3 take 50 each;
  // button 4 sends the second macro from 2000.
  std::vector<std::string> expected = MacroLines(bench, 100, 1);
  const std::vector<std::string> second = MacroLines(bench, 2000, 2);
  expected.insert(expected.end(), second.begin(), second.end());
  const auto& trace = bench.Trace();
  ASSERT_GE(trace.size(), expected.size());
  EXPECT_THAT(std::vector(trace.begin(), trace.begin() + 34), ElementsAreArray(expected));
  EXPECT_EQ(trace[34], bench.Set(3900, "12 01 00 40 00"));
  EXPECT_EQ(trace[35], bench.Out(4050,
                                 "01 00 f0 00 01 00 f1 00 09 00 01 03 07 00 03 00 09 00 02 03 01 "
                                 "00 f4 00 00 00 00 00 00 00 00 00"));
  EXPECT_EQ(bench.clock.NowMs(), 1100u + 2 * 1750u);
}

TEST(SyncWorker, SevenMacroButtons) {
  WorkerBench bench;
  for (int slot = 0; slot < kButtonCount; ++slot) {
    const auto id = 0x03000000u + static_cast<std::uint32_t>(slot);
    bench.state.macroTable().PutMacro(Macro(id));
    AssignMacro(bench, slot, id);
  }
  ASSERT_EQ(bench.Write(), std::nullopt);
  for (int slot = 0; slot < kButtonCount; ++slot) {
    const std::uint64_t at = 50 + 1800 * static_cast<std::uint64_t>(slot);
    EXPECT_EQ(bench.Trace()[17 * static_cast<std::size_t>(slot)],
              bench.Set(at, "13 01 0" + std::to_string(slot + 1) + " 00 02"));
  }
  EXPECT_EQ(bench.mouse.memory().keyMatrix,
            (KeyMatrix{0x03010009, 0x03030009, 0x03020009, 0x00030007, 0x03050009, 0x03040009, 0, 0,
                       0, 0, 0, 0, 0, 0, 0x03060009, 0x03070009}));
  for (const auto& image : bench.mouse.memory().macros) {
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ((*image)[2], 0x06);
  }
  EXPECT_EQ(bench.clock.NowMs(), 1100u + 7 * 1750u);
}

TEST(SyncWorker, APcActionKeepsTheNativeWordAndIsWatched) {
  WorkerBench bench;
  bench.state.mouseWatchList().Watch(0x0201);  // left, from an earlier write
  bench.Record().buttons[2].functionCode = kFunctionPcAction;
  bench.Record().buttons[5].functionCode = kFunctionPcAction;
  ASSERT_EQ(bench.Write(), std::nullopt);
  EXPECT_EQ(bench.mouse.memory().keyMatrix[1], 0x00F10001u);
  EXPECT_EQ(bench.mouse.memory().keyMatrix[14], 0x00010004u);
  EXPECT_TRUE(bench.state.mouseWatchList().IsWatched(0x0204));
  EXPECT_TRUE(bench.state.mouseWatchList().IsWatched(0x20A01));
  EXPECT_FALSE(bench.state.mouseWatchList().IsWatched(0x0201));
  EXPECT_EQ(bench.clock.NowMs(), 1100u);
}

TEST(SyncWorker, AButtonWhoseMacroIsGoneKeepsItsDefaultFunction) {
  WorkerBench bench;
  MacroRecord empty = Macro(0x05000005);
  bench.state.macroTable().PutMacro(Macro(0x04000004));
  bench.state.macroTable().PutMacro(empty);
  // An empty slot (size 0) that still holds the identifier.
  const_cast<MacroRecord*>(bench.state.macroTable().FindMacro(0x05000005))->size = 0;
  AssignMacro(bench, 0, 0x0BADBAD0);  // in no record
  AssignMacro(bench, 1, 0x05000005);  // empty record
  AssignMacro(bench, 2, 0x04000004);
  const ProfileSnapshot snapshot = bench.Snapshot();
  EXPECT_EQ(snapshot.missingMacros, (std::vector<int>{0, 1}));
  ASSERT_EQ(bench.Write(), std::nullopt);
  // Neither takes a macro slot: the third button's macro goes into slot 1
  // after the two buttons' pauses.
  EXPECT_EQ(bench.Trace()[0], bench.Set(150, "13 01 01 00 02"));
  EXPECT_EQ(bench.mouse.memory().keyMatrix[0], 0x00F00001u) << "left still clicks";
  EXPECT_EQ(bench.mouse.memory().keyMatrix[2], 0x00F20001u);
  EXPECT_EQ(bench.mouse.memory().keyMatrix[1], 0x03010009u);
  EXPECT_EQ(bench.clock.NowMs(), 1100u + 1750u);
}

TEST(SyncWorker, EachFailingStepEndsTheWriteWithItsCode) {
  struct Case {
    std::string what;
    int refused;  // counted over the reports of the write
    bool colourBlock;
    bool macro;
    SyncFailure failure;
    int lastProgress;
  };
  const std::vector<Case> cases = {
      {"key-matrix header", 1, false, false, SyncFailure::kKeyMatrix, 42},
      {"key-matrix data", 3, false, false, SyncFailure::kKeyMatrix, 42},
      {"colour", 4, false, false, SyncFailure::kLedColour, 60},
      {"effect", 5, false, false, SyncFailure::kLedEffect, 60},
      {"three-colour header", 6, true, false, SyncFailure::kLedColours, 60},
      {"three-colour data", 7, true, false, SyncFailure::kLedColours, 60},
      {"proximity", 6, false, false, SyncFailure::kProximity, 70},
      {"DPI header", 7, false, false, SyncFailure::kDpi, 75},
      {"DPI data", 8, false, false, SyncFailure::kDpi, 75},
  };
  for (const Case& c : cases) {
    WorkerBench bench;
    if (c.colourBlock) {
      bench.Record().ledMultiColour = 1;
    }
    if (c.macro) {
      bench.state.macroTable().PutMacro(Macro(0x01000001));
      AssignMacro(bench, 0, 0x01000001);
    }
    bench.mouse.RefuseReport(c.refused);
    EXPECT_EQ(bench.Write(), c.failure) << c.what;
    EXPECT_EQ(bench.mouse.ReportsSent(), c.refused) << c.what << ": no command after the failure";
    EXPECT_EQ(bench.listener.Progress().back(), c.lastProgress) << c.what;
  }
}

// The mouse keeps what it had for a refused macro, stage count or report
// rate; the write sends everything else exactly as it would have, succeeds,
// and the trace names what was refused.
TEST(SyncWorker, RefusedMacroStageCountAndReportRateLetTheWriteGoOn) {
  struct Case {
    std::string what;
    int refused;  // counted over the reports of the write
    bool macro;
    std::vector<std::string> notes;
    std::uint64_t skippedMs;  // a refused header skips its pause and its data
  };
  const std::vector<Case> cases = {
      {"stage count", 9, false, {"SetDpiStage"}, 0},
      {"report rate", 10, false, {"SetPollingRate"}, 0},
      {"macro header", 1, true, {"WriteMacro"}, 100 + 16 * 100},
      {"macro data", 17, true, {"WriteMacro"}, 0},
  };
  for (const Case& c : cases) {
    WorkerBench expected;
    WorkerBench bench;
    for (WorkerBench* b : {&expected, &bench}) {
      if (c.macro) {
        b->state.macroTable().PutMacro(Macro(0x01000001));
        AssignMacro(*b, 0, 0x01000001);
      }
    }
    ASSERT_EQ(expected.Write(), std::nullopt);
    std::vector<std::string> notes;
    bench.worker.SetRefusalNotes(
        [&notes](std::string_view command) { notes.emplace_back(command); });
    bench.mouse.RefuseReport(c.refused);
    EXPECT_EQ(bench.Write(), std::nullopt) << c.what;
    EXPECT_EQ(notes, c.notes) << c.what;
    if (c.skippedMs == 0) {
      EXPECT_EQ(bench.Trace(), expected.Trace())
          << c.what << ": the same reports at the same times";
    } else {
      EXPECT_EQ(bench.Trace().size() + 16, expected.Trace().size()) << c.what;
    }
    EXPECT_EQ(bench.clock.NowMs() + c.skippedMs, expected.clock.NowMs()) << c.what;
    EXPECT_EQ(bench.listener.Progress(), expected.listener.Progress()) << c.what;
    // A macro whose header was refused still has its slot and its word in
    // the key matrix, as if the mouse had taken it.
    EXPECT_EQ(bench.mouse.memory().keyMatrix[0], c.macro ? 0x03010009u : 0x00F00001u) << c.what;
  }
}

TEST(SyncWorker, TheStepThatEndsAWriteIsNamedToo) {
  WorkerBench bench;
  std::vector<std::string> notes;
  bench.worker.SetRefusalNotes([&notes](std::string_view command) { notes.emplace_back(command); });
  bench.mouse.RefuseReport(7);
  EXPECT_EQ(bench.Write(), SyncFailure::kDpi);
  EXPECT_EQ(notes, std::vector<std::string>{"WriteDpiTable"});
}

// A chunk the system still holds after 1500 ms counts as done, and the next
// one follows: the write goes on and succeeds, 1500 ms later.
TEST(SyncWorker, AWriteLeftPendingTooLongCountsAsDone) {
  WorkerBench bench;
  bench.mouse.LeaveWritePending(2, 5000);
  EXPECT_EQ(bench.Write(), std::nullopt);
  EXPECT_EQ(bench.clock.NowMs(), 1100u + 1500u);
  EXPECT_EQ(bench.mouse.ReportsSent(), 10);
  EXPECT_EQ(bench.mouse.memory().reportRate, 1);
}

TEST(SyncWorker, UnpluggingEndsTheWriteWithAFailure) {
  WorkerBench bench;
  bench.mouse.UnplugAtReport(5);
  EXPECT_EQ(bench.Write(), SyncFailure::kLedEffect);
  EXPECT_EQ(bench.Trace().size(), 5u);
}

TEST(SyncWorker, RequestsWhileBusyAreIgnored) {
  WorkerBench bench;
  ASSERT_TRUE(bench.worker.RequestSync(bench.Snapshot()));
  EXPECT_FALSE(bench.worker.RequestSync(bench.Snapshot()));
  EXPECT_FALSE(bench.worker.IsIdle());
  ASSERT_EQ(bench.listener.WaitForOutcome(), std::nullopt);
  EXPECT_FALSE(bench.worker.RequestSync(bench.Snapshot())) << "the outcome is not handled yet";
  bench.worker.SetIdle();
  ASSERT_EQ(bench.Write(), std::nullopt);
  EXPECT_EQ(bench.clock.NowMs(), 2200u) << "two writes, not three";
}

TEST(SyncWorker, StopsWhileIdleAndCanBeStoppedTwice) {
  WorkerBench bench;
  bench.worker.Stop();
  bench.worker.Stop();
  EXPECT_TRUE(bench.Trace().empty());
  EXPECT_FALSE(bench.worker.RequestSync(bench.Snapshot())) << "no thread to take it";
}

TEST(SyncWorker, RestartsAfterStopWithoutAWriteOfItsOwn) {
  WorkerBench bench;
  ASSERT_EQ(bench.Write(), std::nullopt);
  const std::size_t written = bench.Trace().size();
  bench.worker.Stop();
  bench.worker.Start();
  bench.worker.Stop();
  EXPECT_EQ(bench.Trace().size(), written) << "a restart sent a write nobody asked for";
  bench.worker.Start();
  ASSERT_EQ(bench.Write(), std::nullopt);
  EXPECT_EQ(bench.Trace().size(), 2 * written);
}

TEST(SyncWorker, SendsTheSnapshotNotWhatChangedSince) {
  WorkerBench bench;
  bench.state.macroTable().PutMacro(Macro(0x01000001));
  AssignMacro(bench, 1, 0x01000001);
  const ProfileSnapshot snapshot = bench.Snapshot();
  bench.Record().pollingRate = 8;
  bench.state.macroTable().ClearMacro(0x01000001);
  bench.state.buttonMacroIds()[1] = 0;
  ASSERT_TRUE(bench.worker.RequestSync(snapshot));
  ASSERT_EQ(bench.listener.WaitForOutcome(), std::nullopt);
  EXPECT_EQ(bench.mouse.memory().reportRate, 1);
  EXPECT_TRUE(bench.mouse.memory().macros[0].has_value());
}

}  // namespace
}  // namespace n63k
