#include "frame/paths.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

bool buildPath(PathBuffer& out, const char* rootFolder, std::initializer_list<const char*> parts) {
    int length = 0;
    auto append = [&](const char* text) {
        size_t n = std::strlen(text);
        if (static_cast<size_t>(length) + n >= static_cast<size_t>(kPathSize)) return false;
        std::memcpy(out.text + length, text, n);
        length += static_cast<int>(n);
        return true;
    };
    bool ok = append(rootFolder);
    for (const char* part : parts) {
        if (!ok) break;
        if (length > 0 && out.text[length - 1] != kPathSeparator && out.text[length - 1] != '/') {
            const char separator[2] = {kPathSeparator, '\0'};
            ok = append(separator);
        }
        ok = ok && append(part);
    }
    out.text[ok ? length : 0] = '\0';
    return ok;
}

bool replaceFileContents(const char* path, const char* bytes, int size) {
    PathBuffer temporary;
    if (std::snprintf(temporary.text, sizeof temporary.text, "%s.tmp", path) >= kPathSize) {
        return false;
    }
    std::FILE* file = std::fopen(temporary.text, "wb");
    if (file == nullptr) return false;
    bool written = size <= 0 || std::fwrite(bytes, 1, static_cast<size_t>(size), file) ==
                                    static_cast<size_t>(size);
    written = (std::fclose(file) == 0) && written;
    std::error_code error;
    if (written) std::filesystem::rename(temporary.text, path, error);
    if (!written || error) {
        std::filesystem::remove(temporary.text, error);
        return false;
    }
    return true;
}
