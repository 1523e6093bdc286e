// Candidate files: the fast reduced JPEG decode, the ordinary readers for the rest.
#include "core/recognise/candidate_picture.h"

#include "core/codecs/image_file_access.h"
#include "core/image_io/image_file_io.h"
#include "core/image_io/thumbnail_loader.h"
#include "core/imaging_library/exif_info.h"
#include "core/imaging_library/library_jpeg_decoder.h"
#include "core/recognise/picture_hash.h"
#include "core/util/file_io.h"

namespace pictra {

std::int32_t exifDateNumber(std::string_view dateTime)
{
    if (dateTime.size() < 10 || dateTime[4] != ':' || dateTime[7] != ':')
        return 0;
    std::int32_t value = 0;
    for (const std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u}) {
        if (dateTime[i] < '0' || dateTime[i] > '9')
            return 0;
        value = value * 10 + (dateTime[i] - '0');
    }
    const int month = value / 100 % 100;
    const int day = value % 100;
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 ? value : 0;
}

Result<CandidatePicture> decodeCandidateJpeg(ByteSpan jpeg, int minWidth, int minHeight, std::size_t capBytes)
{
    const auto header = readLibraryJpegHeader(jpeg);
    if (!header)
        return header.status() == Status::Truncated ? Status::Corrupt : header.status();
    auto picture = decodeJpegThumbnail(jpeg, minWidth, minHeight, capBytes);
    if (!picture)
        return picture.status();
    CandidatePicture candidate{std::move(*picture), header->uprightWidth(), header->uprightHeight(), 0};
    if (const auto exif = exifInfoFromJpeg(jpeg))
        candidate.date = exifDateNumber(exif->dateTime);
    return candidate;
}

Result<CandidatePicture> loadCandidate(const std::string& path, int minWidth, int minHeight, std::size_t capBytes)
{
    if (isJpegPath(path)) {
        const auto bytes = readFile(path, kMaxImageFileBytes);
        if (!bytes)
            return bytes.status();
        return decodeCandidateJpeg(*bytes, minWidth, minHeight, capBytes);
    }
    auto buffers = std::make_unique<ImageBuffers>(0, capBytes);
    ImageFileIO io;
    if (const Status status = io.loadImage(path, buffers->record()); !pictureLoaded(status))
        return status;
    const int width = buffers->record().width();
    const int height = buffers->record().height();
    return CandidatePicture{std::move(buffers), width, height, 0};
}

PictureSignature signatureOf(const CandidatePicture& candidate)
{
    return {perceptualHash(candidate.picture->record()), candidate.fullWidth, candidate.fullHeight, candidate.date};
}

} // namespace pictra
