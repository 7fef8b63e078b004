#include "core/xml/XmlTokenizer.h"

#include <algorithm>

namespace n63k {
namespace {

bool StartsStartTag(char16_t c) {
  return (c >= u'A' && c <= u'Z') || c == u':' || c == u'_' || c >= u'a';
}

bool IsDeclarationLetter(char16_t c) {
  return c == u'E' || c == u'A' || c == u'N';
}

}  // namespace

bool IsXmlWhitespace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool XmlTokenizer::Next(XmlNode& node) {
  if (pos_ >= text_.size()) {
    return false;
  }
  node = XmlNode{};
  node.start = pos_;
  if (text_[pos_] != u'<') {
    ReadText(node);
  } else if (pos_ + 1 >= text_.size()) {
    Unterminated(node, "tag");
  } else {
    const char16_t c = text_[pos_ + 1];
    if (c == u'/') {
      ReadEndTag(node);
    } else if (c == u'!') {
      ReadBang(node);
    } else if (c == u'?') {
      ReadProcessingInstruction(node);
    } else if (StartsStartTag(c)) {
      ReadStartTag(node);
    } else {
      IncorrectMarkup(node, "tag name character");
    }
  }
  pos_ = node.end;
  return true;
}

void XmlTokenizer::ReadText(XmlNode& node) {
  bool whitespace = true;
  std::size_t i = node.start;
  for (; i < text_.size() && text_[i] != u'<'; ++i) {
    whitespace = whitespace && IsXmlWhitespace(text_[i]);
  }
  node.end = i;
  node.type = whitespace ? XmlNodeType::kWhitespace : XmlNodeType::kText;
}

void XmlTokenizer::ReadStartTag(XmlNode& node) {
  node.nameStart = node.start + 1;
  node.nameEnd = NameEnd(node.nameStart);
  // A quote opens an attribute value only after '='; inside a value '>' does
  // not end the tag.
  bool afterEquals = false;
  char16_t quote = 0;
  std::size_t lastClosingQuote = std::u16string_view::npos;
  for (std::size_t i = node.nameEnd; i < text_.size(); ++i) {
    const char16_t c = text_[i];
    if (quote != 0) {
      if (c == quote) {
        quote = 0;
        lastClosingQuote = i;
      }
    } else if (c == u'>') {
      node.end = i + 1;
      const bool empty =
          text_[i - 1] == u'/' &&
          (i - 1 == node.nameEnd || IsXmlWhitespace(text_[i - 2]) || i - 2 == lastClosingQuote);
      node.type = empty ? XmlNodeType::kEmptyElementTag : XmlNodeType::kStartTag;
      return;
    } else if (c == u'=') {
      afterEquals = true;
    } else if (afterEquals && (c == u'"' || c == u'\'')) {
      quote = c;
      afterEquals = false;
    } else if (!IsXmlWhitespace(c)) {
      afterEquals = false;
    }
  }
  Unterminated(node, "Element tag");
}

void XmlTokenizer::ReadEndTag(XmlNode& node) {
  node.nameStart = node.start + 2;
  node.nameEnd = NameEnd(node.nameStart);
  EndAt(node, XmlNodeType::kEndTag, node.nameStart, u">", "Element end tag");
}

void XmlTokenizer::ReadBang(XmlNode& node) {
  const std::size_t at = node.start + 2;
  if (at >= text_.size()) {
    Unterminated(node, "tag");
    return;
  }
  const char16_t c = text_[at];
  if (c == u'-') {
    if (at + 1 >= text_.size()) {
      Unterminated(node, "Comment");
    } else if (text_[at + 1] == u'-') {
      EndAt(node, XmlNodeType::kComment, at + 2, u"-->", "Comment");
    } else {
      IncorrectMarkup(node, "comment tag");
    }
  } else if (c == u'[') {
    if (at + 1 >= text_.size()) {
      Unterminated(node, "tag");
    } else if (text_[at + 1] == u'C') {
      EndAt(node, XmlNodeType::kCData, at + 1, u"]]>", "CDATA Section");
      if (node.type == XmlNodeType::kCData) {
        // "<![CDATA[" is 9 characters; a shorter opening holds nothing.
        node.nameEnd = node.end - 3;
        node.nameStart = std::min(node.start + 9, node.nameEnd);
      }
    } else {
      IncorrectMarkup(node, "tag");
    }
  } else if (c == u'D') {
    ReadDocType(node);
  } else if (IsDeclarationLetter(c)) {
    EndAt(node, XmlNodeType::kDeclaration, at, u">", "tag");
  } else {
    IncorrectMarkup(node, "! tag");
  }
}

void XmlTokenizer::ReadDocType(XmlNode& node) {
  // An internal subset nests declarations such as <!ELEMENT ...>; their '>'
  // does not end the document type declaration.
  std::size_t depth = 0;
  for (std::size_t i = node.start + 2; i < text_.size(); ++i) {
    if (text_[i] == u'<') {
      ++depth;
    } else if (text_[i] == u'>') {
      if (depth == 0) {
        node.type = XmlNodeType::kDocType;
        node.end = i + 1;
        return;
      }
      --depth;
    }
  }
  Unterminated(node, "Doctype");
}

void XmlTokenizer::ReadProcessingInstruction(XmlNode& node) {
  node.nameStart = node.start + 2;
  node.nameEnd = NameEnd(node.nameStart);
  EndAt(node, XmlNodeType::kProcessingInstruction, node.nameStart, u"?>", "Processing instruction");
}

void XmlTokenizer::EndAt(XmlNode& node, XmlNodeType type, std::size_t from,
                         std::u16string_view terminator, std::string_view kind) {
  const std::size_t at = text_.find(terminator, from);
  if (at == std::u16string_view::npos) {
    Unterminated(node, kind);
    return;
  }
  node.type = type;
  node.end = at + terminator.size();
}

void XmlTokenizer::IncorrectMarkup(XmlNode& node, std::string_view problem) {
  node.type = XmlNodeType::kIncorrectMarkup;
  node.problem = problem;
  const std::size_t close = text_.find(u'>', node.start + 1);
  node.end = close == std::u16string_view::npos ? text_.size() : close + 1;
}

void XmlTokenizer::Unterminated(XmlNode& node, std::string_view kind) {
  node.type = XmlNodeType::kUnterminated;
  node.problem = kind;
  node.end = text_.size();
}

std::size_t XmlTokenizer::NameEnd(std::size_t from) const {
  std::size_t i = from;
  while (i < text_.size() && !IsXmlWhitespace(text_[i]) && text_[i] != u'/' && text_[i] != u'>') {
    ++i;
  }
  return i;
}

}  // namespace n63k
