// Field-by-field (de)serialisation of the 205-byte settings block.
#include "core/settings/work_mode_settings.h"

namespace pictra {
namespace {

PrintSettings readPrintSettings(ByteReader& in)
{
    PrintSettings p;
    p.allowSeveral = in.u8();
    in.chars(p.paper);
    p.margin = in.u8();
    p.paperWidth = in.i32();
    p.paperHeight = in.i32();
    p.leftOffset = in.i32();
    p.topOffset = in.i32();
    p.imagesAcross = in.i32();
    p.imagesDown = in.i32();
    p.gapX = in.i32();
    p.gapY = in.i32();
    return p;
}

void writePrintSettings(ByteWriter& out, const PrintSettings& p)
{
    out.u8(p.allowSeveral);
    out.chars(p.paper);
    out.u8(p.margin);
    out.i32(p.paperWidth);
    out.i32(p.paperHeight);
    out.i32(p.leftOffset);
    out.i32(p.topOffset);
    out.i32(p.imagesAcross);
    out.i32(p.imagesDown);
    out.i32(p.gapX);
    out.i32(p.gapY);
}

} // namespace

WorkModeSettings readWorkModeSettings(ByteReader& in)
{
    WorkModeSettings s;
    s.reserved0 = in.i32();
    s.childMaximized = in.i32();
    s.mainMaximized = in.i32();
    s.restorePlacement = in.i32();
    s.restoreWork = in.i32();
    s.openWindowAtStart = in.i32();
    s.slideIntervalMs = in.i32();
    s.recentCount = in.i32();
    s.tipDelayMs = in.i32();
    s.tipEnabled = in.i32();
    s.imageBufferMb = in.i32();
    s.columns = in.i16();
    s.rows = in.i16();
    s.gapX = in.i16();
    s.gapY = in.i16();
    s.reserved52 = in.i16();
    s.thumbnailQuality = in.i16();
    s.print = readPrintSettings(in);
    s.jpegCoding = in.u8();
    s.jpegQuality = in.i32();
    s.jpegSampling = in.u8();
    in.chars(s.jpegComment);
    return s;
}

void writeWorkModeSettings(ByteWriter& out, const WorkModeSettings& s)
{
    out.i32(s.reserved0);
    out.i32(s.childMaximized);
    out.i32(s.mainMaximized);
    out.i32(s.restorePlacement);
    out.i32(s.restoreWork);
    out.i32(s.openWindowAtStart);
    out.i32(s.slideIntervalMs);
    out.i32(s.recentCount);
    out.i32(s.tipDelayMs);
    out.i32(s.tipEnabled);
    out.i32(s.imageBufferMb);
    out.i16(s.columns);
    out.i16(s.rows);
    out.i16(s.gapX);
    out.i16(s.gapY);
    out.i16(s.reserved52);
    out.i16(s.thumbnailQuality);
    writePrintSettings(out, s.print);
    out.u8(s.jpegCoding);
    out.i32(s.jpegQuality);
    out.u8(s.jpegSampling);
    out.chars(s.jpegComment);
}

} // namespace pictra
