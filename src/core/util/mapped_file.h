// A read-only memory map of a whole file, so large files (albums with
// hundreds of embedded pictures) can be parsed as one byte span without
// copying them into memory first.
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <memory>
#include <string>

namespace pictra {

class MappedFile {
    struct Key {};

public:
    explicit MappedFile(Key) {}
    // NotFound when the file does not exist, NoPermission or IoError when it
    // cannot be opened or is not a regular file.
    static Result<std::unique_ptr<MappedFile>> open(const std::string& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    ByteSpan bytes() const { return m_bytes; }

private:
    void* m_address = nullptr;
    std::size_t m_length = 0;
    ByteSpan m_bytes;
};

} // namespace pictra
