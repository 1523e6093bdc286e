// "XMPに書き出す": album entries' dates and texts into the XMP sidecars of
// their pictures (see xmp_sidecar.h for the file and how it is merged).
#pragma once

#include "core/album/album_record.h"
#include "core/util/result.h"

#include <span>
#include <string>
#include <utility>
#include <vector>

namespace pictra {

struct SidecarExportReport {
    std::vector<std::string> written;                    // sidecar paths, in album order
    std::vector<std::pair<std::string, Status>> failed;  // picture paths and why
};

// Writes the sidecar of each entry at the album positions `indices`
// (positions outside the album are passed over). An entry whose picture is
// missing fails with NotFound and no sidecar is made for it.
SidecarExportReport exportSidecars(const AlbumRecord& album, std::span<const int> indices);

} // namespace pictra
