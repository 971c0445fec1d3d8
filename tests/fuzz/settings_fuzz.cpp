// Feeds arbitrary bytes to the settings reader, writes what it read and reads that back: the
// writer's file reads without a complaint into the same settings.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SettingsRead first =
        readSettings(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
    const std::string written = settingsText(first.settings);
    const SettingsRead again = readSettings(written, "fuzz");
    if (!again.errors.empty() || !(again.settings == first.settings) ||
        settingsText(again.settings) != written) {
        std::abort();
    }
    return 0;
}
