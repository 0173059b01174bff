// Every access the unit makes to files and folders, behind one interface: reading a file,
// writing one, renaming, removing, testing a name and listing a folder. The unit holds the
// interface it uses (the real file system unless a test puts another in its place), so that
// tests can make any step fail: a file that cannot be opened, a read error part-way, a write
// that stops part-way or finds the disk full, a rename that fails, a folder that is gone.
#pragma once

#include <cstddef>
#include <string_view>

// Receives the names a folder listing finds, one call per regular file.
class FolderVisitor {
public:
    virtual void regularFile(std::string_view name) = 0;

protected:
    ~FolderVisitor() = default;
};

class FileAccess {
public:
    // An open file; what it is depends on the implementation.
    struct File;

    virtual ~FileAccess() = default;

    // Opens a regular file to read; null when there is none or it cannot be opened. Only
    // regular files are opened: a FIFO or a device would block or never end.
    virtual File* openForReading(const char* path) = 0;
    // Creates (or empties) a file to write; null when it cannot be.
    virtual File* openForWriting(const char* path) = 0;
    // Reads up to `size` bytes; returns how many, 0 at the end or after an error, which
    // sets `failed`.
    virtual size_t read(File* file, char* bytes, size_t size, bool& failed) = 0;
    // Writes `size` bytes; false when not all of them were written.
    virtual bool write(File* file, const char* bytes, size_t size) = 0;
    // Closes the file; false when what was written could not all reach the disk.
    virtual bool close(File* file) = 0;

    // Renames `from` to `to`, replacing a file `to`; false when it cannot.
    virtual bool rename(const char* from, const char* to) = 0;
    virtual void remove(const char* path) = 0;
    // Whether anything has the name `path`.
    virtual bool exists(const char* path) = 0;
    // Calls `visitor` with the name of every regular file in `folder`, in no set order;
    // false when the folder cannot be listed.
    virtual bool listRegularFiles(const char* folder, FolderVisitor& visitor) = 0;
};

// The real file system. It keeps no state of its own, so one serves every unit.
FileAccess& systemFileAccess();
