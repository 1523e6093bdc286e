// Picture metadata on arbitrary bytes: the file reader, the XMP packet
// reader and the sidecar merge must fail cleanly (no exception, no crash),
// and a merged packet must read back with the fields that went in.
#include "core/metadata/photo_metadata.h"
#include "core/metadata/xmp_sidecar.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    (void)pictra::photoMetadataFromBytes(std::span(data, size)); // any status is fine; only a crash is not
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)pictra::photoMetadataFromXmp(text); // as above
    pictra::PhotoMetadata fields;
    fields.title = "題名";
    fields.location = "Kyoto";
    fields.taken = pictra::TakenDate{2020, 2, 29};
    const auto packet = pictra::mergedSidecarPacket(text, fields);
    if (!packet)
        return 0;
    const auto back = pictra::photoMetadataFromXmp(*packet);
    if (!back || back->title != fields.title || back->location != fields.location)
        __builtin_trap();
    return 0;
}
