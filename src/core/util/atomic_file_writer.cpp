// Temporary-file-and-rename writes on POSIX.
#include "core/util/atomic_file_writer.h"

#include "core/util/paths.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace pictra {

Status statusFromErrno(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return Status::NoPermission;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Status::DiskFull;
    default:
        return Status::IoError;
    }
}

AtomicFileWriter::AtomicFileWriter(std::string targetPath) : m_target(std::move(targetPath))
{
    const std::string_view folder = folderPart(m_target);
    m_temp = std::string(folder.empty() ? std::string_view(".") : folder);
    m_temp.append("/.").append(fileNamePart(m_target)).append(".XXXXXX");
    m_fd = ::mkstemp(m_temp.data());
    if (m_fd < 0) {
        m_status = statusFromErrno(errno);
        m_temp.clear();
    }
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_committed && !m_temp.empty())
        ::unlink(m_temp.c_str());
}

Status AtomicFileWriter::write(std::span<const std::uint8_t> data)
{
    std::size_t done = 0;
    while (m_status == Status::Ok && done < data.size()) {
        const ssize_t n = ::write(m_fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            m_status = n < 0 ? statusFromErrno(errno) : Status::IoError;
        else
            done += static_cast<std::size_t>(n);
    }
    return m_status;
}

Status AtomicFileWriter::commit()
{
    if (m_status != Status::Ok)
        return m_status;
    // 0644 like any other file the user saves (mkstemp makes 0600).
    if (::fsync(m_fd) != 0 || ::fchmod(m_fd, 0644) != 0)
        m_status = statusFromErrno(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && m_status == Status::Ok)
        m_status = statusFromErrno(errno);
    if (m_status == Status::Ok && std::rename(m_temp.c_str(), m_target.c_str()) != 0)
        m_status = statusFromErrno(errno);
    m_committed = m_status == Status::Ok;
    return m_status;
}

} // namespace pictra
