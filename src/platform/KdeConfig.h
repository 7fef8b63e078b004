#pragma once

#include <string>

namespace n63k {

// Writes one entry of a KDE configuration file (in the user's configuration
// folder) with the desktop's own writer, kwriteconfig6 or on Plasma 5
// kwriteconfig5, found on PATH. With `notify` the writer tells running
// programs of the change. False when no writer ran or each failed.
bool WriteKdeConfig(const std::string& file, const std::string& group, const std::string& key,
                    const std::string& value, bool notify);

}  // namespace n63k
