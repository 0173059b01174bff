#include "frame/paths.h"

#include <cstdio>
#include <cstring>

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

bool replaceFileContents(FileAccess& files, const char* path, const char* bytes, int size) {
    PathBuffer temporary;
    if (std::snprintf(temporary.text, sizeof temporary.text, "%s.tmp", path) >= kPathSize) {
        return false;
    }
    FileAccess::File* file = files.openForWriting(temporary.text);
    if (file == nullptr) return false;
    bool written = size <= 0 || files.write(file, bytes, static_cast<size_t>(size));
    // Closing writes what is still buffered: a full disk may show only here.
    written = files.close(file) && written;
    if (written && files.rename(temporary.text, path)) return true;
    files.remove(temporary.text);
    return false;
}
