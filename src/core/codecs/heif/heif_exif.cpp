// The Exif block of a HEIF file's primary image.
#include "core/codecs/exif_payload.h"
#include "core/codecs/heif/heif_file.h"
#include "core/codecs/heif/heif_handle.h"

namespace pictra {

Result<std::vector<std::uint8_t>> heifExif(ByteSpan data)
{
    const auto handle = openPrimaryImage(data);
    if (!handle)
        return handle.status();
    heif_item_id id = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(handle->get(), "Exif", &id, 1) < 1)
        return Status::NotFound;
    std::vector<std::uint8_t> block(heif_image_handle_get_metadata_size(handle->get(), id));
    if (block.empty())
        return Status::NotFound;
    if (const Status status = heifStatus(heif_image_handle_get_metadata(handle->get(), id, block.data()));
        status != Status::Ok)
        return status;
    return exifAfterOffsetHeader(block);
}

} // namespace pictra
