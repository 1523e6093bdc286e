// Opening HEIF files with libheif.
#include "core/codecs/heif/heif_handle.h"

#include "core/codecs/heif/heif_boxes.h"

#include <algorithm>
#include <limits>
#include <thread>

namespace pictra {
namespace {

struct HeifContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};

} // namespace

Status heifStatus(const heif_error& error)
{
    switch (error.code) {
    case heif_error_Ok: return Status::Ok;
    case heif_error_Unsupported_filetype:
    case heif_error_Unsupported_feature: return Status::Unsupported;
    case heif_error_Memory_allocation_error: return Status::TooLarge;
    default: break;
    }
    return error.subcode == heif_suberror_End_of_data ? Status::Truncated : Status::Corrupt;
}

Result<HeifHandle> openPrimaryImage(ByteSpan data)
{
    if (const auto items = heifItemCount(data); items && *items > kMaxHeifItems)
        return Status::TooLarge;
    const std::unique_ptr<heif_context, HeifContextFree> context(heif_context_alloc());
    if (!context)
        return Status::TooLarge;
    heif_context_set_max_decoding_threads(context.get(),
                                          static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
    if (const Status status =
            heifStatus(heif_context_read_from_memory_without_copy(context.get(), data.data(), data.size(), nullptr));
        status != Status::Ok)
        return status;
    heif_image_handle* handle = nullptr;
    if (const Status status = heifStatus(heif_context_get_primary_image_handle(context.get(), &handle));
        status != Status::Ok)
        return status;
    // The caller checks the primary image's declared size (ispe) and a grid's
    // canvas against the buffer cap; the images libheif sizes from their own
    // boxes (tiles, thumbnails, alpha) are kept to sides near the declared
    // one. The margin leaves room for coded sizes padded beyond it.
    const int side = std::max(heif_image_handle_get_ispe_width(handle), heif_image_handle_get_ispe_height(handle));
    if (side > 0 && side < std::numeric_limits<int>::max() / 4)
        heif_context_set_maximum_image_size_limit(context.get(), 2 * side + 256);
    // The handle keeps what it needs of the context alive.
    return HeifHandle(handle);
}

} // namespace pictra
