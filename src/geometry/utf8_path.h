// Paths as SDL and the player see them: UTF-8 on every system. A plain string() or a char
// name given to fopen or a stream is the ANSI code page on Windows, which cannot hold every
// name; a path made here opens by its wide name there.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

std::string utf8(const std::filesystem::path& path);
std::filesystem::path fromUtf8(std::string_view text);
