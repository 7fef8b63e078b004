#include <memory>
#include <optional>

#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/Format.h"
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

}  // namespace

void AddShowCommand(CLI::App& app, Context& context, int& status) {
  auto* command = app.add_subcommand("show", "Show the current profile, or profile N");
  auto profile = std::make_shared<std::optional<int>>();
  command->add_option("--profile", *profile, "Profile number")->check(CLI::Range(1, kProfileCount));
  command->callback([&context, &status, profile] {
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
    context.out << "profile " << (table.CurrentIndex() + 1) << ' '
                << Quoted(table.ProfilePath(table.CurrentIndex()).string()) << '\n';
    PrintRecord(context.out, state.profileFiles().Current(), state.localisation().chineseUi);
    status = kExitOk;
  });
}

}  // namespace n63k::cli
