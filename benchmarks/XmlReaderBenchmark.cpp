// Loads a generated 1 MB document with the program's XML reader and with
// pugixml, side by side; once for the load alone, once also reading the
// text of every element.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <pugixml.hpp>
#include <span>
#include <string>

#include "core/xml/XmlDocument.h"

namespace {

// A language-file-like document: keys with attributes, entities, non-ASCII
// text, comments and CDATA sections, in groups under one root.
const std::string& Document() {
  static const std::string document = [] {
    std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<language name=\"bench\">\n";
    int key = 0;
    while (out.size() < 1024 * 1024) {
      out += "  <config group=\"" + std::to_string(key / 50) + "\">\n";
      for (int i = 0; i < 50; ++i, ++key) {
        const std::string name = "str_key" + std::to_string(key);
        out += "    <" + name + " id='" + std::to_string(key) + "'>Caf\xC3\xA9 &amp; th\xC3\xA9 " +
               std::to_string(key) + " &lt;ok&gt;</" + name + ">\n";
        if (i % 10 == 0) {
          out += "    <!-- group comment -->\n    <cdata><![CDATA[<raw> & text]]></cdata>\n";
        }
      }
      out += "  </config>\n";
    }
    out += "</language>\n";
    return out;
  }();
  return document;
}

std::span<const std::uint8_t> DocumentBytes() {
  const std::string& document = Document();
  return {reinterpret_cast<const std::uint8_t*>(document.data()), document.size()};
}

void BM_XmlReaderLoad(benchmark::State& state) {
  const auto bytes = DocumentBytes();
  for (auto _ : state) {
    n63k::XmlDocument doc;
    benchmark::DoNotOptimize(doc.LoadFile(bytes));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_XmlReaderLoad)->Unit(benchmark::kMillisecond);

void BM_PugixmlLoad(benchmark::State& state) {
  const std::string& document = Document();
  for (auto _ : state) {
    pugi::xml_document doc;
    benchmark::DoNotOptimize(doc.load_buffer(document.data(), document.size()));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(document.size()));
}
BENCHMARK(BM_PugixmlLoad)->Unit(benchmark::kMillisecond);

void BM_XmlReaderLoadAndReadTexts(benchmark::State& state) {
  const auto bytes = DocumentBytes();
  for (auto _ : state) {
    n63k::XmlDocument doc;
    doc.LoadFile(bytes);
    std::size_t characters = 0;
    for (std::uint32_t i = 1; i < doc.ElementCount(); ++i) {
      characters += doc.ElementText(i).size();
    }
    benchmark::DoNotOptimize(characters);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_XmlReaderLoadAndReadTexts)->Unit(benchmark::kMillisecond);

void BM_PugixmlLoadAndReadTexts(benchmark::State& state) {
  const std::string& document = Document();
  for (auto _ : state) {
    pugi::xml_document doc;
    doc.load_buffer(document.data(), document.size());
    std::size_t characters = 0;
    for (const pugi::xml_node& group : doc.document_element().children()) {
      for (const pugi::xml_node& key : group.children()) {
        characters += std::char_traits<char>::length(key.child_value());
      }
    }
    benchmark::DoNotOptimize(characters);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(document.size()));
}
BENCHMARK(BM_PugixmlLoadAndReadTexts)->Unit(benchmark::kMillisecond);

}  // namespace
