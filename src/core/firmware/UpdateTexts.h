#pragma once

#include <string_view>

namespace n63k {

// What the update check tells the user, in the wording of the interface.
std::string_view NewerFirmwareQuestion(bool chineseUi);
std::string_view LatestFirmwareText(bool chineseUi);
// Said instead of "latest" when the manifest could not be fetched: a check
// that never reached the server has found nothing.
std::string_view ServerUnreachableText(bool chineseUi);
// Said when the server has not answered within the time-out: the check has
// learnt nothing yet. What arrives later answers the next check.
std::string_view ServerTimedOutText(bool chineseUi);
// One wording only, whatever the language.
inline constexpr std::string_view kImageDownloadFailedText =
    "New-version firmware download failed.";

}  // namespace n63k
