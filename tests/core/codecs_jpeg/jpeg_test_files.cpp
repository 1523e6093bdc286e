// libjpeg-based helpers for the JPEG codec tests.
#include "jpeg_test_files.h"

#include <cstdio>
#include <jpeglib.h>
#include <turbojpeg.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pictra::test {

Bytes encodeWithLibjpeg(const RgbImage& image, const LibjpegOptions& options)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err); // errors abort the test program
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = static_cast<JDIMENSION>(image.width);
    cinfo.image_height = static_cast<JDIMENSION>(image.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.restart_interval = static_cast<unsigned int>(options.restartInterval);
    if (options.sampling == TurboSampling::Gray) {
        jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
    } else {
        const int h = options.sampling == TurboSampling::S444 ? 1 : 2;
        const int v = options.sampling == TurboSampling::S420 ? 2 : 1;
        cinfo.comp_info[0].h_samp_factor = h;
        cinfo.comp_info[0].v_samp_factor = v;
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto* row = const_cast<JSAMPLE*>(image.rgb.data() + cinfo.next_scanline * image.width * 3u);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes result(out, out + size);
    std::free(out);
    return result;
}

std::vector<Segment> segmentsOf(const Bytes& jpeg)
{
    std::vector<Segment> list;
    if (jpeg.size() < 2)
        return list;
    list.push_back({jpeg[1], 0, 2});
    std::size_t pos = 2;
    while (pos + 4 <= jpeg.size() && jpeg[pos] == 0xFF) {
        const std::size_t length = (std::size_t{jpeg[pos + 2]} << 8) | jpeg[pos + 3];
        list.push_back({jpeg[pos + 1], pos, length + 2});
        if (jpeg[pos + 1] == 0xDA)
            break;
        pos += length + 2;
    }
    return list;
}

Bytes insertAt(const Bytes& jpeg, std::size_t offset, const Bytes& segment)
{
    Bytes out(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(offset));
    out.insert(out.end(), segment.begin(), segment.end());
    out.insert(out.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(offset), jpeg.end());
    return out;
}

Difference compare(const RgbImage& a, const RgbImage& b)
{
    if (a.width != b.width || a.height != b.height || a.rgb.size() != b.rgb.size() || a.rgb.empty())
        return {255, 255.0};
    Difference d;
    double sum = 0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i) {
        const int diff = std::abs(int{a.rgb[i]} - int{b.rgb[i]});
        d.maxAbs = std::max(d.maxAbs, diff);
        sum += diff;
    }
    d.meanAbs = sum / static_cast<double>(a.rgb.size());
    return d;
}

RgbImage decodeStrictWithTurbo(const Bytes& jpeg)
{
    RgbImage img;
    tjhandle handle = tjInitDecompress();
    int w = 0, h = 0, subsamp = 0, colorspace = 0;
    if (handle && tjDecompressHeader3(handle, jpeg.data(), jpeg.size(), &w, &h, &subsamp, &colorspace) == 0) {
        img = {w, h, Bytes(static_cast<std::size_t>(w) * h * 3)};
        const int flags = TJFLAG_ACCURATEDCT | TJFLAG_STOPONWARNING;
        if (tjDecompress2(handle, jpeg.data(), jpeg.size(), img.rgb.data(), w, 0, h, TJPF_RGB, flags) != 0)
            img = {};
    }
    if (handle)
        tjDestroy(handle);
    return img;
}

} // namespace pictra::test
