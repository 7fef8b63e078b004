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

SyncWorker::SyncWorker(CUSBDriver& link, ProgramState& state, PointerSettings& pointer,
                       SyncListener& listener)
    : link_(link), state_(state), pointer_(pointer), listener_(listener) {}

SyncWorker::~SyncWorker() {
  Stop();
}

void SyncWorker::Start() {
  if (thread_.joinable()) {
    return;
  }
  syncWorkerRunning_.store(true);
  thread_ = std::thread([this] { Run(); });
}

void SyncWorker::Stop() {
  syncWorkerRunning_.store(false);
  syncRequestEvent_.Set();
  if (thread_.joinable()) {
    thread_.join();
  }
}

bool SyncWorker::RequestSync() {
  // Taking the idle flag here, not only on the worker's wake-up, keeps a second
  // request from slipping in before the worker has started.
  bool idle = true;
  if (!isIdle_.compare_exchange_strong(idle, false)) {
    return false;
  }
  syncRequestEvent_.Set();
  return true;
}

void SyncWorker::Run() {
  while (syncWorkerRunning_.load()) {
    syncRequestEvent_.Wait();
    if (!syncWorkerRunning_.load()) {
      return;
    }
    syncRequestEvent_.Reset();
    isIdle_.store(false);
    link_.clock().SleepMs(kWakeUpPauseMs);
    if (const auto failure = WriteProfile()) {
      listener_.OnSyncFailed(*failure);
    } else {
      listener_.OnSyncDone();
    }
  }
}

std::optional<SyncFailure> SyncWorker::WriteKeyMatrixWithMacros(const ProfileRecord& record) {
  const ButtonMacroIds& macroIds = state_.buttonMacroIds();
  KeyMatrix matrix{};
  int nextMacroSlot = 1;
  for (int slot = 0; slot < kButtonCount; ++slot) {
    const ButtonEntry& entry = record.buttons[slot];
    WatchButton(state_.mouseWatchList(), slot, entry);
    listener_.OnSyncProgress(7 * slot);
    std::optional<DeviceMacro> macro;
    if (entry.functionCode == kFunctionMacro) {
      const MacroRecord* found =
          state_.macroTable().FindMacroToSend(macroIds[static_cast<std::size_t>(slot)]);
      if (found != nullptr) {
        const MacroWrite written = WriteMacro(link_, nextMacroSlot, *found);
        if (!written.sent) {
          return SyncFailure::kMacro;
        }
        link_.clock().SleepMs(kMacroPauseMs);
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
    link_.clock().SleepMs(kButtonPauseMs);
  }
  matrix[kFixedPosition] = kFixedWord;
  if (!WriteKeyMatrix(link_, matrix)) {
    return SyncFailure::kKeyMatrix;
  }
  return std::nullopt;
}

std::optional<SyncFailure> SyncWorker::WriteProfile() {
  const ProfileRecord& record = state_.profileFiles().Current();
  if (const auto failure = WriteKeyMatrixWithMacros(record)) {
    return failure;
  }
  listener_.OnSyncProgress(60);

  if (!SetLedColour(link_, record.ledColours[3])) {
    return SyncFailure::kLedColour;
  }
  if (!SetLedEffect(link_, LedEffectArguments(record))) {
    return SyncFailure::kLedEffect;
  }
  if (SendsColourBlock(record) && !WriteLedColours(link_, BuildColourBlock(record))) {
    return SyncFailure::kLedColours;
  }
  listener_.OnSyncProgress(70);
  if (!SetProximity(link_, record.proximitySensing, record.ledMode)) {
    return SyncFailure::kProximity;
  }
  listener_.OnSyncProgress(75);

  const DpiTable dpi = BuildDpiTable(std::span(record.dpiLevels));
  if (!WriteDpiTable(link_, dpi.block) ||
      !SetDpiStage(link_, std::min(dpi.stageCount, kMostDpiStages))) {
    return SyncFailure::kDpi;
  }
  listener_.OnSyncProgress(80);

  pointer_.Apply({record.pointerPrecision, record.pointerSpeed, record.wheelScrollLines});
  listener_.OnSyncProgress(90);
  if (!SetPollingRate(link_, record.pollingRate)) {
    return SyncFailure::kPollingRate;
  }
  listener_.OnSyncProgress(100);
  link_.clock().SleepMs(kClosingPauseMs);
  return std::nullopt;
}

}  // namespace n63k
