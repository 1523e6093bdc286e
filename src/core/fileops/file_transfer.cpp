// File copy, rename and move on POSIX file systems.
#include "core/fileops/file_transfer.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pictra {
namespace {

class UniqueFd {
public:
    explicit UniqueFd(int fd) : m_fd(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { close(); }
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int close()
    {
        const int rc = m_fd >= 0 ? ::close(m_fd) : 0;
        m_fd = -1;
        return rc;
    }

private:
    int m_fd;
};

// Removes the temporary file unless the copy was put in place.
class TempFileGuard {
public:
    explicit TempFileGuard(std::string path) : m_path(std::move(path)) {}
    TempFileGuard(const TempFileGuard&) = delete;
    TempFileGuard& operator=(const TempFileGuard&) = delete;
    ~TempFileGuard()
    {
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    void release() { m_path.clear(); }

private:
    std::string m_path;
};

FileOutcome fromErrno(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS: return FileOutcome::NoPermission;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return FileOutcome::DiskFull;
    case EEXIST:
    case ENOTEMPTY: return FileOutcome::TargetExists;
    case ENAMETOOLONG: return FileOutcome::PathTooLong;
    default: return FileOutcome::IoError;
    }
}

bool exists(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : (slash == 0 ? std::string("/") : path.substr(0, slash));
}

// rename(2) that fails with EEXIST instead of replacing. Some file systems
// lack RENAME_NOREPLACE; link + unlink gives the same guarantee there.
int renameNoReplace(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    if (::link(from.c_str(), to.c_str()) != 0)
        return -1;
    if (::unlink(from.c_str()) != 0) {
        const int error = errno;
        ::unlink(to.c_str());
        errno = error;
        return -1;
    }
    return 0;
}

FileOutcome copyData(int in, int out)
{
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return FileOutcome::IoError;
        }
        if (got == 0)
            return FileOutcome::Done;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out, buffer.data() + done, static_cast<std::size_t>(got - done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return fromErrno(errno);
            }
            done += put;
        }
    }
}

} // namespace

bool isSameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

FileOutcome copyFileKeepingTimes(const std::string& from, const std::string& to, Overwrite overwrite)
{
    if (isSameFile(from, to))
        return FileOutcome::SameFile;
    UniqueFd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in.valid())
        return errno == ENOENT ? FileOutcome::SourceMissing : fromErrno(errno);
    struct stat st {};
    if (::fstat(in.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return FileOutcome::IoError;
    if (overwrite == Overwrite::Refuse && exists(to))
        return FileOutcome::TargetExists;
    std::string temp = folderOf(to) + "/.pictra-copy-XXXXXX";
    UniqueFd out(::mkostemp(temp.data(), O_CLOEXEC));
    if (!out.valid())
        return errno == ENOENT ? FileOutcome::NoTargetFolder : fromErrno(errno);
    TempFileGuard guard(temp);
    if (const FileOutcome copied = copyData(in.get(), out.get()); copied != FileOutcome::Done)
        return copied;
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    if (::fchmod(out.get(), st.st_mode & 07777) != 0 || ::futimens(out.get(), times) != 0)
        return fromErrno(errno);
    if (::fsync(out.get()) != 0 || out.close() != 0)
        return fromErrno(errno);
    const int placed = overwrite == Overwrite::Replace ? ::rename(temp.c_str(), to.c_str())
                                                       : renameNoReplace(temp, to);
    if (placed != 0)
        return fromErrno(errno);
    guard.release();
    return FileOutcome::Done;
}

FileOutcome renameFile(const std::string& from, const std::string& to, Overwrite overwrite)
{
    if (!exists(from))
        return FileOutcome::SourceMissing;
    if (isSameFile(from, to) && from == to)
        return FileOutcome::SameFile;
    const int rc = overwrite == Overwrite::Replace ? ::rename(from.c_str(), to.c_str()) : renameNoReplace(from, to);
    if (rc == 0)
        return FileOutcome::Done;
    if (errno == ENOENT)
        return exists(from) ? FileOutcome::NoTargetFolder : FileOutcome::SourceMissing;
    return fromErrno(errno);
}

FileOutcome moveFile(const std::string& from, const std::string& to, Overwrite overwrite)
{
    if (isSameFile(from, to))
        return FileOutcome::SameFile;
    const FileOutcome renamed = renameFile(from, to, overwrite);
    if (renamed != FileOutcome::IoError || errno != EXDEV)
        return renamed;
    const FileOutcome copied = copyFileKeepingTimes(from, to, overwrite);
    if (copied != FileOutcome::Done)
        return copied;
    if (::unlink(from.c_str()) != 0) {
        const FileOutcome why = fromErrno(errno);
        ::unlink(to.c_str());
        return why;
    }
    return FileOutcome::Done;
}

} // namespace pictra
