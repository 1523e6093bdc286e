// MappedFile on POSIX mmap.
#include "core/codecs/mapped_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pictra {

MappedFile::~MappedFile()
{
    if (m_data)
        ::munmap(m_data, m_size);
}

Status MappedFile::open(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? Status::NotFound : Status::IoError;
    struct stat info {};
    Status status = Status::Ok;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        status = Status::IoError;
    } else if (info.st_size > 0) {
        void* data = ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        if (data == MAP_FAILED) {
            status = Status::IoError;
        } else {
            m_data = data;
            m_size = static_cast<std::size_t>(info.st_size);
        }
    }
    ::close(fd);
    return status;
}

} // namespace pictra
