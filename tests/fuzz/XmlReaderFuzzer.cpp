// libFuzzer target: loads arbitrary bytes as a document, checks that the
// element records describe a consistent tree inside the text, and reads the
// text of every element and the lookups over it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>

#include "core/xml/XmlDocument.h"

namespace {

using n63k::XmlDocument;
using n63k::XmlElementRecord;

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

void CheckRecords(const XmlDocument& doc) {
  const std::size_t textSize = doc.Text().size();
  const std::uint32_t count = doc.ElementCount();
  for (std::uint32_t i = 1; i < count; ++i) {
    const XmlElementRecord& r = doc.Element(i);
    Check(r.parent < count && r.firstChild < count && r.nextSibling < count &&
          r.previousSibling < count);
    Check(std::size_t{r.start} + r.length <= textSize);
    Check(n63k::StartTagLength(r) + n63k::EndTagLength(r) <= r.length);
    Check(doc.Text()[r.start] == u'<');
    if (r.nextSibling != 0) {
      Check(doc.Element(r.nextSibling).previousSibling == i);
      Check(doc.Element(r.nextSibling).parent == r.parent);
    }
    if (r.firstChild != 0) {
      Check(doc.Element(r.firstChild).parent == i);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  XmlDocument doc;
  const bool loaded = doc.LoadFile(std::span<const std::uint8_t>(data, size));
  Check(loaded == doc.IsWellFormed());
  Check(!doc.DiagnosticText().empty());
  CheckRecords(doc);
  for (std::uint32_t i = 1; i < doc.ElementCount(); ++i) {
    doc.ElementText(i);
  }

  doc.ResetPosition();
  while (doc.FindChildElement()) {
    doc.GetChildTextUtf8();
  }
  doc.ResetPosition();
  if (doc.FindChildElement("config") && doc.EnterElement()) {
    while (doc.FindChildElement()) {
      doc.GetChildText();
    }
  }

  // The same bytes as a text in memory reach the parser with any units,
  // lone surrogates included, without a decoder in between.
  std::u16string text(size / 2, u'\0');
  std::memcpy(text.data(), data, text.size() * 2);
  doc.SetText(std::move(text));
  CheckRecords(doc);
  for (std::uint32_t i = 1; i < doc.ElementCount(); ++i) {
    doc.ElementText(i);
  }
  return 0;
}
