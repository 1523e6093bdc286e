// The scan loop: MCU rows of blocks decoded into per-component sample rows,
// each finished MCU row converted to BGR and written into the picture.
// Chroma is replicated, not interpolated, when it has fewer samples.
#include "core/codecs/jpeg/jpeg_scan_decoder.h"

#include "core/codecs/jpeg/jpeg_color.h"
#include "core/codecs/jpeg/jpeg_idct.h"
#include "core/codecs/jpeg/jpeg_tables.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace pictra::jpeg {
namespace {

// One component's tables, predictor and the samples of the current MCU row.
struct ComponentRows {
    BlockTables tables;
    int h = 1;
    int v = 1;
    int predictor = 0;
    std::ptrdiff_t stride = 0;
    std::vector<std::int16_t> samples;
};

Status prepareComponent(const Frame& frame, const Scan& scan, const DecoderTables& tables, int i,
                        int mcuCols, ComponentRows& rows)
{
    const auto index = static_cast<std::size_t>(i);
    const FrameComponent& fc = frame.components[index];
    const QuantSlot* quant = tables.findQuant(fc.quantId);
    const HuffmanSlot* dc = tables.findHuffman(0, scan.dcTable[index]);
    const HuffmanSlot* ac = tables.findHuffman(1, scan.acTable[index]);
    if (!quant || !dc || !ac)
        return Status::Corrupt;
    rows.tables.dc = &dc->table;
    rows.tables.ac = &ac->table;
    for (std::size_t k = 0; k < 64; ++k)
        rows.tables.quant[k] = static_cast<float>(quant->values[kZigzag[k]]);
    rows.h = fc.h;
    rows.v = fc.v;
    rows.stride = static_cast<std::ptrdiff_t>(mcuCols) * fc.h * 8;
    rows.samples.assign(static_cast<std::size_t>(rows.stride) * static_cast<std::size_t>(fc.v) * 8, 0);
    return Status::Ok;
}

// Decodes the h × v blocks one component contributes to MCU column mx.
bool decodeComponentBlocks(BitReader& in, ComponentRows& rows, int mx, float* coef)
{
    for (int by = 0; by < rows.v; ++by) {
        for (int bx = 0; bx < rows.h; ++bx) {
            std::fill_n(coef, 64, 0.0f);
            const int set = decodeBlock(in, rows.tables, rows.predictor, coef);
            if (set < 0)
                return false;
            std::int16_t* out = rows.samples.data() + by * 8 * rows.stride + (mx * rows.h + bx) * 8;
            if (set == 0)
                inverseDctDcOnly(coef[0], out, rows.stride);
            else
                inverseDct(coef, out, rows.stride);
        }
    }
    return true;
}

// Converts the rows of MCU row `my` that lie inside the picture.
void writeMcuRow(const Frame& frame, const std::vector<ComponentRows>& comps, int my, ImageRecord& record)
{
    const int mcuHeight = 8 * frame.vmax;
    const std::size_t stride = record.stride();
    const std::size_t used = 3 * static_cast<std::size_t>(frame.width);
    for (int r = 0; r < mcuHeight; ++r) {
        const int y = my * mcuHeight + r;
        if (y >= frame.height)
            break;
        std::uint8_t* out = record.row(frame.height - 1 - y);
        const std::int16_t* luma = comps[0].samples.data() + r * comps[0].stride;
        if (comps.size() == 1) {
            greyRowToBgr(luma, out, frame.width);
        } else {
            const ComponentRows& chroma = comps[1];
            const int chromaRow = chroma.v == frame.vmax ? r : r / 2;
            const int shift = chroma.h == frame.hmax ? 0 : 1;
            yccRowToBgr(luma, comps[1].samples.data() + chromaRow * chroma.stride,
                        comps[2].samples.data() + chromaRow * chroma.stride, shift, out, frame.width);
        }
        std::memset(out + used, 0, stride - used);
    }
}

} // namespace

Status decodeScan(ByteSpan entropy, const Frame& frame, const Scan& scan, const DecoderTables& tables,
                  ImageRecord& record)
{
    const int mcuCols = (frame.width + 8 * frame.hmax - 1) / (8 * frame.hmax);
    const int mcuRows = (frame.height + 8 * frame.vmax - 1) / (8 * frame.vmax);
    std::vector<ComponentRows> comps(static_cast<std::size_t>(frame.componentCount));
    for (int i = 0; i < frame.componentCount; ++i)
        if (const Status s = prepareComponent(frame, scan, tables, i, mcuCols, comps[static_cast<std::size_t>(i)]);
            s != Status::Ok)
            return s;
    if (comps.size() == 3 && (comps[1].h != comps[2].h || comps[1].v != comps[2].v))
        return Status::Unsupported;

    BitReader in(entropy);
    alignas(32) float coef[64];
    int untilRestart = tables.restartInterval;
    for (int my = 0; my < mcuRows; ++my) {
        for (int mx = 0; mx < mcuCols; ++mx) {
            if (tables.restartInterval > 0) {
                if (untilRestart == 0) {
                    if (in.overrun())
                        return Status::Truncated;
                    in.restart();
                    for (ComponentRows& c : comps)
                        c.predictor = 0;
                    untilRestart = tables.restartInterval;
                }
                --untilRestart;
            }
            for (ComponentRows& c : comps)
                if (!decodeComponentBlocks(in, c, mx, coef))
                    return Status::Corrupt;
        }
        writeMcuRow(frame, comps, my, record);
    }
    return in.overrun() ? Status::Truncated : Status::Ok;
}

} // namespace pictra::jpeg
