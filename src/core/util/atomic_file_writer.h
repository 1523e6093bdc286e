// Streaming crash-safe file replacement: bytes go to a temporary file in the
// target's folder, which replaces the target only on commit(). Until then
// (and after any failure) the target keeps its old content.
#pragma once

#include "core/util/result.h"

#include <cstdint>
#include <span>
#include <string>

namespace pictra {

class AtomicFileWriter {
public:
    // Creates the temporary file; status() tells whether that worked.
    explicit AtomicFileWriter(std::string targetPath);
    // Removes the temporary file when commit() did not succeed.
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Appends bytes. After the first failure every later call fails with the
    // same status (so a caller may write a whole record and check once).
    Status write(std::span<const std::uint8_t> data);
    // Flushes to disk and renames the temporary file over the target.
    Status commit();
    Status status() const { return m_status; }

private:
    std::string m_target;
    std::string m_temp;
    int m_fd = -1;
    Status m_status = Status::Ok;
    bool m_committed = false;
};

// The Status for a failed write's errno: NoPermission, DiskFull or IoError
// (a missing folder included).
Status statusFromErrno(int error);

} // namespace pictra
