#pragma once

#include "core/base/FileAccess.h"
#include "core/base/Folders.h"

namespace n63k {

// First-run provisioning: when the data folder does not exist, create it with
// its "Profile" folder and copy each data file from the program folder, never
// replacing a file. An existing data folder is left alone even when files are
// missing. Nothing is told here: a file that could not be copied is missing,
// and its loader tells that.
void ProvisionDataFolder(const Folders& folders, FileAccess& files);

// Removes what a write that was killed halfway left of our data files (their
// temporary files). Only while holding the data folder's lock, so that no
// write in progress loses its file.
void RemoveStaleTemporaries(const Folders& folders);

}  // namespace n63k
