#pragma once
// The file-name extensions (without dots) that a first start puts into the
// carried-only lists 17, 18 and 19 of the settings store before it writes the
// new settings file.

#include "paths/PathText.h"

namespace ordovan {

class SettingsStore;

const TEXT_LIST& DefaultExtensionsList17();  // 172 entries, "doc" first
const TEXT_LIST& DefaultExtensionsList18();  // "bak", "nt", "old", "org", "sav"
const TEXT_LIST& DefaultExtensionsList19();  // 215 entries, "exe" first

// Appends the three default lists to lists 17, 18 and 19 of `store`.
void AppendDefaultExtensions(SettingsStore& store);

}  // namespace ordovan
