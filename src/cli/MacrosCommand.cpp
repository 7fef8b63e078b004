#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/Format.h"
#include "cli/JsonOutput.h"
#include "cli/MacroTransfer.h"
#include "core/base/Utf.h"
#include "core/buttons/KeyNames.h"
#include "core/macro/MacroEncoder.h"

namespace n63k::cli {
namespace {

constexpr std::size_t kImageBytesPerLine = 16;

std::string KeyText(std::uint32_t value) {
  const std::string_view name = GetMacroKeyName(value);
  return name.empty() ? Hex32(value) : std::string(name);
}

void PrintEvent(std::ostream& out, MacroEvent event) {
  const std::uint32_t value = EventValue(event);
  out << "  ";
  switch (EventKind(event)) {
    case static_cast<std::uint8_t>(MacroEventKind::kKeyDown):
      out << "down " << KeyText(value);
      break;
    case static_cast<std::uint8_t>(MacroEventKind::kKeyUp):
      out << "up " << KeyText(value);
      break;
    case static_cast<std::uint8_t>(MacroEventKind::kDelay):
      out << "delay " << value << " ms";
      break;
    default:
      out << "other " << Hex32(event);
      break;
  }
  out << '\n';
}

void PrintMacros(std::ostream& out, const MacroTable& table) {
  for (const MacroRecord& record : table.Slots()) {
    if (!HoldsMacro(record)) {
      continue;
    }
    const std::span<const MacroEvent> events = EventsOf(record);
    out << MacroGroup(record.identifier) << ' ' << Hex32(record.identifier) << ' '
        << record.loopCount << ' ' << events.size() << ' ' << Quoted(FixedText(record.name))
        << '\n';
    for (const MacroEvent event : events) {
      PrintEvent(out, event);
    }
  }
}

Json EventJson(MacroEvent event) {
  const std::uint32_t value = EventValue(event);
  switch (EventKind(event)) {
    case static_cast<std::uint8_t>(MacroEventKind::kKeyDown):
      return {{"kind", "down"}, {"value", value}, {"key", KeyText(value)}};
    case static_cast<std::uint8_t>(MacroEventKind::kKeyUp):
      return {{"kind", "up"}, {"value", value}, {"key", KeyText(value)}};
    case static_cast<std::uint8_t>(MacroEventKind::kDelay):
      return {{"kind", "delay"}, {"value", value}};
    default:
      return {{"kind", "other"}, {"value", event}};
  }
}

Json MacrosJson(const MacroTable& table) {
  Json macros = Json::array();
  for (const MacroRecord& record : table.Slots()) {
    if (!HoldsMacro(record)) {
      continue;
    }
    Json events = Json::array();
    for (const MacroEvent event : EventsOf(record)) {
      events.push_back(EventJson(event));
    }
    macros.push_back({{"group", MacroGroup(record.identifier)},
                      {"identifier", record.identifier},
                      {"loopCount", record.loopCount},
                      {"eventCount", events.size()},
                      {"name", FixedText(record.name)},
                      {"events", events}});
  }
  return {{"macros", macros}};
}

void PrintImage(std::ostream& out, const MacroImage& image) {
  for (std::size_t i = 0; i < image.bytes.size(); ++i) {
    char text[3];
    std::snprintf(text, sizeof text, "%02x", image.bytes[i]);
    out << text << ((i + 1) % kImageBytesPerLine == 0 ? '\n' : ' ');
  }
  out << "words: " << image.wordCount << '\n';
}

// The identifier as --encode takes it: 0x and hexadecimal digits, or decimal.
std::optional<std::uint32_t> Identifier(const std::string& text) {
  std::uint32_t value = 0;
  if (!CLI::detail::lexical_cast(text, value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

void AddMacrosCommand(CLI::App& app, Context& context, int& status) {
  auto* command = app.add_subcommand(
      "macros",
      "List the stored macros, show one macro's device image, or move a macro to or from text");
  auto encode = std::make_shared<std::optional<std::uint32_t>>();
  auto* encodeOption = command->add_option("--encode", *encode,
                                           "Macro identifier, 0x-prefixed hexadecimal or decimal");
  auto json = std::make_shared<bool>(false);
  auto* jsonOption =
      command->add_flag("--json", *json, "List as one JSON document instead of text");
  auto exportArgs = std::make_shared<std::vector<std::string>>();
  auto* exportOption =
      command
          ->add_option("--export", *exportArgs,
                       "Write macro ID to FILE as text: name, group, loop, then one event a "
                       "line (down KEY, up KEY, delay MS)")
          ->expected(2)
          ->type_name("ID FILE")
          ->default_str("");
  auto importFile = std::make_shared<std::string>();
  auto* importOption =
      command
          ->add_option(
              "--import", *importFile,
              "Store the macro text of FILE as a new macro, as the macro page would, and print its "
              "identifier")
          ->type_name("FILE");
  encodeOption->excludes(jsonOption)->excludes(exportOption)->excludes(importOption);
  jsonOption->excludes(exportOption)->excludes(importOption);
  exportOption->excludes(importOption);
  command->callback(
      [&context, &status, encode, json, exportArgs, importFile, exportOption, importOption] {
        if (importOption->count() > 0) {
          status = ImportMacro(context, *importFile);
          return;
        }
        if (exportOption->count() > 0) {
          const std::optional<std::uint32_t> identifier = Identifier((*exportArgs)[0]);
          if (!identifier) {
            context.err << "n63kctl: " << Quoted((*exportArgs)[0]) << " is no macro identifier\n";
            status = kExitUsage;
            return;
          }
          status = ExportMacro(context, *identifier, (*exportArgs)[1]);
          return;
        }
        if (!context.LoadData()) {
          status = kExitFailure;
          return;
        }
        const MacroTable& table = context.State().macroTable();
        if (*json) {
          PrintJson(context.out, MacrosJson(table));
          status = kExitOk;
          return;
        }
        if (!encode->has_value()) {
          PrintMacros(context.out, table);
          status = kExitOk;
          return;
        }
        // The macro the mouse would be sent for a button with this identifier.
        const MacroRecord* record = table.FindMacroToSend(**encode);
        if (record == nullptr) {
          context.err << "n63kctl: no macro " << Hex32(**encode) << " in the macro table\n";
          status = kExitFailure;
          return;
        }
        PrintImage(context.out, EncodeMacro(*record));
        status = kExitOk;
      });
}

}  // namespace n63k::cli
