#include "core/xml/XmlDocument.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <utility>
#include <vector>

#include "core/base/Files.h"
#include "core/base/Utf.h"
#include "core/xml/CharacterReferences.h"
#include "core/xml/XmlByteDecoding.h"
#include "core/xml/XmlParser.h"
#include "core/xml/XmlTokenizer.h"

namespace n63k {
namespace {

std::string SystemMessage(int error) {
  return std::error_code(error, std::generic_category()).message();
}

int ErrnoOf(FileError error) {
  switch (error) {
    case FileError::kNotFound:
      return ENOENT;
    case FileError::kAccessDenied:
      return EACCES;
    default:
      return EIO;
  }
}

bool EndsElementName(char16_t c) {
  switch (c) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\r':
    case u'<':
    case u'>':
    case u'=':
    case u'\\':
    case u'/':
    case u'?':
    case u'!':
    case u'"':
    case u'\'':
    case u';':
      return true;
    default:
      return false;
  }
}

bool EndsRequestedName(char16_t c) {
  return c == u' ' || c == u'=' || c == u'/' || c == u'[' || c == u']';
}

}  // namespace

XmlDocument::XmlDocument() {
  SetText({});
}

bool XmlDocument::LoadFile(const std::filesystem::path& path) {
  // The size tells a missing path or a folder by the system's own message,
  // and lets the read take one byte more than the file (or the limit) holds,
  // which tells a file that is too large.
  std::error_code sizeError;
  const std::uintmax_t size = std::filesystem::file_size(path, sizeError);
  if (sizeError) {
    MakeEmpty(sizeError.message());
    return false;
  }
  std::vector<std::uint8_t> bytes;
  const FileError error =
      ReadFileBytes(path, bytes, std::min<std::uintmax_t>(size, kMaxFileSize) + 1);
  if (error != FileError::kNone) {
    MakeEmpty(SystemMessage(ErrnoOf(error)));
    return false;
  }
  return LoadFile(std::span<const std::uint8_t>(bytes));
}

bool XmlDocument::LoadFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > kMaxFileSize) {
    MakeEmpty(SystemMessage(EFBIG));
    return false;
  }
  DecodedXml decoded = DecodeXmlBytes(bytes);
  text_ = std::move(decoded.text);
  return Parse(std::move(decoded.report));
}

bool XmlDocument::SetText(std::u16string text) {
  if (text.size() > kMaxFileSize) {
    MakeEmpty(SystemMessage(EFBIG));
    return false;
  }
  text_ = std::move(text);
  return Parse({});
}

bool XmlDocument::Parse(std::string loadReport) {
  XmlParseResult result = ParseXml(text_, elements_);
  wellFormed_ = result.firstError.empty();
  diagnostic_ = std::move(loadReport);
  if (!wellFormed_) {
    diagnostic_ += diagnostic_.empty() ? result.firstError : " " + result.firstError;
  }
  ResetPosition();
  return wellFormed_;
}

void XmlDocument::MakeEmpty(std::string diagnostic) {
  text_.clear();
  elements_.Reset(8);
  wellFormed_ = false;
  diagnostic_ = std::move(diagnostic);
  ResetPosition();
}

void XmlDocument::ResetPosition() {
  parent_ = 0;
  current_ = 0;
  child_ = 0;
  nodeKind_ = XmlNodeKind::kNone;
}

bool XmlDocument::FindElement(std::string_view name) {
  const std::uint32_t first =
      current_ != 0 ? elements_[current_].nextSibling : elements_[parent_].firstChild;
  const std::uint32_t found = FindSibling(first, Utf8ToUtf16(name));
  if (found == 0) {
    return false;
  }
  current_ = found;
  child_ = 0;
  nodeKind_ = XmlNodeKind::kElement;
  return true;
}

bool XmlDocument::FindChildElement(std::string_view name) {
  if (current_ == 0 && !FindElement()) {
    return false;
  }
  const std::uint32_t first =
      child_ != 0 ? elements_[child_].nextSibling : elements_[current_].firstChild;
  const std::uint32_t found = FindSibling(first, Utf8ToUtf16(name));
  if (found == 0) {
    return false;
  }
  child_ = found;
  parent_ = elements_[current_].parent;
  return true;
}

bool XmlDocument::EnterElement() {
  if (current_ == 0) {
    return false;
  }
  parent_ = current_;
  current_ = child_;
  child_ = 0;
  nodeKind_ = current_ != 0 ? XmlNodeKind::kElement : XmlNodeKind::kNone;
  return true;
}

std::u16string XmlDocument::GetChildText() const {
  return ElementText(child_);
}

std::string XmlDocument::GetChildTextUtf8() const {
  return Utf16ToUtf8(GetChildText());
}

std::u16string XmlDocument::ElementText(std::uint32_t index) const {
  if (index == 0 || index >= elements_.Count()) {
    return {};
  }
  const XmlElementRecord& record = elements_[index];
  if (record.firstChild != 0 || (record.levelFlags & XmlElementFlag::kEmptyElement) != 0) {
    return {};
  }
  const std::size_t start = record.start + StartTagLength(record);
  const std::size_t end = record.start + record.length - EndTagLength(record);
  if (end <= start) {
    return {};
  }
  const std::u16string_view content = std::u16string_view(text_).substr(start, end - start);
  std::u16string out;
  if (content.find(u'<') == std::u16string_view::npos) {
    AppendDecodedReferences(content, out);
    return out;
  }
  XmlTokenizer tokenizer(content);
  XmlNode node;
  while (tokenizer.Next(node)) {
    if (node.type == XmlNodeType::kText) {
      AppendDecodedReferences(content.substr(node.start, node.end - node.start), out);
    } else if (node.type == XmlNodeType::kCData) {
      out.append(content.substr(node.nameStart, node.nameEnd - node.nameStart));
    }
  }
  return out;
}

std::u16string_view XmlDocument::ElementName(std::uint32_t index) const {
  if (index == 0) {
    return {};
  }
  const std::u16string_view text = text_;
  std::size_t i = elements_[index].start + 1;
  while (i < text.size() && IsXmlWhitespace(text[i])) {
    ++i;
  }
  const std::size_t start = i;
  while (i < text.size() && !EndsElementName(text[i])) {
    ++i;
  }
  return text.substr(start, i - start);
}

bool XmlDocument::NameMatches(std::uint32_t index, std::u16string_view name) const {
  if (name.empty()) {
    return true;
  }
  const std::u16string_view elementName = ElementName(index);
  return name.starts_with(elementName) &&
         (name.size() == elementName.size() || EndsRequestedName(name[elementName.size()]));
}

std::uint32_t XmlDocument::FindSibling(std::uint32_t first, std::u16string_view name) const {
  for (std::uint32_t index = first; index != 0; index = elements_[index].nextSibling) {
    if (NameMatches(index, name)) {
      return index;
    }
  }
  return 0;
}

}  // namespace n63k
