#include <charconv>
#include <memory>
#include <sstream>

#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/Format.h"
#include "cli/FunctionArgument.h"
#include "cli/ProfileEdit.h"
#include "core/buttons/ButtonSlots.h"
#include "core/pages/ButtonPageSettings.h"
#include "core/pages/FunctionAssignment.h"

namespace n63k::cli {
namespace {

std::optional<int> ParseSlot(std::string_view text) {
  for (int slot = 0; slot < kButtonCount; ++slot) {
    if (text == kButtonSlots[static_cast<std::size_t>(slot)].name || text == std::to_string(slot)) {
      return slot;
    }
  }
  return std::nullopt;
}

std::optional<std::vector<std::int32_t>> ParseDpiList(const std::string& text) {
  std::vector<std::int32_t> values;
  std::stringstream stream(text);
  std::string item;
  while (std::getline(stream, item, ',')) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (item.empty() || error != std::errc() || end != item.data() + item.size()) {
      return std::nullopt;
    }
    values.push_back(value);
  }
  return values;
}

std::string DpiProblemText(const DpiChoice& choice) {
  switch (choice.problem) {
    case DpiChoiceProblem::kNoValue:
      return "at least one DPI stage must be checked";
    case DpiChoiceProblem::kTooMany:
      return "at most seven DPI stages can be checked";
    case DpiChoiceProblem::kNotOffered:
      return "no DPI box has the value " + std::to_string(choice.value);
    case DpiChoiceProblem::kRepeated:
      return "the DPI value " + std::to_string(choice.value) + " is given twice";
    case DpiChoiceProblem::kNone:
      break;
  }
  return {};
}

// Adds `set NAME VALUE`, where `change` applies the value to the button
// page's settings and says whether the page takes it.
template <typename T>
void AddSetting(CLI::App& set, Context& context, int& status, const std::string& name,
                const std::string& description, const std::string& valueHelp,
                std::function<bool(ButtonPageSettings&, const T&)> change, std::string refusal) {
  auto* command = set.add_subcommand(name, description);
  auto value = std::make_shared<T>();
  command->add_option("VALUE", *value, valueHelp)->required();
  command->callback([&context, &status, value, change, refusal] {
    EditProfile(context, status, [&](ProgramState& state) {
      ButtonPageSettings page(state.profileFiles().Current());
      if (!change(page, *value)) {
        context.err << "n63kctl: " << refusal << '\n';
        return false;
      }
      return true;
    });
  });
}

void AddSetButton(CLI::App& set, Context& context, int& status) {
  auto* command = set.add_subcommand(
      "button",
      "Give a control a function, as the function chooser does. SLOT: 0-6 or left, middle, "
      "right, forward, back, wheel-up, wheel-down. FUNCTION: a name that 'n63kctl functions' "
      "lists; code:N; keys:MOD+...+KEY with ctrl, shift, alt, win and a name that 'n63kctl "
      "keys' lists; macro:0xID or macro:NAME; sound:PATH, program:PATH, file:PATH, "
      "folder:PATH; disable; default");
  auto slotText = std::make_shared<std::string>();
  auto function = std::make_shared<std::string>();
  command->add_option("SLOT", *slotText, "The control")->required();
  command->add_option("FUNCTION", *function, "The function")->required();
  command->callback([&context, &status, slotText, function] {
    const std::optional<int> slot = ParseSlot(*slotText);
    if (!slot) {
      context.err << "n63kctl: unknown control " << *slotText
                  << "; use 0-6 or left, middle, right, forward, back, wheel-up, wheel-down\n";
      status = kExitFailure;
      return;
    }
    EditProfile(context, status, [&](ProgramState& state) {
      const auto parsed = ParseFunctionArgument(*slot, *function, state.macroTable());
      if (const auto* problem = std::get_if<std::string>(&parsed)) {
        context.err << "n63kctl: " << *problem << '\n';
        return false;
      }
      const UsKeyCharacters keyCharacters;
      FunctionAssignment assignment(state.profileFiles().Current(), state.buttonMacroIds(),
                                    state.macroTable(), state.messages(), state.localisation(),
                                    keyCharacters);
      return assignment.AssignFunction(std::get<ChooserResult>(parsed));
    });
  });
}

void AddSetDpi(CLI::App& set, Context& context, int& status) {
  auto* command = set.add_subcommand(
      "dpi",
      "Set the DPI stages: the values checked on the button page, one to seven of 500, "
      "750, 1000, 1250, 1500, 2000, 2500, 3000, 3250, 3500, 4000, 5000, 6000, 7000; "
      "stored ascending");
  auto list = std::make_shared<std::string>();
  command->add_option("VALUES", *list, "The DPI values, separated by commas")->required();
  command->callback([&context, &status, list] {
    EditProfile(context, status, [&](ProgramState& state) {
      const std::optional<std::vector<std::int32_t>> values = ParseDpiList(*list);
      if (!values) {
        context.err << "n63kctl: " << Quoted(*list) << " is not a list of DPI values\n";
        return false;
      }
      ButtonPageSettings page(state.profileFiles().Current());
      const DpiChoice choice = page.CheckDpiBoxes(*values);
      if (!choice.ok()) {
        context.err << "n63kctl: " << DpiProblemText(choice) << '\n';
      }
      return choice.ok();
    });
  });
}

}  // namespace

void AddSetCommand(CLI::App& app, Context& context, int& status) {
  auto* set = app.add_subcommand(
      "set",
      "Change one setting of the current profile (or of --profile N) and save it; "
      "nothing is sent to the mouse until apply");
  set->require_subcommand(1);
  AddSetButton(*set, context, status);
  AddSetDpi(*set, context, status);
  AddSetting<int>(*set, context, status, "speed", "Set the pointer speed", "1-20",
                  &ButtonPageSettings::MovePointerSpeedSlider, "the pointer speed is 1-20");
  AddSetting<std::string>(
      *set, context, status, "precision", "Set the pointer precision", "on or off",
      [](ButtonPageSettings& page, const std::string& value) {
        if (value != "on" && value != "off") {
          return false;
        }
        page.SetPointerPrecision(value == "on");
        return true;
      },
      "the pointer precision is on or off");
  AddSetting<int>(*set, context, status, "sensor", "Set the sensor height", "1-30",
                  &ButtonPageSettings::MoveSensorHeightSlider, "the sensor height is 1-30");
  AddSetting<int>(*set, context, status, "rate", "Set the report rate", "125, 250, 500 or 1000",
                  &ButtonPageSettings::SelectReportRate,
                  "the report rate is 125, 250, 500 or 1000");
  AddSetting<std::string>(
      *set, context, status, "scroll",
      "Set what one wheel notch scrolls: 1-30 lines, or one screen", "1-30 or screen",
      [](ButtonPageSettings& page, const std::string& value) {
        if (value == "screen") {
          page.SelectScrollScreen();
          return true;
        }
        int lines = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), lines);
        return error == std::errc() && end == value.data() + value.size() &&
               page.SetScrollLines(lines);
      },
      "the wheel scrolls 1-30 lines or one screen");
  AddSetLightingCommand(*set, context, status);
}

}  // namespace n63k::cli
