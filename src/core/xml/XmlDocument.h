#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "core/xml/XmlElementTable.h"

namespace n63k {

enum class XmlNodeKind { kNone, kElement };

// Reads a small XML (or HTML-like) document, indexes its elements and walks
// down the element tree by name. Lenient: a document with markup errors is
// indexed as far as the parse got. Names are compared case-sensitively and
// given in UTF-8; the document text is held as UTF-16.
class XmlDocument {
 public:
  // Larger files are refused: element offsets are 32-bit, and the documents
  // read (language files, the update manifest) are a few kilobytes.
  static constexpr std::size_t kMaxFileSize = 64 * 1024 * 1024;

  // An empty document: no elements, diagnostic text "Empty document".
  XmlDocument();

  // Reads, decodes and parses a file. True only when it was read and is
  // well-formed: no markup error and exactly one top-level element. A file
  // that cannot be read leaves an empty document. Clears the positions.
  bool LoadFile(const std::filesystem::path& path);
  // The same for the bytes of a file held in memory.
  bool LoadFile(std::span<const std::uint8_t> bytes);
  // Parses a text held in memory; true when it is well-formed.
  bool SetText(std::u16string text);

  void ResetPosition();
  // The next sibling after the current element (or the first child of the
  // parent position) whose name matches; an empty name matches any element.
  bool FindElement(std::string_view name = {});
  // The next child of the current element after the child position whose
  // name matches; with no current element, the first top-level element
  // becomes current first.
  bool FindChildElement(std::string_view name = {});
  // Steps into the current element: its child becomes the current element.
  bool EnterElement();

  // The text of the element at the child position: its content with
  // character references decoded and CDATA sections taken as they stand;
  // empty for an element with child elements or an empty-element tag.
  std::u16string GetChildText() const;
  std::string GetChildTextUtf8() const;
  // The same for any element of the table.
  std::u16string ElementText(std::uint32_t index) const;

  bool IsWellFormed() const { return wellFormed_; }
  // How the last load went and its first parse error, in one line.
  const std::string& DiagnosticText() const { return diagnostic_; }

  std::u16string_view Text() const { return text_; }
  std::uint32_t ElementCount() const { return elements_.Count(); }
  // Index 0 stands for the document; `index` must be below ElementCount().
  const XmlElementRecord& Element(std::uint32_t index) const { return elements_[index]; }
  // The name that lookups match against.
  std::u16string_view ElementName(std::uint32_t index) const;

  std::uint32_t ParentPosition() const { return parent_; }
  std::uint32_t CurrentPosition() const { return current_; }
  std::uint32_t ChildPosition() const { return child_; }
  XmlNodeKind NodeKind() const { return nodeKind_; }

 private:
  bool Parse(std::string loadReport);
  void MakeEmpty(std::string diagnostic);
  bool NameMatches(std::uint32_t index, std::u16string_view name) const;
  std::uint32_t FindSibling(std::uint32_t first, std::u16string_view name) const;

  std::u16string text_;
  XmlElementTable elements_;
  std::uint32_t parent_ = 0;
  std::uint32_t current_ = 0;
  std::uint32_t child_ = 0;
  XmlNodeKind nodeKind_ = XmlNodeKind::kNone;
  bool wellFormed_ = false;
  std::string diagnostic_;
};

}  // namespace n63k
