// The decoder's segment walk: checks the frame (SOI first, EOI last), reads
// the segments it needs, skips others by their length, and decodes the
// first scan.
#include "core/codecs/jpeg/jpeg_decoder.h"

#include "core/codecs/jpeg/jpeg_markers.h"
#include "core/codecs/jpeg/jpeg_scan_decoder.h"
#include "core/codecs/jpeg/jpeg_segments.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"

#include <cstring>

namespace pictra {
namespace {

using namespace jpeg;

// Where the entropy-coded data starting at `pos` ends: the first marker that
// is neither a stuffed zero (FF 00) nor a restart marker.
std::size_t entropyEnd(ByteSpan data, std::size_t pos)
{
    const std::uint8_t* base = data.data();
    while (pos + 1 < data.size()) {
        const void* hit = std::memchr(base + pos, kMarkerPrefix, data.size() - pos - 1);
        if (!hit)
            return data.size();
        pos = static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - base);
        const std::uint8_t next = base[pos + 1];
        if (next != 0x00 && next != kMarkerPrefix && !isRestart(next))
            return pos;
        pos += next == kMarkerPrefix ? 1 : 2;
    }
    return data.size();
}

class SegmentWalk {
public:
    SegmentWalk(ByteSpan data, ImageRecord& record) : m_data(data), m_record(record) {}

    Status run()
    {
        std::size_t pos = 2;
        while (pos + 1 < m_data.size()) {
            if (m_data[pos] != kMarkerPrefix)
                return Status::Corrupt;
            const std::uint8_t code = m_data[pos + 1];
            pos += 2;
            if (code == kMarkerPrefix) {
                --pos; // fill byte before a marker
                continue;
            }
            if (code == kEoi)
                break;
            if (isStandalone(code))
                continue;
            if (m_data.size() - pos < 2)
                return Status::Corrupt;
            const std::size_t length = (std::size_t{m_data[pos]} << 8) | m_data[pos + 1];
            if (length < 2 || length > m_data.size() - pos)
                return Status::Corrupt;
            const ByteSpan body = m_data.subspan(pos + 2, length - 2);
            pos += length;
            if (code == kSos)
                return decodeFirstScan(body, pos);
            if (const Status s = readSegment(code, body); s != Status::Ok)
                return s;
        }
        return Status::Corrupt; // no scan
    }

private:
    Status readSegment(std::uint8_t code, ByteSpan body)
    {
        if (code == kSof0 || code == kSof1)
            return m_haveFrame ? Status::Corrupt : startFrame(body);
        if (code >= 0xC2 && code <= 0xCF && code != kDht && code != 0xC8)
            return Status::Unsupported; // progressive, lossless, arithmetic or hierarchical
        if (code == kDqt)
            return readDqt(body, m_tables);
        if (code == kDht)
            return readDht(body, m_tables);
        if (code == kDri)
            return readDri(body, m_tables);
        if (code > kApp0 && code <= 0xEF)
            return Status::Unsupported;
        return Status::Ok; // APP0, COM and anything else is skipped
    }

    Status startFrame(ByteSpan body)
    {
        if (const Status s = readSof(body, m_frame); s != Status::Ok)
            return s;
        m_haveFrame = true;
        return m_record.setup24(m_frame.width, m_frame.height);
    }

    Status decodeFirstScan(ByteSpan header, std::size_t dataStart)
    {
        if (!m_haveFrame)
            return Status::Corrupt;
        Scan scan;
        if (const Status s = readSos(header, m_frame, scan); s != Status::Ok)
            return s;
        const std::size_t end = entropyEnd(m_data, dataStart);
        return decodeScan(m_data.subspan(dataStart, end - dataStart), m_frame, scan, m_tables, m_record);
    }

    ByteSpan m_data;
    ImageRecord& m_record;
    DecoderTables m_tables;
    Frame m_frame;
    bool m_haveFrame = false;
};

} // namespace

Status decodeJpegBytes(ByteSpan data, ImageRecord& record)
{
    record.clearHeaders();
    if (readMarker(data, 0) != "SOI" || data.size() < 4 || readMarker(data, data.size() - 2) != "EOI")
        return Status::Corrupt;
    const Status status = SegmentWalk(data, record).run();
    if (status != Status::Ok)
        record.clearHeaders();
    return status;
}

Status decodeJpeg(const std::string& path, ImageRecord& record)
{
    const std::string_view ext = extensionOf(path);
    if (!equalsIgnoreCase(ext, "jpg") && !equalsIgnoreCase(ext, "jpeg"))
        return Status::Unsupported;
    auto bytes = readFile(path, kMaxJpegFileBytes);
    if (!bytes)
        return bytes.status();
    return decodeJpegBytes(*bytes, record);
}

} // namespace pictra
