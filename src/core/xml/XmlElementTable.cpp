#include "core/xml/XmlElementTable.h"

#include <algorithm>

namespace n63k {

void XmlElementTable::Reset(std::uint32_t capacity) {
  blocks_.clear();
  count_ = 0;
  capacity_ = 0;
  Grow(std::max(capacity, 1u));
  (*this)[0] = {};
  count_ = 1;
}

std::uint32_t XmlElementTable::Append() {
  if (count_ == capacity_) {
    Grow(capacity_ + std::max(count_ / 2, 1u));
  }
  const std::uint32_t index = count_++;
  (*this)[index] = {};
  return index;
}

void XmlElementTable::Grow(std::uint32_t capacity) {
  while (capacity_ < capacity) {
    const std::uint32_t lastSize =
        blocks_.empty() ? kBlockSize
                        : capacity_ - static_cast<std::uint32_t>(blocks_.size() - 1) * kBlockSize;
    if (lastSize < kBlockSize) {
      const std::uint32_t newSize = std::min(kBlockSize, lastSize + (capacity - capacity_));
      auto block = std::make_unique<XmlElementRecord[]>(newSize);
      std::copy_n(blocks_.back().get(), lastSize, block.get());
      blocks_.back() = std::move(block);
      capacity_ += newSize - lastSize;
    } else {
      const std::uint32_t newSize = std::min(kBlockSize, capacity - capacity_);
      blocks_.push_back(std::make_unique<XmlElementRecord[]>(newSize));
      capacity_ += newSize;
    }
  }
}

}  // namespace n63k
