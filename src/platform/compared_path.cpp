#include "platform/compared_path.h"

#if defined(_WIN32)
#include <cwctype>
#endif

std::filesystem::path comparedPath(const std::filesystem::path& path) {
#if defined(_WIN32)
    std::filesystem::path out;
    for (const std::filesystem::path& part : path) {
        std::wstring name = part.wstring();
        if (name != L"." && name != L"..") {
            while (!name.empty() && (name.back() == L'.' || name.back() == L' ')) {
                name.pop_back();
            }
        }
        for (wchar_t& c : name) {
            c = static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c)));
        }
        out /= name;
    }
    return out;
#else
    return path;
#endif
}
