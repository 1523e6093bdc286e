// An album's icon for file managers: its first picture on a small stack of
// pages, drawn from the store copy embedded in the album.
#pragma once

#include "core/util/result.h"

#include <QImage>
#include <QString>

namespace pictra {

inline constexpr int kMaxThumbnailSize = 1024;

// The icon of the album at `albumPath`, at most size × size pixels (1..1024).
// The album's own read failures (NotFound, IoError, Corrupt, Truncated,
// TooLarge); NotFound also when no entry has a picture; Corrupt when the
// first picture cannot be decoded.
Result<QImage> renderAlbumThumbnail(const QString& albumPath, int size);

} // namespace pictra
