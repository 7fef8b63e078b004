#include <cstdlib>
#include <memory>

#include "cli/Cli.h"
#include "cli/CliDevice.h"
#include "cli/Commands.h"
#include "core/device/DeviceCommands.h"
#include "core/firmware/FirmwareDownloads.h"
#include "core/firmware/UpdateTexts.h"
#include "platform/CurlFetcher.h"

namespace n63k::cli {
namespace {

// The mouse's version; 0 when there is no mouse or it does not tell.
std::uint32_t InstalledVersion(Context& context) {
  CliDevice device(context, false);
  if (!device.Open()) {
    return 0;
  }
  return ReadFirmwareVersion(device.link()).value_or(0);
}

std::optional<std::string> UpdateUrlOverride() {
  const char* url = std::getenv("N63K_UPDATE_URL");
  return url != nullptr ? std::optional<std::string>(url) : std::nullopt;
}

int CheckFirmware(Context& context, bool download) {
  const std::uint32_t installed = InstalledVersion(context);
  context.out << "installed: "
              << (installed == 0 ? std::string("unknown") : std::to_string(installed)) << '\n';
  const FirmwareCache cache = DefaultFirmwareCache(LinuxSystemPaths());
  CurlFetcher fetcher;
  const std::atomic<bool> never{false};
  const ManifestDownload fetched =
      DownloadManifest(fetcher, ManifestUrl(UpdateUrlOverride()), cache, never);
  if (fetched.error != DownloadError::kNone) {
    context.err << ServerUnreachableText(false) << '\n' << "n63kctl: " << fetched.detail << '\n';
    return kExitFailure;
  }
  const UpdateManifest& manifest = fetched.manifest;
  if (manifest.current == 0) {
    context.out << "offered: none\n";
  } else {
    context.out << "offered: " << manifest.current << ' ' << manifest.imageUrl << '\n';
  }
  context.out << (OffersNewer(manifest, installed) ? "newer" : "not newer") << '\n';
  if (!download) {
    return kExitOk;
  }
  const ImageDownload image = DownloadImage(fetcher, manifest, cache, never);
  if (image.error != DownloadError::kNone) {
    context.err << kImageDownloadFailedText << '\n' << "n63kctl: " << image.detail << '\n';
    return kExitFailure;
  }
  context.out << "image: " << image.path.string() << " sha256 " << image.sha256 << '\n';
  return kExitOk;
}

}  // namespace

void AddFirmwareCommand(CLI::App& app, Context& context, int& status) {
  auto* command = app.add_subcommand(
      "firmware", "Compare the mouse's firmware with what the update server offers");
  auto download = std::make_shared<bool>(false);
  command->add_flag("--download", *download,
                    "Also download the offered image into the cache folder");
  command->callback([&context, &status, download] { status = CheckFirmware(context, *download); });
}

}  // namespace n63k::cli
