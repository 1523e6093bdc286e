// Reading a 12-megapixel HEIC (made by heif-enc -q 50 from a photo-like
// picture): our reader, from the file to the bottom-up record, against
// libheif's own decode of the same file to interleaved RGB, which is what
// heif-convert does before it writes its output; and heif-convert itself as
// a whole process writing a Y4M file (no colour conversion, no compression).
// And store copies at scale: an album of 20 such photos made the way
// "pictra-cli create" makes it (on every core), against libheif decoding the
// 20 files one after another as heif-convert would.
#include "album_creation.h"
#include "bench_support.h"

#include "core/codecs/heif/heif_file.h"
#include "core/codecs/image_file_access.h"
#include "core/util/file_io.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <libheif/heif.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kBufferCap = std::size_t{300} << 20;

struct HeicPhoto {
    pictra::test::TempDir dir;
    std::string path = dir.file("photo.heic");

    HeicPhoto()
    {
        const auto image = pictra::test::makePhotoLike(4000, 3000, 11);
        const std::string jpeg = dir.file("photo.jpg");
        if (pictra::writeFile(jpeg, pictra::test::encodeWithTurbo(image, 95, pictra::test::TurboSampling::S420)) !=
                pictra::Status::Ok ||
            std::system(("heif-enc -q 50 " + jpeg + " -o " + path + " > /dev/null").c_str()) != 0)
            path.clear();
    }
};

HeicPhoto& photo()
{
    static HeicPhoto instance;
    return instance;
}

void oursDecode(benchmark::State& state)
{
    pictra::ImageBuffers buffers(0, kBufferCap);
    const std::string& path = photo().path; // made before the clock runs
    for (auto _ : state)
        if (pictra::readImageFile(path, buffers.record(), pictra::readHeif) != pictra::Status::Ok)
            state.SkipWithError("our HEIF read failed");
}

struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};

bool libheifDecode(const std::string& path)
{
    const std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    heif_image_handle* handle = nullptr;
    heif_image* image = nullptr;
    const bool ok =
        heif_context_read_from_file(context.get(), path.c_str(), nullptr).code == heif_error_Ok &&
        heif_context_get_primary_image_handle(context.get(), &handle).code == heif_error_Ok &&
        heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr).code ==
            heif_error_Ok;
    heif_image_release(image);
    heif_image_handle_release(handle);
    return ok;
}

void libheifDecode(benchmark::State& state)
{
    const std::string& path = photo().path;
    for (auto _ : state)
        if (!libheifDecode(path))
            state.SkipWithError("libheif decode failed");
}

void heifConvertProcess(benchmark::State& state)
{
    const std::string command = "heif-convert " + photo().path + " " + photo().dir.file("out.y4m") + " > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("heif-convert failed");
}

constexpr int kAlbumFiles = 20;

// Twenty copies of the photo under their own names: encoding twenty
// different 12-megapixel HEICs would take the bench minutes, and a decoder
// keeps nothing from one file to the next.
std::vector<std::string>& albumFiles()
{
    static std::vector<std::string> files = [] {
        std::vector<std::string> out;
        for (int i = 0; i < kAlbumFiles && !photo().path.empty(); ++i) {
            out.push_back(photo().dir.file("photo" + std::to_string(i) + ".heic"));
            std::error_code error;
            std::filesystem::copy_file(photo().path, out.back(), std::filesystem::copy_options::overwrite_existing,
                                       error);
        }
        return out;
    }();
    return files;
}

void storeCreateHeic(benchmark::State& state)
{
    int run = 0;
    const std::vector<std::string>& files = albumFiles(); // made before the clock runs
    for (auto _ : state)
        if (!pictra::bench::createAlbumLikeTheCli(photo().dir.path(), run++, files))
            state.SkipWithError("album creation failed");
}

void libheifDecodeAll(benchmark::State& state)
{
    const std::vector<std::string>& files = albumFiles();
    for (auto _ : state)
        for (const std::string& path : files)
            if (!libheifDecode(path))
                state.SkipWithError("libheif decode failed");
}

} // namespace

BENCHMARK(oursDecode)->Name("heif.decode.ours.12mp")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(libheifDecode)->Name("heif.decode.libheif.12mp")->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(heifConvertProcess)
    ->Name("heif.heif_convert_y4m.12mp")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
PICTRA_BENCH_RATIO("heif.decode_vs_heif_convert", "heif.decode.ours.12mp", "heif.decode.libheif.12mp");
BENCHMARK(storeCreateHeic)
    ->Name("store.create.20x12mp_heic")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(libheifDecodeAll)
    ->Name("store.decode.libheif.20x12mp_heic")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
PICTRA_BENCH_RATIO("store.create_vs_decode_heic", "store.create.20x12mp_heic", "store.decode.libheif.20x12mp_heic");
