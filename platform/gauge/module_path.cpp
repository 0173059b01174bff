// The gauge module's own folder, found from an address inside the module.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cwchar>

#include "platform/gauge/module_path.h"

bool moduleFolder(wchar_t* out, int size) {
    if (out == nullptr || size <= 1) return false;
    out[0] = L'\0';
    HMODULE module = nullptr;
    const DWORD flags =
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    if (!GetModuleHandleExW(flags, reinterpret_cast<LPCWSTR>(&moduleFolder), &module)) {
        return false;
    }
    const DWORD length = GetModuleFileNameW(module, out, static_cast<DWORD>(size));
    // A full buffer means the name was cut.
    if (length == 0 || length >= static_cast<DWORD>(size)) {
        out[0] = L'\0';
        return false;
    }
    wchar_t* slash = std::wcsrchr(out, L'\\');
    wchar_t* other = std::wcsrchr(out, L'/');
    if (other != nullptr && (slash == nullptr || other > slash)) slash = other;
    if (slash == nullptr) {
        out[0] = L'\0';
        return false;
    }
    slash[1] = L'\0';
    return true;
}

bool appendToPath(wchar_t* path, int size, const wchar_t* name) {
    const size_t used = std::wcslen(path);
    const size_t extra = std::wcslen(name);
    if (used + extra + 1 > static_cast<size_t>(size)) return false;
    std::wmemcpy(path + used, name, extra + 1);
    return true;
}
