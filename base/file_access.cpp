#include "base/file_access.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

std::FILE* stdioFile(FileAccess::File* file) { return reinterpret_cast<std::FILE*>(file); }
FileAccess::File* accessFile(std::FILE* file) { return reinterpret_cast<FileAccess::File*>(file); }

class SystemFileAccess final : public FileAccess {
public:
    File* openForReading(const char* path) override {
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) return nullptr;
        return accessFile(std::fopen(path, "rb"));
    }

    File* openForWriting(const char* path) override { return accessFile(std::fopen(path, "wb")); }

    size_t read(File* file, char* bytes, size_t size, bool& failed) override {
        const size_t got = std::fread(bytes, 1, size, stdioFile(file));
        if (got == 0 && std::ferror(stdioFile(file)) != 0) failed = true;
        return got;
    }

    bool write(File* file, const char* bytes, size_t size) override {
        return size == 0 || std::fwrite(bytes, 1, size, stdioFile(file)) == size;
    }

    bool close(File* file) override { return std::fclose(stdioFile(file)) == 0; }

    bool rename(const char* from, const char* to) override {
        std::error_code error;
        std::filesystem::rename(from, to, error);
        return !error;
    }

    void remove(const char* path) override {
        std::error_code error;
        std::filesystem::remove(path, error);
    }

    bool exists(const char* path) override {
        std::error_code error;
        return std::filesystem::exists(path, error);
    }

    bool listRegularFiles(const char* folder, FolderVisitor& visitor) override {
        std::error_code error;
        std::filesystem::directory_iterator entries(folder, error);
        for (auto it = entries; !error && it != std::filesystem::directory_iterator();
             it.increment(error)) {
            std::error_code typeError;
            if (!it->is_regular_file(typeError)) continue;
            const std::string name = it->path().filename().string();
            visitor.regularFile(name);
        }
        return !error;
    }
};

}  // namespace

FileAccess& systemFileAccess() {
    static SystemFileAccess files;
    return files;
}
