#pragma once

#include <cstddef>
#include <string_view>

namespace n63k {

enum class XmlNodeType {
  kText,
  kWhitespace,
  kStartTag,
  kEmptyElementTag,
  kEndTag,
  kComment,
  kCData,
  kDocType,
  kDeclaration,  // <!ELEMENT, <!ATTLIST, <!ENTITY, <!NOTATION
  kProcessingInstruction,
  kIncorrectMarkup,
  kUnterminated,
};

// One node of a document text. Offsets are into the text given to the
// tokenizer; `end` is one past the node's last character.
struct XmlNode {
  XmlNodeType type = XmlNodeType::kText;
  std::size_t start = 0;
  std::size_t end = 0;
  // Tags and processing instructions: the name (or target). CDATA sections:
  // the characters between the brackets.
  std::size_t nameStart = 0;
  std::size_t nameEnd = 0;
  // kIncorrectMarkup: what was wrong ("tag name character", "! tag", ...).
  // kUnterminated: what was left open ("Comment", "Element tag", ...).
  std::string_view problem;
};

bool IsXmlWhitespace(char16_t c);

// Cuts a document text into nodes from the start. Every node is finite and
// the nodes together cover the text, so a scan always ends.
class XmlTokenizer {
 public:
  explicit XmlTokenizer(std::u16string_view text) : text_(text) {}

  // The next node, or false at the end of the text.
  bool Next(XmlNode& node);

 private:
  void ReadText(XmlNode& node);
  void ReadStartTag(XmlNode& node);
  void ReadEndTag(XmlNode& node);
  void ReadBang(XmlNode& node);
  void ReadDocType(XmlNode& node);
  void ReadProcessingInstruction(XmlNode& node);
  // Ends a node of `type` after `terminator`, searched from `from`; without
  // one the node runs to the end of the text, unterminated, as `kind`.
  void EndAt(XmlNode& node, XmlNodeType type, std::size_t from, std::u16string_view terminator,
             std::string_view kind);
  void IncorrectMarkup(XmlNode& node, std::string_view problem);
  void Unterminated(XmlNode& node, std::string_view kind);
  std::size_t NameEnd(std::size_t from) const;

  std::u16string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace n63k
