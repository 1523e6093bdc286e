// mmap-based read-only file view.
#include "core/util/mapped_file.h"

#include "core/util/atomic_file_writer.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pictra {

Result<std::unique_ptr<MappedFile>> MappedFile::open(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return statusFromErrno(errno);
    struct stat st {};
    auto file = std::make_unique<MappedFile>(Key{});
    Status status = Status::Ok;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        status = Status::IoError;
    } else if (st.st_size > 0) {
        file->m_length = static_cast<std::size_t>(st.st_size);
        void* address = ::mmap(nullptr, file->m_length, PROT_READ, MAP_PRIVATE, fd, 0);
        if (address == MAP_FAILED) {
            status = statusFromErrno(errno);
            file->m_length = 0;
        } else {
            file->m_address = address;
            file->m_bytes = ByteSpan(static_cast<const std::uint8_t*>(address), file->m_length);
        }
    }
    ::close(fd);
    if (status != Status::Ok)
        return status;
    return file;
}

MappedFile::~MappedFile()
{
    if (m_address)
        ::munmap(m_address, m_length);
}

} // namespace pictra
