#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace n63k {

// One element of a document, by character offsets into the document text.
struct XmlElementRecord {
  std::uint32_t start;       // the '<' of the start tag
  std::uint32_t length;      // through the end tag's '>', or the start tag alone
  std::uint32_t tagLengths;  // start tag in the low 22 bits, end tag in the high 10
  std::uint32_t levelFlags;  // nesting level in the low 16 bits, XmlElementFlag bits above
  std::uint32_t parent;
  std::uint32_t firstChild;
  std::uint32_t nextSibling;
  std::uint32_t previousSibling;  // the first child's holds the last child
};

static_assert(sizeof(XmlElementRecord) == 32);
static_assert(offsetof(XmlElementRecord, length) == 4);
static_assert(offsetof(XmlElementRecord, tagLengths) == 8);
static_assert(offsetof(XmlElementRecord, levelFlags) == 12);
static_assert(offsetof(XmlElementRecord, parent) == 16);
static_assert(offsetof(XmlElementRecord, firstChild) == 20);
static_assert(offsetof(XmlElementRecord, nextSibling) == 24);
static_assert(offsetof(XmlElementRecord, previousSibling) == 28);

namespace XmlElementFlag {
inline constexpr std::uint32_t kEmptyElement = 0x00010000;
inline constexpr std::uint32_t kFirstChild = 0x00020000;
inline constexpr std::uint32_t kNotEnded = 0x00040000;
inline constexpr std::uint32_t kContainsNotEnded = 0x00080000;
inline constexpr std::uint32_t kMarkupError = 0x00100000;
}  // namespace XmlElementFlag

inline constexpr std::uint32_t kXmlLevelMask = 0xFFFF;
inline constexpr std::uint32_t kXmlMaxStartTagLength = (1u << 22) - 1;
inline constexpr std::uint32_t kXmlMaxEndTagLength = (1u << 10) - 1;

inline std::uint32_t StartTagLength(const XmlElementRecord& r) {
  return r.tagLengths & kXmlMaxStartTagLength;
}
inline std::uint32_t EndTagLength(const XmlElementRecord& r) {
  return r.tagLengths >> 22;
}
inline std::uint32_t Level(const XmlElementRecord& r) {
  return r.levelFlags & kXmlLevelMask;
}

// The element records of a document. Index 0 stands for the document itself.
// Records live in blocks of 65,536 (only the last may be smaller), so a large
// document never needs one huge allocation; an index is its block number times
// 65,536 plus its slot.
class XmlElementTable {
 public:
  static constexpr std::uint32_t kBlockSize = 65536;

  // Empties the table, keeps a zeroed record 0, and makes room for `capacity`
  // records in all.
  void Reset(std::uint32_t capacity);

  // A new zeroed record; when the table is full it first grows by half the
  // number of records in use.
  std::uint32_t Append();

  XmlElementRecord& operator[](std::uint32_t index) {
    return blocks_[index / kBlockSize][index % kBlockSize];
  }
  const XmlElementRecord& operator[](std::uint32_t index) const {
    return blocks_[index / kBlockSize][index % kBlockSize];
  }

  std::uint32_t Count() const { return count_; }
  std::uint32_t Capacity() const { return capacity_; }

 private:
  void Grow(std::uint32_t capacity);

  std::vector<std::unique_ptr<XmlElementRecord[]>> blocks_;
  std::uint32_t count_ = 0;
  std::uint32_t capacity_ = 0;
};

}  // namespace n63k
