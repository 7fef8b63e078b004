#include "core/macro/MacroEncoder.h"

#include <algorithm>
#include <initializer_list>

#include "core/buttons/KeyUsage.h"

namespace n63k {
namespace {

constexpr std::uint8_t kPressMark = 0x01;
constexpr std::uint8_t kReleaseMark = 0x81;
constexpr std::uint8_t kReleaseBit = 0x80;
constexpr std::uint8_t kFoldMask = 0x7F;
constexpr std::uint32_t kFoldUnitMs = 10;
constexpr std::uint32_t kLongestFoldedMs = 1270;

// A delay too long to fold: the longest delay each unit can carry.
struct DelayUnit {
  std::uint8_t code;
  std::uint32_t unitMs;
  std::uint32_t longestMs;
};
constexpr DelayUnit kDelayUnits[] = {
    {1, 20, 1310700},
    {2, 50, 3276750},
    {3, 100, 6553500},
};
constexpr DelayUnit kLeadingDelayUnit = kDelayUnits[2];

class ImageWriter {
 public:
  explicit ImageWriter(std::uint32_t loopCount) {
    image_.bytes[0] = static_cast<std::uint8_t>(loopCount >> 8);
    image_.bytes[1] = static_cast<std::uint8_t>(loopCount);
  }

  // Each writer below returns false, writing nothing, when its words do not
  // fit any more.
  bool Key(std::uint8_t mark, std::uint8_t usage) { return Words({mark, usage}, true); }

  bool Delay(const DelayUnit& unit, std::uint32_t ms) {
    const std::uint32_t count = ms / unit.unitMs;
    return Words(
        {0x00, unit.code, static_cast<std::uint8_t>(count >> 8), static_cast<std::uint8_t>(count)},
        false);
  }

  bool Zero() { return Words({0x00, 0x00}, false); }

  // Adds a short delay to the key word written last; false when there is none
  // or its seven bits cannot take the sum, which would turn a press into a
  // release or spill into the next byte.
  bool Fold(std::uint32_t ms) {
    if (!lastIsKey_) {
      return false;
    }
    std::uint8_t& mark = image_.bytes[2 * (image_.wordCount - 1)];
    const std::uint32_t sum = (mark & kFoldMask) + ms / kFoldUnitMs;
    if (sum > kFoldMask) {
      return false;
    }
    mark = static_cast<std::uint8_t>((mark & kReleaseBit) | sum);
    return true;
  }

  MacroImage Result() const { return image_; }

 private:
  bool Words(std::initializer_list<std::uint8_t> bytes, bool isKey) {
    const std::size_t words = bytes.size() / 2;
    if (image_.wordCount + words > kMacroImageWordLimit) {
      return false;
    }
    std::copy(bytes.begin(), bytes.end(), image_.bytes.begin() + 2 * image_.wordCount);
    image_.wordCount += words;
    lastIsKey_ = isKey;
    return true;
  }

  MacroImage image_{{}, 1};
  bool lastIsKey_ = false;
};

bool EncodeDelay(ImageWriter& writer, std::uint32_t ms, bool first) {
  if (first) {
    return ms <= kLeadingDelayUnit.longestMs ? writer.Delay(kLeadingDelayUnit, ms) : writer.Zero();
  }
  if (ms <= kLongestFoldedMs && writer.Fold(ms)) {
    return true;
  }
  for (const DelayUnit& unit : kDelayUnits) {
    if (ms <= unit.longestMs) {
      return writer.Delay(unit, ms);
    }
  }
  return writer.Zero();
}

// Writes one event; false when it does not fit. An event the mouse has no
// word for keeps its place as one zero word.
bool EncodeEvent(ImageWriter& writer, MacroEvent event, bool first) {
  const std::uint32_t value = EventValue(event);
  switch (EventKind(event)) {
    case static_cast<std::uint8_t>(MacroEventKind::kKeyDown):
      return writer.Key(kPressMark, UsageFromKey(value));
    case static_cast<std::uint8_t>(MacroEventKind::kKeyUp):
      return writer.Key(kReleaseMark, UsageFromKey(value));
    case static_cast<std::uint8_t>(MacroEventKind::kDelay):
      return EncodeDelay(writer, value, first);
    default:
      return writer.Zero();
  }
}

}  // namespace

MacroImage EncodeMacro(const MacroRecord& record) {
  ImageWriter writer(record.loopCount);
  bool first = true;
  for (const MacroEvent event : EventsOf(record)) {
    if (!EncodeEvent(writer, event, first)) {
      break;
    }
    first = false;
  }
  return writer.Result();
}

}  // namespace n63k
