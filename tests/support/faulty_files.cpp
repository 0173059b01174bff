#include "tests/support/faulty_files.h"

namespace {

// What a FaultyFiles file handle points to: the real file and how far it has gone.
struct FaultyFile {
    FileAccess::File* real;
    bool faulty;
    size_t bytesDone = 0;
};

FaultyFile* faultyFile(FileAccess::File* file) { return reinterpret_cast<FaultyFile*>(file); }

}  // namespace

FileAccess::File* FaultyFiles::open(File* real, bool faulty) {
    if (real == nullptr) return nullptr;
    return reinterpret_cast<File*>(new FaultyFile{real, faulty});
}

FileAccess::File* FaultyFiles::openForReading(const char* path) {
    if (hits(path, Fault::OpenFails) || hits(path, Fault::FolderGone)) {
        ++faults_;
        return nullptr;
    }
    return open(systemFileAccess().openForReading(path), hits(path, Fault::ReadFailsPartWay));
}

FileAccess::File* FaultyFiles::openForWriting(const char* path) {
    if (hits(path, Fault::OpenFails) || hits(path, Fault::FolderGone)) {
        ++faults_;
        return nullptr;
    }
    const bool faulty = hits(path, Fault::WriteFailsPartWay) || hits(path, Fault::DiskFull);
    return open(systemFileAccess().openForWriting(path), faulty);
}

size_t FaultyFiles::read(File* file, char* bytes, size_t size, bool& failed) {
    FaultyFile& f = *faultyFile(file);
    if (f.faulty && f.bytesDone + size > bytesBeforeFault_) {
        size = bytesBeforeFault_ - f.bytesDone;
        if (size == 0) {
            ++faults_;
            failed = true;
            return 0;
        }
    }
    const size_t got = systemFileAccess().read(f.real, bytes, size, failed);
    f.bytesDone += got;
    return got;
}

bool FaultyFiles::write(File* file, const char* bytes, size_t size) {
    FaultyFile& f = *faultyFile(file);
    if (f.faulty && fault_ == Fault::WriteFailsPartWay && f.bytesDone + size > bytesBeforeFault_) {
        ++faults_;
        // What fits is written, as a real disk would, and the write reports the shortfall.
        systemFileAccess().write(f.real, bytes, bytesBeforeFault_ - f.bytesDone);
        f.bytesDone = bytesBeforeFault_;
        return false;
    }
    f.bytesDone += size;
    return systemFileAccess().write(f.real, bytes, size);
}

bool FaultyFiles::close(File* file) {
    FaultyFile* f = faultyFile(file);
    bool closed = systemFileAccess().close(f->real);
    if (f->faulty && fault_ == Fault::DiskFull) {
        ++faults_;
        closed = false;
    }
    delete f;
    return closed;
}

bool FaultyFiles::rename(const char* from, const char* to) {
    if (hits(to, Fault::RenameFails) || hits(to, Fault::FolderGone)) {
        ++faults_;
        return false;
    }
    return systemFileAccess().rename(from, to);
}

void FaultyFiles::remove(const char* path) { systemFileAccess().remove(path); }

bool FaultyFiles::exists(const char* path) {
    if (hits(path, Fault::FolderGone)) return false;
    return systemFileAccess().exists(path);
}

bool FaultyFiles::listRegularFiles(const char* folder, FolderVisitor& visitor) {
    if (hits(folder, Fault::FolderGone)) {
        ++faults_;
        return false;
    }
    return systemFileAccess().listRegularFiles(folder, visitor);
}
