// Names of the statuses, for logs and test messages (user texts live in the ui).
#include "core/util/result.h"

namespace pictra {

std::string_view statusName(Status status)
{
    switch (status) {
    case Status::Ok: return "Ok";
    case Status::NotFound: return "NotFound";
    case Status::IoError: return "IoError";
    case Status::Truncated: return "Truncated";
    case Status::Corrupt: return "Corrupt";
    case Status::Unsupported: return "Unsupported";
    case Status::TooLarge: return "TooLarge";
    case Status::InvalidArgument: return "InvalidArgument";
    case Status::NoPermission: return "NoPermission";
    case Status::DiskFull: return "DiskFull";
    case Status::Partial: return "Partial";
    }
    return "Unknown";
}

} // namespace pictra
