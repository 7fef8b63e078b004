#include "core/device/SimulatedMouse.h"

#include <algorithm>
#include <cstring>

#include "core/base/Hex.h"

namespace n63k {
namespace {

constexpr std::size_t kOutputFrameBytes = 33;
constexpr std::size_t kChunkBytes = 32;

// Byte i of a frame, or 0 past its end.
std::uint8_t At(std::span<const std::uint8_t> frame, std::size_t i) {
  return i < frame.size() ? frame[i] : 0;
}

}  // namespace

SimulatedMouse::SimulatedMouse(Clock& clock, Settings settings)
    : clock_(clock), settings_(settings) {}

OpenResult SimulatedMouse::Open() {
  open_ = !unplugged_;
  return open_ ? OpenResult::kOpened : OpenResult::kNotFound;
}

bool SimulatedMouse::TakeReport() {
  const int sent = ++reportsSent_;
  if (unplugAt_ && sent >= *unplugAt_) {
    unplugged_ = true;
  }
  if (!Present()) {
    return false;
  }
  return std::find(refused_.begin(), refused_.end(), sent) == refused_.end();
}

void SimulatedMouse::StartBlock(Command command, std::uint8_t index, std::size_t reports) {
  blockCommand_ = command;
  blockIndex_ = index;
  blockReports_ = reports;
  block_.clear();
}

void SimulatedMouse::FinishBlock() {
  switch (blockCommand_) {
    case Command::kDpiTable:
      std::copy_n(block_.begin(), memory_.dpiTable.size(), memory_.dpiTable.begin());
      break;
    case Command::kLedColours:
      std::copy_n(block_.begin(), memory_.colourBlock.size(), memory_.colourBlock.begin());
      break;
    case Command::kKeyMatrix:
      std::memcpy(memory_.keyMatrix.data(), block_.data(), sizeof memory_.keyMatrix);
      break;
    case Command::kMacro: {
      auto& slot = memory_.macros[static_cast<std::size_t>(blockIndex_ - 1)];
      slot.emplace();
      std::copy_n(block_.begin(), kMacroImageBytes, slot->begin());
      break;
    }
    default:
      break;
  }
  blockReports_ = 0;
  block_.clear();
}

bool SimulatedMouse::SendFeatureReport(std::span<const std::uint8_t> frame) {
  if (!TakeReport() || frame.size() != settings_.reportLength + 1 ||
      frame[0] != settings_.reportId) {
    return false;
  }
  const std::uint8_t command = At(frame, 1);
  const std::uint8_t b2 = At(frame, 2);
  const std::uint8_t b3 = At(frame, 3);
  const std::uint8_t b4 = At(frame, 4);
  const std::uint8_t b5 = At(frame, 5);
  // A header announces its block by command, index and length; a block that
  // is not complete when the next report comes is dropped, as a mouse does.
  const auto header = [&](std::uint8_t index, std::uint16_t length) {
    return b2 == kSet && b3 == index && (b4 | (b5 << 8)) == length;
  };
  blockReports_ = 0;
  switch (static_cast<Command>(command)) {
    case Command::kFirmwareVersion:
      versionAsked_ = true;
      return true;
    case Command::kPollingRate:
      memory_.reportRate = b2;
      return true;
    case Command::kProximity:
      memory_.proximity = b2;
      return true;
    case Command::kDpiStage:
      memory_.dpiStages = b3;
      return b2 == kSet;
    case Command::kLedColour:
      memory_.colour = {b4, b3, b5};
      return b2 == kSet;
    case Command::kLedEffect:
      memory_.effect = {b3, b4, b5};
      return b2 == kSet;
    case Command::kDpiTable:
      if (!header(0x07, 16)) {
        return false;
      }
      StartBlock(static_cast<Command>(command), 0, 1);
      return true;
    case Command::kLedColours:
      if (!header(0x00, 32)) {
        return false;
      }
      StartBlock(static_cast<Command>(command), 0, 1);
      return true;
    case Command::kKeyMatrix:
      if (!header(0x00, 64)) {
        return false;
      }
      StartBlock(static_cast<Command>(command), 0, 2);
      return true;
    case Command::kMacro:
      if (b3 < 1 || b3 > kMacroSlots || !header(b3, kMacroImageBytes)) {
        return false;
      }
      StartBlock(static_cast<Command>(command), b3, kMacroImageBytes / kChunkBytes);
      return true;
    default:
      return false;
  }
}

bool SimulatedMouse::GetFeatureReport(std::span<std::uint8_t> frame) {
  if (!Present() || frame.size() != settings_.reportLength + 1 || frame[0] != settings_.reportId) {
    return false;
  }
  std::fill(frame.begin() + 1, frame.end(), std::uint8_t{0});
  if (versionAsked_ && frame.size() > 3) {
    frame[1] = versionCommand_;
    frame[2] = static_cast<std::uint8_t>(settings_.firmwareVersion / 10);
    frame[3] = static_cast<std::uint8_t>(settings_.firmwareVersion % 10);
  }
  versionAsked_ = false;
  return true;
}

WriteResult SimulatedMouse::WriteOutputReport(std::span<const std::uint8_t> frame) {
  if (!TakeReport() || frame.size() != kOutputFrameBytes || frame[0] != settings_.reportId ||
      blockReports_ == 0) {
    blockReports_ = 0;
    return WriteResult::kFailed;
  }
  block_.insert(block_.end(), frame.begin() + 1, frame.end());
  if (block_.size() == blockReports_ * kChunkBytes) {
    FinishBlock();
  }
  const auto pending = pending_.find(reportsSent_.load());
  if (pending != pending_.end()) {
    pendingDoneAtMs_ = clock_.NowMs() + pending->second;
    return WriteResult::kPending;
  }
  return WriteResult::kDone;
}

bool SimulatedMouse::WaitPendingWrite(std::uint32_t limitMs) {
  if (!pendingDoneAtMs_) {
    return true;
  }
  const std::uint64_t doneAt = *pendingDoneAtMs_;
  pendingDoneAtMs_.reset();
  const std::uint64_t now = clock_.NowMs();
  if (doneAt <= now) {
    return true;
  }
  if (doneAt - now <= limitMs) {
    clock_.SleepMs(static_cast<std::uint32_t>(doneAt - now));
    return true;
  }
  clock_.SleepMs(limitMs);
  return false;
}

void SimulatedMouse::Print(std::ostream& out) const {
  out << "firmware " << settings_.firmwareVersion << '\n'
      << "report-rate " << int{memory_.reportRate} << '\n'
      << "key-matrix";
  for (const std::uint32_t word : memory_.keyMatrix) {
    out << ' ' << Hex32(word);
  }
  out << '\n'
      << "dpi-table " << HexBytes(memory_.dpiTable) << '\n'
      << "dpi-stages " << int{memory_.dpiStages} << '\n'
      << "colour red " << int{memory_.colour[0]} << " green " << int{memory_.colour[1]} << " blue "
      << int{memory_.colour[2]} << '\n'
      << "effect " << HexBytes(memory_.effect) << '\n'
      << "colour-block " << HexBytes(memory_.colourBlock) << '\n'
      << "proximity " << HexBytes(std::span(&memory_.proximity, 1)) << '\n';
  for (std::size_t slot = 0; slot < memory_.macros.size(); ++slot) {
    out << "macro " << slot + 1;
    const auto& image = memory_.macros[slot];
    if (!image) {
      out << " empty\n";
      continue;
    }
    // The image up to its last nonzero byte; the rest is zero.
    std::size_t used = image->size();
    while (used > 0 && (*image)[used - 1] == 0) {
      --used;
    }
    out << ' ' << HexBytes(std::span(image->data(), used)) << '\n';
  }
}

}  // namespace n63k
