// exiv2's process-wide state, set once before the first use: its messages
// are silenced (failures reach the user as statuses, never as stderr
// lines), the XMP toolkit is started while only one thread asks, and the
// ISO-BMFF reader (HEIF, AVIF, JPEG XL) is switched on.
#pragma once

namespace pictra {

void prepareExiv2();

} // namespace pictra
