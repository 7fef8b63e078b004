#include <memory>
#include <optional>

#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/Format.h"
#include "cli/JsonOutput.h"
#include "core/base/Utf.h"
#include "core/buttons/FunctionCatalogue.h"

namespace n63k::cli {
namespace {

template <typename T, std::size_t N>
void PrintList(std::ostream& out, const char* name, const T (&values)[N]) {
  out << name;
  for (const T value : values) {
    out << ' ' << value;
  }
  out << '\n';
}

void PrintRecord(std::ostream& out, const ProfileRecord& record, bool chineseUi) {
  out << "magic " << Hex32(record.magic) << '\n';
  for (int slot = 0; slot < kButtonCount; ++slot) {
    const ButtonEntry& b = record.buttons[slot];
    out << "button " << slot << ' ' << kButtonSlots[static_cast<std::size_t>(slot)].name
        << ": code " << b.functionCode << ' ' << Quoted(GetFunctionName(b.functionCode, chineseUi))
        << " caption " << Quoted(FixedText(b.caption)) << " macroId " << Hex32(b.macroId)
        << " comboWord " << Hex32(b.comboWord) << " pcActionKind "
        << Hex32(static_cast<std::uint32_t>(b.pcActionKind)) << " pcActionTag "
        << Hex32(b.pcActionTag) << " pcActionPath " << Quoted(FixedText(b.pcActionPath)) << '\n';
  }
  PrintList(out, "dpiLevels", record.dpiLevels);
  out << "sensorHeight " << record.sensorHeight << '\n'
      << "pollingRate " << record.pollingRate << '\n'
      << "ledMode " << record.ledMode << '\n'
      << "ledMultiColour " << record.ledMultiColour << '\n'
      << "ledColours";
  for (const std::uint32_t colour : record.ledColours) {
    out << ' ' << Hex32(colour);
  }
  out << '\n';
  PrintList(out, "ledColourCustom", record.ledColourCustom);
  PrintList(out, "ledPresetIndex", record.ledPresetIndex);
  out << "proximitySensing " << record.proximitySensing << '\n'
      << "pointerPrecision " << record.pointerPrecision << '\n'
      << "pointerSpeed " << record.pointerSpeed << '\n'
      << "ledParam1 " << record.ledBrightness << '\n'
      << "ledParam2 " << record.ledBreathingSpeed << '\n'
      << "ledParam5 " << record.ledCycleSpeed << '\n'
      << "wheelScrollLines " << record.wheelScrollLines << '\n';
}

template <typename T, std::size_t N>
Json List(const T (&values)[N]) {
  Json list = Json::array();
  for (const T value : values) {
    list.push_back(value);
  }
  return list;
}

Json ButtonJson(int slot, const ButtonEntry& b, bool chineseUi) {
  return {{"slot", slot},
          {"functionCode", b.functionCode},
          {"functionName", GetFunctionName(b.functionCode, chineseUi)},
          {"caption", FixedText(b.caption)},
          {"macroId", b.macroId},
          {"comboWord", b.comboWord},
          {"pcActionKind", b.pcActionKind},
          {"pcActionTag", b.pcActionTag},
          {"pcActionPath", FixedText(b.pcActionPath)}};
}

Json RecordJson(const ProfileRecord& record, bool chineseUi) {
  Json buttons = Json::object();
  for (int slot = 0; slot < kButtonCount; ++slot) {
    const auto name = kButtonSlots[static_cast<std::size_t>(slot)].name;
    buttons[std::string(name)] = ButtonJson(slot, record.buttons[slot], chineseUi);
  }
  return {{"magic", record.magic},
          {"buttons", buttons},
          {"dpiLevels", List(record.dpiLevels)},
          {"sensorHeight", record.sensorHeight},
          {"pollingRate", record.pollingRate},
          {"ledMode", record.ledMode},
          {"ledMultiColour", record.ledMultiColour},
          {"ledColours", List(record.ledColours)},
          {"ledColourCustom", List(record.ledColourCustom)},
          {"ledPresetIndex", List(record.ledPresetIndex)},
          {"proximitySensing", record.proximitySensing},
          {"pointerPrecision", record.pointerPrecision},
          {"pointerSpeed", record.pointerSpeed},
          {"ledBrightness", record.ledBrightness},
          {"ledBreathingSpeed", record.ledBreathingSpeed},
          {"ledCycleSpeed", record.ledCycleSpeed},
          {"wheelScrollLines", record.wheelScrollLines}};
}

}  // namespace

void AddShowCommand(CLI::App& app, Context& context, int& status) {
  auto* command = app.add_subcommand("show", "Show the current profile, or profile N");
  auto profile = std::make_shared<std::optional<int>>();
  command->add_option("--profile", *profile, "Profile number")->check(CLI::Range(1, kProfileCount));
  auto json = std::make_shared<bool>(false);
  command->add_flag("--json", *json, "One JSON document instead of text");
  command->callback([&context, &status, profile, json] {
    if (!context.LoadData()) {
      status = kExitFailure;
      return;
    }
    ProgramState& state = context.State();
    ProfileTable& table = state.profileTable();
    const int number = profile->value_or(context.profile);
    if (number != 0 && !context.SwitchProfile(number)) {
      status = kExitFailure;
      return;
    }
    const int current = table.CurrentIndex();
    const ProfileRecord& record = state.profileFiles().Current();
    const bool chineseUi = state.localisation().chineseUi;
    if (*json) {
      PrintJson(context.out, {{"profile", current + 1},
                              {"path", table.ProfilePath(current).string()},
                              {"record", RecordJson(record, chineseUi)}});
    } else {
      context.out << "profile " << (current + 1) << ' '
                  << Quoted(table.ProfilePath(current).string()) << '\n';
      PrintRecord(context.out, record, chineseUi);
    }
    status = kExitOk;
  });
}

}  // namespace n63k::cli
