#include "core/device/SyncWorker.h"

#include <algorithm>

#include "core/buttons/ButtonEncoding.h"
#include "core/buttons/ButtonSlots.h"
#include "core/buttons/FunctionCatalogue.h"
#include "core/device/DeviceCommands.h"
#include "core/device/DpiStages.h"
#include "core/lighting/LightingDeviceValues.h"

namespace n63k {
namespace {

constexpr std::uint32_t kWakeUpPauseMs = 50;
constexpr std::uint32_t kButtonPauseMs = 50;
constexpr std::uint32_t kMacroPauseMs = 50;
constexpr std::uint32_t kClosingPauseMs = 300;
constexpr std::size_t kFixedPosition = 3;
constexpr std::uint32_t kFixedWord = 0x00030007;
constexpr std::uint8_t kMostDpiStages = 3;

}  // namespace

SyncWorker::SyncWorker(DeviceLink& link, PointerSettings& pointer, MouseWatchList& watchList,
                       SyncListener& listener)
    : link_(link), pointer_(pointer), watchList_(watchList), listener_(listener) {
  link_.SetStopSignal(&stop_);
}

SyncWorker::~SyncWorker() {
  Stop();
  link_.SetStopSignal(nullptr);
}

void SyncWorker::Start() {
  if (thread_.joinable()) {
    return;
  }
  stop_.Clear();
  {
    const std::lock_guard lock(mutex_);
    state_ = State::kIdle;
    requested_.reset();
  }
  thread_ = std::thread([this] { Run(); });
}

void SyncWorker::Stop() {
  if (!thread_.joinable()) {
    return;
  }
  {
    const std::lock_guard lock(mutex_);
    state_ = State::kStopping;
  }
  stop_.Request();
  changed_.notify_all();
  thread_.join();
  const std::lock_guard lock(mutex_);
  state_ = State::kIdle;
  requested_.reset();
}

bool SyncWorker::RequestSync(ProfileSnapshot snapshot) {
  {
    const std::lock_guard lock(mutex_);
    if (state_ != State::kIdle || !thread_.joinable()) {
      return false;
    }
    requested_ = std::make_unique<ProfileSnapshot>(std::move(snapshot));
    state_ = State::kRequested;
  }
  changed_.notify_all();
  return true;
}

bool SyncWorker::IsIdle() const {
  const std::lock_guard lock(mutex_);
  return state_ == State::kIdle;
}

void SyncWorker::SetIdle() {
  const std::lock_guard lock(mutex_);
  if (state_ == State::kOutcomePending) {
    state_ = State::kIdle;
  }
}

void SyncWorker::Run() {
  for (;;) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock,
                  [this] { return state_ == State::kRequested || state_ == State::kStopping; });
    if (state_ == State::kStopping) {
      return;
    }
    const std::unique_ptr<ProfileSnapshot> snapshot = std::move(requested_);
    state_ = State::kWriting;
    lock.unlock();

    link_.Pause(kWakeUpPauseMs);
    std::optional<SyncFailure> failure = WriteProfile(*snapshot);
    // A write cut short by a stop failed because of the stop, whatever step
    // it was at.
    if (failure && stop_.Requested()) {
      failure = SyncFailure::kStopped;
    }

    lock.lock();
    const bool stopping = state_ == State::kStopping;
    if (!stopping) {
      state_ = State::kOutcomePending;
    }
    lock.unlock();
    if (failure) {
      listener_.OnSyncFailed(*failure);
    } else {
      listener_.OnSyncDone();
    }
    if (stopping) {
      return;
    }
  }
}

bool SyncWorker::Taken(bool accepted, std::string_view command) {
  // A stop ends the write at once: what it cut short was not refused.
  if (!accepted && refusalNotes_ && !stop_.Requested()) {
    refusalNotes_(command);
  }
  return accepted;
}

std::optional<SyncFailure> SyncWorker::WriteKeyMatrixWithMacros(const ProfileSnapshot& snapshot) {
  const ProfileRecord& record = snapshot.record;
  KeyMatrix matrix{};
  int nextMacroSlot = 1;
  for (int slot = 0; slot < kButtonCount; ++slot) {
    const ButtonEntry& entry = record.buttons[slot];
    WatchButton(watchList_, slot, entry);
    listener_.OnSyncProgress(7 * slot);
    std::optional<DeviceMacro> macro;
    if (entry.functionCode == kFunctionMacro) {
      if (const auto& found = snapshot.macros[static_cast<std::size_t>(slot)]) {
        const MacroWrite written = WriteMacro(link_, nextMacroSlot, *found);
        // A refused macro keeps its slot and word: the write goes on.
        static_cast<void>(Taken(written.sent, "WriteMacro"));
        link_.Pause(kMacroPauseMs);
        macro = DeviceMacro{nextMacroSlot, written.wordCount};
        ++nextMacroSlot;
      }
    }
    const std::optional<std::uint32_t> word = EncodeButtonWord(slot, entry, macro);
    if (!word) {
      continue;
    }
    const auto position =
        static_cast<std::size_t>(kButtonSlots[static_cast<std::size_t>(slot)].keyMatrixPosition);
    matrix[position] = *word;
    link_.Pause(kButtonPauseMs);
  }
  matrix[kFixedPosition] = kFixedWord;
  if (!Taken(WriteKeyMatrix(link_, matrix), "WriteKeyMatrix")) {
    return SyncFailure::kKeyMatrix;
  }
  return std::nullopt;
}

std::optional<SyncFailure> SyncWorker::WriteProfile(const ProfileSnapshot& snapshot) {
  const ProfileRecord& record = snapshot.record;
  if (const auto failure = WriteKeyMatrixWithMacros(snapshot)) {
    return failure;
  }
  listener_.OnSyncProgress(60);

  if (!Taken(SetLedColour(link_, record.ledColours[3]), "SetLedColour")) {
    return SyncFailure::kLedColour;
  }
  if (!Taken(SetLedEffect(link_, LedEffectArguments(record)), "SetLedEffect")) {
    return SyncFailure::kLedEffect;
  }
  if (SendsColourBlock(record) &&
      !Taken(WriteLedColours(link_, BuildColourBlock(record)), "WriteLedColours")) {
    return SyncFailure::kLedColours;
  }
  listener_.OnSyncProgress(70);
  if (!Taken(SetProximity(link_, ProximityValue(record)), "SetProximity")) {
    return SyncFailure::kProximity;
  }
  listener_.OnSyncProgress(75);

  const DpiTable dpi = BuildDpiTable(std::span(record.dpiLevels));
  if (!Taken(WriteDpiTable(link_, dpi.block), "WriteDpiTable")) {
    return SyncFailure::kDpi;
  }
  // Neither a refused stage count nor a refused report rate ends the write:
  // the mouse keeps the one it had.
  static_cast<void>(
      Taken(SetDpiStage(link_, std::min(dpi.stageCount, kMostDpiStages)), "SetDpiStage"));
  listener_.OnSyncProgress(80);

  pointer_.Apply({record.pointerPrecision, record.pointerSpeed, record.wheelScrollLines});
  listener_.OnSyncProgress(90);
  static_cast<void>(Taken(SetPollingRate(link_, record.pollingRate), "SetPollingRate"));
  listener_.OnSyncProgress(100);
  link_.Pause(kClosingPauseMs);
  return std::nullopt;
}

}  // namespace n63k
