#include "cli/CliDevice.h"

#include "core/app/MouseTexts.h"
#include "platform/DesktopPointerSelection.h"
#include "platform/DeviceEnvironment.h"
#include "platform/HidapiTransport.h"

namespace n63k::cli {

CliDevice::CliDevice(Context& context, bool trace) : context_(context) {
  HidTransport* transport = nullptr;
  if (context.simulate || context.simulateFail > 0 || SimulatedMouseRequested()) {
    simulated_ = context.environment.simulatedMouse;
    if (simulated_ == nullptr) {
      ownSimulated_ = std::make_unique<SimulatedMouse>(context.clock());
      simulated_ = ownSimulated_.get();
    }
    if (context.simulateFail > 0) {
      simulated_->RefuseReport(context.simulateFail);
    }
    transport = simulated_;
  } else if (context.environment.realMouse != nullptr) {
    transport = context.environment.realMouse;
  } else {
    ownTransport_ = std::make_unique<HidapiTransport>();
    transport = ownTransport_.get();
  }

  pointer_ = context.environment.pointer;
  if (pointer_ == nullptr) {
    ownPointer_ = MakeDesktopPointerSettings();
    pointer_ = ownPointer_.get();
  }

  if (trace) {
    std::ostream& out = context.out;
    traced_ = std::make_unique<TracedDevice>(
        *transport, *pointer_, context.clock(), context.StartMs(),
        [&out](const std::string& line) { out << line << std::endl; });
    transport = &traced_->transport();
    pointer_ = &traced_->pointer();
  }
  link_ = std::make_unique<DeviceLink>(*transport, context.clock());
}

CliDevice::~CliDevice() {
  link_->Close();
}

bool CliDevice::Open() {
  const OpenResult result = link_->Prepare() ? link_->Open() : OpenResult::kNotFound;
  switch (result) {
    case OpenResult::kOpened:
      return true;
    case OpenResult::kNotFound:
      context_.err << MouseNotFoundText(false) << "\n";
      return false;
    case OpenResult::kNoPermission:
      context_.err << "n63kctl: the N63K gaming mouse is connected (" << link_->DevicePath()
                   << "), but this user may not open it.\n"
                   << "Give the logged-in user access with the program's udev rule, then unplug "
                      "the mouse and plug it in again:\n"
                   << "  sudo cp '" << (context_.ProgramFolder() / kUdevRuleFile).string()
                   << "' /etc/udev/rules.d/\n"
                   << "  sudo udevadm control --reload\n";
      return false;
  }
  return false;
}

}  // namespace n63k::cli
