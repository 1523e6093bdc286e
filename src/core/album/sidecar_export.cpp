// Writing the sidecars of album entries.
#include "core/album/sidecar_export.h"

#include "core/album/entry_metadata.h"
#include "core/metadata/xmp_sidecar.h"
#include "core/util/cp932.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"

#include <algorithm>

namespace pictra {

SidecarExportReport exportSidecars(const AlbumRecord& album, std::span<const int> indices)
{
    SidecarExportReport report;
    const int count = std::clamp(album.imageCount, 0, kMaxAlbumImages);
    for (const int index : indices) {
        if (index < 0 || index >= count)
            continue;
        const ImageEntry& entry = album.images[static_cast<std::size_t>(index)];
        const std::string picture = storedPathToUtf8(fieldText(entry.path));
        const Status status = fileExists(picture) ? writeXmpSidecar(picture, entryMetadata(entry)) : Status::NotFound;
        if (status == Status::Ok)
            report.written.push_back(sidecarPath(picture));
        else
            report.failed.emplace_back(picture, status);
    }
    return report;
}

} // namespace pictra
