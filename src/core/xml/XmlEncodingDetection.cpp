#include "core/xml/XmlEncodingDetection.h"

#include <optional>

#include "core/base/Utf.h"
#include "core/xml/XmlTokenizer.h"

namespace n63k {
namespace {

// The value of attribute `name` among the attributes of a tag, which run
// from after its name to before its closing characters.
std::optional<std::u16string_view> AttributeValue(std::u16string_view attributes,
                                                  std::u16string_view name) {
  std::size_t i = 0;
  const auto skipWhitespace = [&] {
    while (i < attributes.size() && IsXmlWhitespace(attributes[i])) {
      ++i;
    }
  };
  while (true) {
    skipWhitespace();
    if (i >= attributes.size()) {
      return std::nullopt;
    }
    const std::size_t nameStart = i;
    while (i < attributes.size() && !IsXmlWhitespace(attributes[i]) && attributes[i] != u'=') {
      ++i;
    }
    const std::u16string_view attribute = attributes.substr(nameStart, i - nameStart);
    skipWhitespace();
    if (i >= attributes.size() || attributes[i] != u'=') {
      continue;
    }
    ++i;
    skipWhitespace();
    std::size_t valueStart = i;
    std::size_t valueEnd = i;
    if (i < attributes.size() && (attributes[i] == u'"' || attributes[i] == u'\'')) {
      const std::size_t close = attributes.find(attributes[i], i + 1);
      valueStart = i + 1;
      valueEnd = close == std::u16string_view::npos ? attributes.size() : close;
      i = valueEnd + 1;
    } else {
      while (i < attributes.size() && !IsXmlWhitespace(attributes[i]) && attributes[i] != u'>') {
        ++i;
      }
      valueEnd = i;
    }
    if (attribute == name) {
      return attributes.substr(valueStart, valueEnd - valueStart);
    }
  }
}

// The word after "charset=" in a Content-Type value.
std::u16string_view CharsetOf(std::u16string_view content) {
  std::size_t i = content.find(u"charset");
  if (i == std::u16string_view::npos) {
    return {};
  }
  i += 7;
  while (i < content.size() && IsXmlWhitespace(content[i])) {
    ++i;
  }
  if (i >= content.size() || content[i] != u'=') {
    return {};
  }
  ++i;
  while (i < content.size() && IsXmlWhitespace(content[i])) {
    ++i;
  }
  const std::size_t start = i;
  while (i < content.size() && !IsXmlWhitespace(content[i]) && content[i] != u';' &&
         content[i] != u'"' && content[i] != u'\'') {
    ++i;
  }
  return content.substr(start, i - start);
}

}  // namespace

std::string DeclaredEncoding(std::u16string_view text) {
  XmlTokenizer tokenizer(text);
  XmlNode node;
  bool seenTag = false;
  bool seenStartTag = false;
  while (tokenizer.Next(node)) {
    const std::u16string_view name = text.substr(node.nameStart, node.nameEnd - node.nameStart);
    switch (node.type) {
      case XmlNodeType::kIncorrectMarkup:
      case XmlNodeType::kUnterminated:
        return {};
      case XmlNodeType::kProcessingInstruction:
        if (!seenTag && name == u"xml") {
          // The name stops before "?>", so the attributes end there.
          const auto attributes = text.substr(node.nameEnd, node.end - 2 - node.nameEnd);
          return Utf16ToUtf8(AttributeValue(attributes, u"encoding").value_or(u""));
        }
        break;
      case XmlNodeType::kStartTag:
      case XmlNodeType::kEmptyElementTag:
        seenTag = true;
        if (!seenStartTag) {
          seenStartTag = true;
          if (name != u"html") {
            return {};
          }
        } else if (name == u"meta") {
          const auto attributes = text.substr(node.nameEnd, node.end - 1 - node.nameEnd);
          if (AttributeValue(attributes, u"http-equiv") == u"Content-Type") {
            return Utf16ToUtf8(CharsetOf(AttributeValue(attributes, u"content").value_or(u"")));
          }
        }
        break;
      case XmlNodeType::kEndTag:
        seenTag = true;
        if (name == u"head") {
          return {};
        }
        break;
      default:
        break;
    }
  }
  return {};
}

bool PassesUtf8Check(std::span<const std::uint8_t> bytes) {
  std::size_t i = 0;
  while (i < bytes.size() && bytes[i] != 0) {
    const std::uint8_t lead = bytes[i];
    std::size_t further = 0;
    if (lead < 0x80) {
      further = 0;
    } else if ((lead & 0x20) == 0) {
      further = 1;
    } else if ((lead & 0x10) == 0) {
      further = 2;
    } else if ((lead & 0x08) == 0) {
      further = 3;
    } else {
      return false;
    }
    for (std::size_t k = 1; k <= further; ++k) {
      if (i + k >= bytes.size() || bytes[i + k] < 0x80) {
        return false;
      }
    }
    i += further + 1;
  }
  return true;
}

}  // namespace n63k
