// A FileAccess over files held in memory, for the fuzz targets: each file is named by the
// end of its path ("navdata/apts.txt"), reads come from the bytes the target set, and
// writes are kept so a target can read them back. No disk is touched.
#pragma once

#include <cstring>
#include <map>
#include <string>
#include <string_view>

#include "base/file_access.h"

class MemoryFiles final : public FileAccess {
public:
    // Sets the file whose path ends in `suffix` (after a separator).
    void set(const std::string& suffix, std::string_view bytes) { files_[suffix] = bytes; }
    void clear() { files_.clear(); }
    // The bytes of the file whose path ends in `suffix`; empty when none.
    std::string get(const std::string& suffix) const {
        const auto it = files_.find(suffix);
        return it == files_.end() ? std::string() : it->second;
    }

    File* openForReading(const char* path) override {
        std::string* bytes = find(path);
        if (bytes == nullptr) return nullptr;
        return reinterpret_cast<File*>(new Open{bytes, 0});
    }
    File* openForWriting(const char* path) override {
        std::string* bytes = find(path, /*create=*/true);
        bytes->clear();
        return reinterpret_cast<File*>(new Open{bytes, 0});
    }
    size_t read(File* file, char* bytes, size_t size, bool&) override {
        Open& open = *reinterpret_cast<Open*>(file);
        const size_t left = open.bytes->size() - open.offset;
        const size_t n = size < left ? size : left;
        std::memcpy(bytes, open.bytes->data() + open.offset, n);
        open.offset += n;
        return n;
    }
    bool write(File* file, const char* bytes, size_t size) override {
        reinterpret_cast<Open*>(file)->bytes->append(bytes, size);
        return true;
    }
    bool close(File* file) override {
        delete reinterpret_cast<Open*>(file);
        return true;
    }
    bool rename(const char* from, const char* to) override {
        std::string* source = find(from);
        if (source == nullptr) return false;
        const std::string bytes = *source;
        files_.erase(key(from));
        *find(to, true) = bytes;
        return true;
    }
    void remove(const char* path) override { files_.erase(key(path)); }
    bool exists(const char* path) override { return find(path) != nullptr; }
    // Every folder holds the files set by a plain name.
    bool listRegularFiles(const char*, FolderVisitor& visitor) override {
        for (const auto& [name, bytes] : files_) {
            if (name.find('/') == std::string::npos) visitor.regularFile(name);
        }
        return true;
    }

private:
    struct Open {
        std::string* bytes;
        size_t offset;
    };

    // The set suffix a path ends in, or the path's last part for a new file.
    std::string key(const char* path) const {
        const std::string_view text(path);
        for (const auto& [suffix, bytes] : files_) {
            if (text.size() > suffix.size() && text.ends_with(suffix) &&
                text[text.size() - suffix.size() - 1] == '/') {
                return suffix;
            }
        }
        const size_t slash = text.rfind('/');
        return std::string(slash == std::string_view::npos ? text : text.substr(slash + 1));
    }
    std::string* find(const char* path, bool create = false) {
        const std::string name = key(path);
        const auto it = files_.find(name);
        if (it != files_.end()) return &it->second;
        return create ? &files_[name] : nullptr;
    }

    std::map<std::string, std::string> files_;
};
