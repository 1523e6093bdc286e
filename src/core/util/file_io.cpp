// File reads and atomic writes on POSIX.
#include "core/util/file_io.h"

#include "core/util/atomic_file_writer.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace pictra {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now and reports whether the close succeeded (it can report a late write error).
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, std::span<const std::uint8_t> data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

Result<std::vector<std::uint8_t>> readFile(const std::string& path, std::size_t maxBytes)
{
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return errno == ENOENT || errno == ENOTDIR ? Status::NotFound : Status::IoError;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return Status::IoError;
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes)
        return Status::TooLarge;
    std::vector<std::uint8_t> data;
    try {
        data.resize(static_cast<std::size_t>(st.st_size));
    } catch (const std::bad_alloc&) { // more than the system will give us
        return Status::TooLarge;
    }
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::read(fd.get(), data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Status::IoError;
        }
        if (n == 0)
            break; // the file shrank while we read it
        done += static_cast<std::size_t>(n);
    }
    data.resize(done);
    return data;
}

Status writeFileAtomic(const std::string& path, std::span<const std::uint8_t> data)
{
    AtomicFileWriter out(path);
    if (out.write(data) != Status::Ok)
        return out.status();
    return out.commit();
}

Status writeFile(const std::string& path, std::span<const std::uint8_t> data)
{
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0)
        return statusFromErrno(errno);
    if (!writeAll(fd.get(), data) || !fd.close())
        return statusFromErrno(errno);
    return Status::Ok;
}

bool fileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool folderExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool makeFolders(const std::string& path)
{
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return folderExists(path);
}

} // namespace pictra
