// Errors as values: a Status that tells the kinds of failure apart, and a
// Result<T> that carries either a value or a Status.
#pragma once

#include <cassert>
#include <optional>
#include <string_view>
#include <utility>

namespace pictra {

enum class [[nodiscard]] Status {
    Ok,
    NotFound,     // no such file or entry
    IoError,      // the system refused to open, read, write or rename
    Truncated,    // the data ended before its own counts said it would
    Corrupt,      // the data contradicts itself or its format
    Unsupported,  // a valid variant of the format that we do not read
    TooLarge,     // a size beyond a documented limit or the caller's buffer
    InvalidArgument,
    NoPermission, // the system refused access to a file or folder
    DiskFull,     // no space left (or a file-size limit reached) while writing
    Partial,      // a picture came out, but the file ends or breaks before its last row
                  // (what could not be read is filled): usable, yet the file is damaged
};

// True when a load left a picture in the record: whole (Ok) or in part.
inline bool pictureLoaded(Status status) { return status == Status::Ok || status == Status::Partial; }

std::string_view statusName(Status status);

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Status status) : m_status(status) { assert(status != Status::Ok); }

    bool ok() const { return m_status == Status::Ok; }
    explicit operator bool() const { return ok(); }
    Status status() const { return m_status; }

    T& value() & { assert(ok()); return *m_value; }
    const T& value() const& { assert(ok()); return *m_value; }
    T&& value() && { assert(ok()); return std::move(*m_value); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

private:
    std::optional<T> m_value;
    Status m_status = Status::Ok;
};

} // namespace pictra
