// A whole file mapped read-only into memory, so readers parse it as one byte
// span without copying it (layered PSD files can be far larger than the
// picture they carry). The mapping ends with the object.
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstddef>
#include <string>

namespace pictra {

class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Maps `path`. NotFound when it does not exist, IoError when it is not a
    // regular file or cannot be read. An empty file gives an empty span.
    Status open(const std::string& path);
    ByteSpan bytes() const { return {static_cast<const std::uint8_t*>(m_data), m_size}; }

private:
    void* m_data = nullptr;
    std::size_t m_size = 0;
};

} // namespace pictra
