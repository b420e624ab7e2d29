// Saving a file without ever destroying the previous one: the bytes go to a temporary file in
// the same folder, NAME.tmp-XXXXXX, which replaces the target only once it is complete and on
// disk. The saving process holds a lock on its temporary file; the lock dies with the process,
// so a temporary file nobody holds is what a killed save left behind, and the next successful
// save of the same file removes it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/archive.h"

namespace varno {

class CAtomicFile {
public:
    // Starts the save. Throws CFileException when the target is read-only or the temporary file
    // cannot be created.
    explicit CAtomicFile(std::string path, std::size_t bufferSize = CFileArchive::DEFAULT_BUFFER);
    // Without Commit the temporary file is removed and the target stays as it was.
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    CArchive& Archive() { return *archive_; }
    // Forces the bytes to disk and closes the temporary file, so that Commit only has to put
    // it in place; throws CFileException on failure.
    void Finish();
    // Puts the new file in place of the old one and removes temporary files of killed saves of
    // the same file; throws CFileException on failure.
    void Commit();

private:
    std::string path_;
    std::string tempPath_;
    int lockFd_ = -1;
    std::unique_ptr<CFileArchive> archive_;
    bool committed_ = false;
};

// Writes path through a CAtomicFile; the writer fills the archive. Throws CFileException.
void SaveFileAtomically(const std::string& path, const std::function<void(CArchive&)>& writer,
                        std::size_t bufferSize = CFileArchive::DEFAULT_BUFFER);

}  // namespace varno
