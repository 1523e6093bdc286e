// Segment readers of the JPEG decoder.
#include "core/codecs/jpeg/jpeg_segments.h"

#include "core/codecs/jpeg/jpeg_tables.h"

#include <algorithm>

namespace pictra::jpeg {

const QuantSlot* DecoderTables::findQuant(int id) const
{
    for (const QuantSlot& slot : quant)
        if (slot.id == id)
            return &slot;
    return nullptr;
}

const HuffmanSlot* DecoderTables::findHuffman(int tableClass, int id) const
{
    for (const HuffmanSlot& slot : huffman)
        if (slot.tableClass == tableClass && slot.id == id)
            return &slot;
    return nullptr;
}

Status readDqt(ByteSpan body, DecoderTables& tables)
{
    ByteReader in(body);
    while (in.remaining() > 0) {
        const std::uint8_t pqTq = in.u8();
        if ((pqTq >> 4) != 0)
            return Status::Unsupported;
        if (in.remaining() < 64)
            return Status::Corrupt;
        if (tables.quant.size() >= kMaxQuantSlots)
            return Status::Unsupported;
        QuantSlot slot;
        slot.id = pqTq & 0x0F;
        for (int k = 0; k < 64; ++k)
            slot.values[kZigzag[static_cast<std::size_t>(k)]] = in.u8();
        tables.quant.push_back(slot);
    }
    return Status::Ok;
}

Status readDht(ByteSpan body, DecoderTables& tables)
{
    ByteReader in(body);
    while (in.remaining() > 0) {
        const std::uint8_t tcTh = in.u8();
        const int tableClass = tcTh >> 4;
        const int id = tcTh & 0x0F;
        std::array<std::uint8_t, 16> bits{};
        in.bytes(bits);
        int total = 0;
        for (std::uint8_t n : bits)
            total += n;
        const ByteSpan values = in.view(static_cast<std::size_t>(total));
        if (in.truncated() || tableClass > 1 || id > 3 || total > 256)
            return Status::Corrupt;
        if (tables.huffman.size() >= kMaxHuffmanSlots)
            return Status::Unsupported;
        HuffmanSlot& slot = tables.huffman.emplace_back();
        slot.tableClass = static_cast<std::uint8_t>(tableClass);
        slot.id = static_cast<std::uint8_t>(id);
        if (const Status s = buildHuffmanDecodeTable(bits, values, slot.table); s != Status::Ok)
            return s;
    }
    return Status::Ok;
}

Status readDri(ByteSpan body, DecoderTables& tables)
{
    if (body.size() != 2)
        return Status::Corrupt;
    ByteReader in(body);
    tables.restartInterval = in.u16be();
    return Status::Ok;
}

Status readSof(ByteSpan body, Frame& frame)
{
    ByteReader in(body);
    const int precision = in.u8();
    frame.height = in.u16be();
    frame.width = in.u16be();
    frame.componentCount = in.u8();
    if (in.truncated())
        return Status::Corrupt;
    if (precision != 8 || frame.height == 0 || (frame.componentCount != 1 && frame.componentCount != 3))
        return Status::Unsupported;
    if (frame.width == 0 || body.size() != 6 + 3 * static_cast<std::size_t>(frame.componentCount))
        return Status::Corrupt;
    frame.hmax = 1;
    frame.vmax = 1;
    for (int i = 0; i < frame.componentCount; ++i) {
        FrameComponent& c = frame.components[static_cast<std::size_t>(i)];
        c.id = in.u8();
        const std::uint8_t hv = in.u8();
        c.h = hv >> 4;
        c.v = hv & 0x0F;
        c.quantId = in.u8();
        if (c.h < 1 || c.h > 2 || c.v < 1 || c.v > 2)
            return Status::Unsupported;
        if (c.quantId > 3)
            return Status::Corrupt;
        frame.hmax = std::max(frame.hmax, c.h);
        frame.vmax = std::max(frame.vmax, c.v);
    }
    if (frame.componentCount == 1) {
        // A single component is coded block by block whatever its factors say.
        frame.components[0].h = frame.components[0].v = 1;
        frame.hmax = frame.vmax = 1;
    }
    const FrameComponent& luma = frame.components[0];
    if (luma.h != frame.hmax || luma.v != frame.vmax)
        return Status::Unsupported;
    return Status::Ok;
}

Status readSos(ByteSpan body, const Frame& frame, Scan& scan)
{
    ByteReader in(body);
    scan.componentCount = in.u8();
    if (scan.componentCount != frame.componentCount)
        return Status::Unsupported;
    if (body.size() != 4 + 2 * static_cast<std::size_t>(scan.componentCount))
        return Status::Corrupt;
    for (int i = 0; i < scan.componentCount; ++i) {
        const std::uint8_t id = in.u8();
        const std::uint8_t tdTa = in.u8();
        const auto index = static_cast<std::size_t>(i);
        if (frame.components[index].id != id)
            return Status::Corrupt;
        scan.dcTable[index] = tdTa >> 4;
        scan.acTable[index] = tdTa & 0x0F;
    }
    const int ss = in.u8();
    const int se = in.u8();
    const int ahAl = in.u8();
    if (ss != 0 || se != 63 || ahAl != 0)
        return Status::Unsupported;
    return Status::Ok;
}

} // namespace pictra::jpeg
