#include "platform/settings_keeper.h"

#include <fstream>
#include <iostream>

#include "geometry/utf8_path.h"
#include "platform/settings_file.h"

namespace fs = std::filesystem;

SettingsKeeper::SettingsKeeper(fs::path path, Writer writer)
    : file(std::move(path)), write(std::move(writer)) {
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open()) {
        return;
    }
    // One byte past the limit says the file is larger.
    std::string text(kMaxSettingsBytes + 1, '\0');
    text.resize(
        static_cast<std::size_t>(in.read(text.data(), std::streamsize(text.size())).gcount()));
    SettingsRead read = readSettings(text, utf8(file));
    for (const std::string& error : read.errors) {
        std::cerr << error << std::endl;
    }
    settings = std::move(read.settings);
}

void SettingsKeeper::note(const std::function<void(PlayerSettings&)>& edit) {
    PlayerSettings before = settings;
    edit(settings);
    unsaved = unsaved || !(settings == before);
}

void SettingsKeeper::change(const std::function<void(PlayerSettings&)>& edit) {
    note(edit);
    if (unsaved && applied) {
        applied(settings);
    }
    save();
}

void SettingsKeeper::save() {
    if (!unsaved || file.empty() || !write) {
        return;
    }
    unsaved = false;
    std::error_code ec;
    // The first write makes the folder.
    fs::create_directories(file.parent_path(), ec);
    if (!write(utf8(file), settingsText(settings))) {
        std::cerr << "cannot write the settings " << utf8(file) << std::endl;
        return;
    }
    if (written) {
        written();
    }
}
