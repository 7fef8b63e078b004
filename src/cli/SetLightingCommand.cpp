#include <algorithm>
#include <array>
#include <charconv>
#include <memory>
#include <optional>

#include "cli/Cli.h"
#include "cli/Commands.h"
#include "cli/ProfileEdit.h"
#include "core/pages/LightingSettings.h"

namespace n63k::cli {
namespace {

struct ModeName {
  std::string_view name;
  LedMode mode;
};

constexpr std::array<ModeName, 6> kModeNames = {{
    {"always-on", LedMode::kAlwaysOn},
    {"breathing", LedMode::kBreathing},
    {"apm-breathing", LedMode::kApmBreathing},
    {"spectrum-cycle", LedMode::kSpectrumCycle},
    {"colour-cycle", LedMode::kColourCycle},
    {"off", LedMode::kOff},
}};

struct LightingOptions {
  std::string mode;
  std::string multiColour;
  std::string proximity;
  std::optional<int> brightness;
  std::optional<int> breathingSpeed;
  std::optional<int> cycleSpeed;
  std::vector<std::string> colours;
};

std::optional<std::uint32_t> ParseNumber(std::string_view text, int base) {
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

// `[N=]#RRGGBB` or `[N=]palette:K`; N 1-3 for a cycle colour, none for the
// single colour.
bool ApplyColour(LightingSettings& page, std::string_view text, std::ostream& err) {
  int slot = kSingleColourSlot;
  if (text.size() > 2 && text[1] == '=') {
    if (text[0] < '1' || text[0] > '3') {
      err << "n63kctl: the cycle colours are numbered 1-3\n";
      return false;
    }
    slot = text[0] - '1';
    text.remove_prefix(2);
  }
  if (!page.CanEditColour(slot)) {
    err << "n63kctl: "
        << (slot == kSingleColourSlot
                ? "the single colour is set in the always-on and breathing modes"
                : "the cycle colours are set in the colour-cycle mode with --multicolour on")
        << '\n';
    return false;
  }
  if (text.starts_with("palette:")) {
    const std::optional<std::uint32_t> index = ParseNumber(text.substr(8), 10);
    if (index && page.PickPaletteColour(slot, static_cast<int>(*index))) {
      return true;
    }
    err << "n63kctl: the palette has the colours 0-25\n";
    return false;
  }
  const std::optional<std::uint32_t> rgb =
      text.size() == 7 && text[0] == '#' ? ParseNumber(text.substr(1), 16) : std::nullopt;
  if (!rgb) {
    err << "n63kctl: a colour is #RRGGBB or palette:K\n";
    return false;
  }
  // The record keeps red in the low byte.
  const std::uint32_t colourRef = (*rgb >> 16 & 0xFF) | (*rgb & 0xFF00) | (*rgb & 0xFF) << 16;
  return page.SetColour(slot, colourRef);
}

bool ApplySwitch(const std::string& text, const char* what, std::ostream& err,
                 const std::function<void(bool)>& set) {
  if (text.empty()) {
    return true;
  }
  if (text != "on" && text != "off") {
    err << "n63kctl: " << what << " is on or off\n";
    return false;
  }
  set(text == "on");
  return true;
}

bool ApplySlider(const std::optional<int>& value, const char* what, std::ostream& err,
                 const std::function<bool(int)>& move) {
  if (value && !move(*value)) {
    err << "n63kctl: " << what << '\n';
    return false;
  }
  return true;
}

bool ApplyLighting(LightingSettings& page, const LightingOptions& options, std::ostream& err) {
  if (!options.mode.empty()) {
    const auto* mode = std::find_if(kModeNames.begin(), kModeNames.end(),
                                    [&](const ModeName& m) { return m.name == options.mode; });
    if (mode == kModeNames.end()) {
      err << "n63kctl: unknown lighting mode " << options.mode << '\n';
      return false;
    }
    page.ClickMode(mode->mode);
  }
  return ApplySwitch(options.multiColour, "--multicolour", err,
                     [&](bool on) { page.SetMultiColour(on); }) &&
         ApplySwitch(options.proximity, "--proximity", err,
                     [&](bool on) { page.SetProximitySensing(on); }) &&
         ApplySlider(options.brightness, "the brightness is 1-10", err,
                     [&](int v) { return page.MoveBrightnessSlider(v); }) &&
         ApplySlider(options.breathingSpeed, "the breathing speed is 1-5", err,
                     [&](int v) { return page.MoveBreathingSpeedSlider(v); }) &&
         ApplySlider(options.cycleSpeed, "the cycle speed is 1-3", err,
                     [&](int v) { return page.MoveCycleSpeedSlider(v); }) &&
         std::all_of(options.colours.begin(), options.colours.end(),
                     [&](const std::string& colour) { return ApplyColour(page, colour, err); });
}

}  // namespace

void AddSetLightingCommand(CLI::App& set, Context& context, int& status) {
  auto* command = set.add_subcommand(
      "lighting",
      "Change the lighting as the lighting page does; the options are applied in the order "
      "listed, so --mode comes before the colours it offers");
  auto options = std::make_shared<LightingOptions>();
  command->add_option("--mode", options->mode,
                      "always-on, breathing, apm-breathing, spectrum-cycle, colour-cycle or off");
  command->add_option("--multicolour", options->multiColour,
                      "on or off: the colour-cycle mode cycles the three colours set with "
                      "--colour 1=... 2=... 3=...");
  command->add_option("--brightness", options->brightness, "Always-on brightness, 1-10");
  command->add_option("--breathing-speed", options->breathingSpeed, "Breathing speed, 1-5");
  command->add_option("--cycle-speed", options->cycleSpeed, "Colour-cycle speed, 1-3");
  command->add_option("--colour", options->colours,
                      "[N=]#RRGGBB or [N=]palette:K (K 0-25): without N the single colour of "
                      "the always-on and breathing modes, N 1-3 a colour of the colour cycle; "
                      "may be repeated");
  command->add_option("--proximity", options->proximity, "Proximity sensing, on or off");
  command->callback([&context, &status, options] {
    EditProfile(context, status, [&](ProgramState& state) {
      LightingSettings page(state.profileFiles().Current());
      return ApplyLighting(page, *options, context.err);
    });
  });
}

}  // namespace n63k::cli
