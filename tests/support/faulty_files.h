// A FileAccess over the real file system that fails where a test tells it to, and counts
// the faults it injected. Paths are matched by a part of their text.
#pragma once

#include <cstddef>
#include <string>

#include "base/file_access.h"

enum class Fault {
    None,
    OpenFails,       // files whose path holds `where` cannot be opened, to read or to write
    ReadFailsPartWay,  // reading such a file fails after `bytesBeforeFault` bytes
    WriteFailsPartWay,  // a write stops after `bytesBeforeFault` bytes of the file
    DiskFull,        // writes are taken but closing the file finds the disk full
    RenameFails,     // renaming onto a path holding `where` fails
    FolderGone,      // everything below `where` is gone: opens, lists and tests fail
};

class FaultyFiles final : public FileAccess {
public:
    FaultyFiles(Fault fault, std::string where, size_t bytesBeforeFault = 0)
        : fault_(fault), where_(std::move(where)), bytesBeforeFault_(bytesBeforeFault) {}

    int faultsInjected() const { return faults_; }

    File* openForReading(const char* path) override;
    File* openForWriting(const char* path) override;
    size_t read(File* file, char* bytes, size_t size, bool& failed) override;
    bool write(File* file, const char* bytes, size_t size) override;
    bool close(File* file) override;
    bool rename(const char* from, const char* to) override;
    void remove(const char* path) override;
    bool exists(const char* path) override;
    bool listRegularFiles(const char* folder, FolderVisitor& visitor) override;

private:
    bool hits(const char* path, Fault fault) const {
        return fault_ == fault && std::string(path).find(where_) != std::string::npos;
    }
    File* open(File* real, bool faulty);

    Fault fault_;
    std::string where_;
    size_t bytesBeforeFault_;
    int faults_ = 0;
};
