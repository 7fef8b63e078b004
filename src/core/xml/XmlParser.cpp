#include "core/xml/XmlParser.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/base/Utf.h"
#include "core/xml/XmlTokenizer.h"

namespace n63k {
namespace {

struct OpenElement {
  std::uint32_t index;
  std::u16string_view name;
};

class Parser {
 public:
  Parser(std::u16string_view text, XmlElementTable& elements) : text_(text), elements_(elements) {}

  XmlParseResult Run();

 private:
  void StartTag(const XmlNode& node);
  void EndTag(const XmlNode& node);
  void Push(std::uint32_t index, std::u16string_view name);
  void Pop();
  bool IsOpen(std::u16string_view name);
  void AppendChild(std::uint32_t parent, std::uint32_t child);
  void CloseNeverEnded(std::uint32_t index);
  void AssignLevels();
  void Error(std::string message, bool markup = true);
  std::string NotEnded(const OpenElement& open) const;
  std::uint32_t Offset(std::size_t offset) const { return static_cast<std::uint32_t>(offset); }

  std::u16string_view text_;
  XmlElementTable& elements_;
  XmlParseResult result_;
  std::vector<OpenElement> open_;
  // How many of open_[0, named_) carry each name, so that an end tag that
  // matches no open element is known without searching the whole stack. It
  // is brought up to date only when an end tag does not close the innermost
  // element, so a well-formed document never hashes a name.
  std::unordered_map<std::u16string_view, std::uint32_t> openNames_;
  std::size_t named_ = 0;
};

std::string Quoted(std::u16string_view name) {
  // Built by appending: GCC 12 at -O3 warns, wrongly, about a string
  // concatenated from a literal.
  std::string quoted(1, '\'');
  quoted += Utf16ToUtf8(name);
  quoted += '\'';
  return quoted;
}

XmlParseResult Parser::Run() {
  elements_.Reset(Offset(text_.size() / 64 + 8));
  open_.reserve(6);
  XmlTokenizer tokenizer(text_);
  XmlNode node;
  while (tokenizer.Next(node)) {
    switch (node.type) {
      case XmlNodeType::kStartTag:
      case XmlNodeType::kEmptyElementTag:
        StartTag(node);
        break;
      case XmlNodeType::kEndTag:
        EndTag(node);
        break;
      case XmlNodeType::kIncorrectMarkup:
        Error("Incorrect " + std::string(node.problem) + " at offset " +
              std::to_string(node.start));
        break;
      case XmlNodeType::kUnterminated:
        Error(std::string(node.problem) + " at offset " + std::to_string(node.start) +
              " unterminated");
        break;
      default:
        break;
    }
  }
  if (!open_.empty()) {
    Error(NotEnded(open_.back()));
    // Outermost first: each closed element's children move up to its level,
    // where the next open element is among them.
    for (const OpenElement& open : open_) {
      CloseNeverEnded(open.index);
    }
    open_.clear();
  }
  AssignLevels();
  const std::uint32_t root = elements_[0].firstChild;
  if (text_.empty()) {
    Error("Empty document", false);
  } else if (root == 0) {
    Error("No root element", false);
  } else if (elements_[root].nextSibling != 0) {
    Error("Root element has sibling", false);
  }
  return result_;
}

void Parser::StartTag(const XmlNode& node) {
  const std::size_t tagLength = node.end - node.start;
  if (tagLength > kXmlMaxStartTagLength) {
    // Its length would not fit its record.
    Error("Incorrect tag at offset " + std::to_string(node.start));
    return;
  }
  const std::uint32_t index = elements_.Append();
  XmlElementRecord& record = elements_[index];
  record.start = Offset(node.start);
  record.tagLengths = Offset(tagLength);
  AppendChild(open_.empty() ? 0 : open_.back().index, index);
  if (node.type == XmlNodeType::kEmptyElementTag) {
    record.length = Offset(tagLength);
    record.levelFlags |= XmlElementFlag::kEmptyElement;
  } else {
    Push(index, text_.substr(node.nameStart, node.nameEnd - node.nameStart));
  }
}

void Parser::EndTag(const XmlNode& node) {
  const std::u16string_view name = text_.substr(node.nameStart, node.nameEnd - node.nameStart);
  const std::size_t tagLength = node.end - node.start;
  // An end tag too long for its record cannot close anything.
  if (tagLength > kXmlMaxEndTagLength || !IsOpen(name)) {
    Error("No start tag for end tag " + Quoted(name) + " at offset " + std::to_string(node.start));
    return;
  }
  std::size_t match = open_.size() - 1;
  while (open_[match].name != name) {
    --match;
  }
  if (match + 1 < open_.size()) {
    const OpenElement& innermost = open_.back();
    Error("End tag " + Quoted(name) + " at offset " + std::to_string(node.start + 1) +
          " does not match start tag " + Quoted(innermost.name) + " at offset " +
          std::to_string(elements_[innermost.index].start));
    for (std::size_t i = match + 1; i < open_.size(); ++i) {
      CloseNeverEnded(open_[i].index);
    }
    while (open_.size() > match + 1) {
      Pop();
    }
  }
  XmlElementRecord& record = elements_[open_.back().index];
  record.tagLengths |= Offset(tagLength) << 22;
  record.length = Offset(node.end) - record.start;
  Pop();
}

void Parser::Push(std::uint32_t index, std::u16string_view name) {
  if (open_.size() == open_.capacity()) {
    open_.reserve(open_.capacity() * 2 + 6);
  }
  open_.push_back({index, name});
}

void Parser::Pop() {
  if (open_.size() <= named_) {
    const auto named = openNames_.find(open_.back().name);
    if (named != openNames_.end() && --named->second == 0) {
      openNames_.erase(named);
    }
    named_ = open_.size() - 1;
  }
  open_.pop_back();
}

bool Parser::IsOpen(std::u16string_view name) {
  if (!open_.empty() && open_.back().name == name) {
    return true;
  }
  for (; named_ < open_.size(); ++named_) {
    ++openNames_[open_[named_].name];
  }
  return openNames_.contains(name);
}

void Parser::AppendChild(std::uint32_t parent, std::uint32_t child) {
  XmlElementRecord& record = elements_[child];
  record.parent = parent;
  const std::uint32_t first = elements_[parent].firstChild;
  if (first == 0) {
    elements_[parent].firstChild = child;
    record.previousSibling = child;
    record.levelFlags |= XmlElementFlag::kFirstChild;
    return;
  }
  const std::uint32_t last = elements_[first].previousSibling;
  elements_[last].nextSibling = child;
  record.previousSibling = last;
  elements_[first].previousSibling = child;
}

void Parser::CloseNeverEnded(std::uint32_t index) {
  XmlElementRecord& record = elements_[index];
  record.length = StartTagLength(record);
  record.levelFlags |= XmlElementFlag::kNotEnded;
  const std::uint32_t parent = record.parent;
  elements_[parent].levelFlags |= XmlElementFlag::kContainsNotEnded;
  const std::uint32_t first = record.firstChild;
  if (first == 0) {
    return;
  }
  // The children follow the element as its siblings, in their order.
  const std::uint32_t last = elements_[first].previousSibling;
  for (std::uint32_t child = first; child != 0; child = elements_[child].nextSibling) {
    elements_[child].parent = parent;
    elements_[child].levelFlags &= ~XmlElementFlag::kFirstChild;
  }
  const std::uint32_t next = record.nextSibling;
  elements_[last].nextSibling = next;
  if (next != 0) {
    elements_[next].previousSibling = last;
  } else {
    elements_[elements_[parent].firstChild].previousSibling = last;
  }
  elements_[first].previousSibling = index;
  record.nextSibling = first;
  record.firstChild = 0;
}

void Parser::AssignLevels() {
  // Children move while the parse goes on, so the levels are set once, on the
  // final tree, without recursion. Levels deeper than the field holds stay at
  // its maximum.
  std::uint32_t index = elements_[0].firstChild;
  while (index != 0) {
    XmlElementRecord& record = elements_[index];
    const std::uint32_t parentLevel = record.parent == 0 ? 0 : Level(elements_[record.parent]) + 1;
    record.levelFlags = (record.levelFlags & ~kXmlLevelMask) | std::min(parentLevel, kXmlLevelMask);
    if (record.firstChild != 0) {
      index = record.firstChild;
      continue;
    }
    while (index != 0 && elements_[index].nextSibling == 0) {
      index = elements_[index].parent;
    }
    if (index != 0) {
      index = elements_[index].nextSibling;
    }
  }
}

void Parser::Error(std::string message, bool markup) {
  if (markup) {
    result_.markupError = true;
    elements_[0].levelFlags |= XmlElementFlag::kMarkupError;
  }
  if (result_.firstError.empty()) {
    result_.firstError = std::move(message);
  }
}

std::string Parser::NotEnded(const OpenElement& open) const {
  return "Element " + Quoted(open.name) + " at offset " +
         std::to_string(elements_[open.index].start) + " not ended";
}

}  // namespace

XmlParseResult ParseXml(std::u16string_view text, XmlElementTable& elements) {
  return Parser(text, elements).Run();
}

}  // namespace n63k
