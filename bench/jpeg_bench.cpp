// Own JPEG decoder and encoder against libjpeg-turbo on the same pictures in
// one run: a 640 x 480 and a 12-megapixel photo-like picture, encoded by
// libjpeg-turbo as baseline 4:2:0 q85 and 4:4:4 q95. Decoding goes to a
// bottom-up BGR buffer on both sides (libjpeg-turbo with its defaults);
// encoding starts from that buffer (libjpeg-turbo 4:2:0 q85 with its
// accurate DCT, our encoder's fixed 4:2:0 tables).
#include "bench_support.h"
#include "core/codecs/jpeg/jpeg_decoder.h"
#include "core/codecs/jpeg/jpeg_encoder.h"
#include "support/synthetic_image.h"

#include <turbojpeg.h>

#include <map>
#include <memory>
#include <stdexcept>

namespace pictra::bench {
namespace {

using test::TurboSampling;

struct Picture {
    std::unique_ptr<ImageBuffers> source; // the picture as a 24-bit record
    std::vector<std::uint8_t> jpeg;       // libjpeg-turbo's file of it
};

const Picture& picture(const std::string& name)
{
    static std::map<std::string, Picture> pictures;
    auto found = pictures.find(name);
    if (found != pictures.end())
        return found->second;
    const bool large = name.rfind("12mp", 0) == 0;
    const bool s444 = name.find("444") != std::string::npos;
    const test::RgbImage rgb = test::makePhotoLike(large ? 4000 : 640, large ? 3000 : 480, 1);
    Picture p;
    p.source = std::make_unique<ImageBuffers>(static_cast<std::size_t>(rgb.width * 3 + 4) * rgb.height);
    test::fillRecord(rgb, *p.source);
    p.jpeg = test::encodeWithTurbo(rgb, s444 ? 95 : 85, s444 ? TurboSampling::S444 : TurboSampling::S420);
    return pictures.emplace(name, std::move(p)).first->second;
}

double pixelsOf(const Picture& p)
{
    return static_cast<double>(p.source->record().width()) * p.source->record().height();
}

void decodeOwn(benchmark::State& state, const std::string& name)
{
    const Picture& p = picture(name);
    ImageBuffers out(p.source->capacity());
    for (auto _ : state)
        if (decodeJpegBytes(p.jpeg, out.record()) != Status::Ok)
            state.SkipWithError("decode failed");
    setMegapixelRate(state, pixelsOf(p));
}

void decodeTurbo(benchmark::State& state, const std::string& name)
{
    const Picture& p = picture(name);
    const ImageRecord& src = p.source->record();
    std::vector<std::uint8_t> out(p.source->capacity());
    tjhandle handle = tjInitDecompress();
    for (auto _ : state)
        if (tjDecompress2(handle, p.jpeg.data(), p.jpeg.size(), out.data(), src.width(),
                          static_cast<int>(src.stride()), src.height(), TJPF_BGR, TJFLAG_BOTTOMUP) != 0)
            state.SkipWithError("decode failed");
    tjDestroy(handle);
    setMegapixelRate(state, pixelsOf(p));
}

void encodeOwn(benchmark::State& state, const std::string& name)
{
    const Picture& p = picture(name);
    for (auto _ : state) {
        auto bytes = encodeJpegBytes(p.source->record());
        benchmark::DoNotOptimize(bytes);
    }
    setMegapixelRate(state, pixelsOf(p));
}

void encodeTurbo(benchmark::State& state, const std::string& name)
{
    const Picture& p = picture(name);
    const ImageRecord& src = p.source->record();
    unsigned long capacity = tjBufSize(src.width(), src.height(), TJSAMP_420);
    unsigned char* out = tjAlloc(static_cast<int>(capacity));
    tjhandle handle = tjInitCompress();
    for (auto _ : state) {
        unsigned long size = capacity;
        if (tjCompress2(handle, src.pixels.data(), src.width(), static_cast<int>(src.stride()), src.height(),
                        TJPF_BGR, &out, &size, TJSAMP_420, 85,
                        TJFLAG_BOTTOMUP | TJFLAG_ACCURATEDCT | TJFLAG_NOREALLOC) != 0)
            state.SkipWithError("encode failed");
    }
    tjDestroy(handle);
    tjFree(out);
    setMegapixelRate(state, pixelsOf(p));
}

void registerAll()
{
    struct Case {
        const char* picture;
        bool encode;
        int iterations;
    };
    for (const Case& c : {Case{"640x480_420_q85", true, 40}, Case{"12mp_420_q85", true, 3},
                          Case{"12mp_444_q95", false, 3}}) {
        const std::string pic = c.picture;
        const auto add = [&](const std::string& figure, void (*fn)(benchmark::State&, const std::string&)) {
            benchmark::RegisterBenchmark(figure.c_str(), fn, pic)
                ->Iterations(c.iterations)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
        };
        add("jpeg.decode.own." + pic, decodeOwn);
        add("jpeg.decode.turbo." + pic, decodeTurbo);
        addRatio("jpeg.decode.own_vs_turbo." + pic, "jpeg.decode.own." + pic, "jpeg.decode.turbo." + pic);
        if (c.encode) {
            add("jpeg.encode.own." + pic, encodeOwn);
            add("jpeg.encode.turbo." + pic, encodeTurbo);
            addRatio("jpeg.encode.own_vs_turbo." + pic, "jpeg.encode.own." + pic, "jpeg.encode.turbo." + pic);
        }
    }
}

const int kRegistered = (registerAll(), 0);

} // namespace
} // namespace pictra::bench
