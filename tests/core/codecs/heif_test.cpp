// The HEIF/AVIF reader against libheif's own tools: files made by heif-enc
// and avifenc at test time (lossy, lossless, 10 and 12 bits, alpha, and the
// irot/imir/clap transforms avifenc writes), decoded by heif-convert for
// comparison; the Exif block; oversized and damaged files.
#include "core/codecs/heif/heif_colour.h"
#include "core/codecs/heif/heif_file.h"
#include "core/codecs/heif/heif_handle.h"
#include "core/codecs/heif/heif_boxes.h"

#include "codec_test_support.h"
#include "tool_images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <string_view>

namespace pictra {
namespace {

enum class Shape { Same, TurnedLeft, Turned, Cropped };

struct HeifVariant {
    const char* name;
    const char* file;
    const char* encode; // %i: the PNG made from the source picture, %o: the output
    double minPsnr;     // against heif-convert's decode
    Shape shape = Shape::Same;
    bool halfAlpha = false;
    double minPsnrToSource = 0; // against the source picture in its expected shape; 0: not checked
};

std::string expand(std::string text, const std::string& in, const std::string& out)
{
    for (std::size_t at; (at = text.find("%i")) != std::string::npos;)
        text.replace(at, 2, in);
    for (std::size_t at; (at = text.find("%o")) != std::string::npos;)
        text.replace(at, 2, out);
    return text;
}

std::vector<std::uint8_t> makeWithTool(const test::TempDir& dir, const test::RgbImage& image, const HeifVariant& v)
{
    const std::string png = dir.file("in.png");
    EXPECT_TRUE(test::writePngWithTool(png, image, v.halfAlpha));
    std::string log;
    EXPECT_TRUE(test::runCommand(expand(v.encode, png, dir.file(v.file)), &log)) << log;
    return test::readAll(dir.file(v.file));
}

class HeifToolVariant : public testing::TestWithParam<HeifVariant> {};

TEST_P(HeifToolVariant, MatchesHeifConvert)
{
    ASSERT_TRUE(test::haveTool("/usr/bin/heif-convert")) << "libheif-examples is installed by scripts/install-deps";
    const HeifVariant& v = GetParam();
    test::TempDir dir;
    const test::RgbImage source = test::makePhotoLike(37, 22, 3);
    const auto bytes = makeWithTool(dir, source, v);
    ASSERT_FALSE(bytes.empty());
    const test::Decoded ours = test::decodeWith(readHeif, bytes);
    ASSERT_EQ(ours.status, Status::Ok);
    ASSERT_TRUE(test::runCommand("heif-convert " + dir.file(v.file) + " " + dir.file("ref.png")));
    const auto theirs = test::readWithTool(dir, dir.file("ref.png"));
    ASSERT_TRUE(theirs);
    ASSERT_EQ(ours.image.width, theirs->width);
    ASSERT_EQ(ours.image.height, theirs->height);
    EXPECT_GE(test::psnr(ours.image, *theirs), v.minPsnr);
    EXPECT_EQ(ours.outline, pixelOutline(theirs->width, theirs->height));
    if (v.shape == Shape::TurnedLeft) {
        EXPECT_EQ(ours.image.width, source.height);
        EXPECT_GE(test::psnr(ours.image, test::turnedLeft(source)), v.minPsnrToSource);
    } else if (v.shape == Shape::Turned) {
        EXPECT_EQ(ours.image.width, source.height);
    } else if (v.shape == Shape::Same) {
        EXPECT_EQ(ours.image.width, source.width);
        if (v.minPsnrToSource > 0) {
            EXPECT_GE(test::psnr(ours.image, source), v.minPsnrToSource);
        }
    } else {
        EXPECT_EQ(ours.image.width, 20);
        EXPECT_EQ(ours.image.height, 12);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Heif, HeifToolVariant,
    testing::Values(
        HeifVariant{"heic_lossy", "a.heic", "heif-enc -q 80 %i -o %o", 30},
        HeifVariant{"heic_lossless", "a.heic", "heif-enc -L -p chroma=444 --matrix_coefficients=0 %i -o %o", 40,
                    Shape::Same, false, 40},
        HeifVariant{"heic_alpha", "a.heic", "heif-enc -q 90 %i -o %o", 30, Shape::Same, true},
        HeifVariant{"avif_lossy", "a.avif", "avifenc -s 8 --min 10 --max 30 %i %o", 30},
        HeifVariant{"avif_10bit", "a.avif", "avifenc -s 8 -d 10 %i %o", 30},
        HeifVariant{"avif_12bit", "a.avif", "avifenc -s 8 -d 12 -y 444 %i %o", 30},
        HeifVariant{"avif_lossless", "a.avif", "avifenc -s 8 -l %i %o", 40, Shape::Same, false, 40},
        HeifVariant{"avif_alpha", "a.avif", "avifenc -s 8 -l %i %o", 40, Shape::Same, true},
        HeifVariant{"avif_irot", "a.avif", "avifenc -s 8 -l --irot 1 %i %o", 40, Shape::TurnedLeft, false, 40},
        HeifVariant{"avif_irot_imir", "a.avif", "avifenc -s 8 -l --irot 3 --imir 1 %i %o", 40, Shape::Turned},
        HeifVariant{"avif_clap", "a.avif", "avifenc -s 8 -l --crop 4,2,20,12 %i %o", 40, Shape::Cropped}),
    [](const testing::TestParamInfo<HeifVariant>& info) { return std::string(info.param.name); });

// A small file of each kind for the tests below.
std::vector<std::uint8_t> smallFile(const test::TempDir& dir, const char* name, const char* encode)
{
    return makeWithTool(dir, test::makePhotoLike(16, 16, 9), HeifVariant{name, name, encode, 0});
}

// The offsets of every box of type `type` (their size fields).
std::vector<std::size_t> boxesAt(const std::vector<std::uint8_t>& bytes, std::string_view type)
{
    std::vector<std::size_t> at;
    for (auto it = bytes.begin() + 4; (it = std::search(it, bytes.end(), type.begin(), type.end())) != bytes.end(); ++it)
        at.push_back(std::size_t(it - bytes.begin()) - 4);
    return at;
}

void putU32be(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

TEST(HeifSize, AClaimedSizeOverTheBufferCapIsRefusedBeforeDecoding)
{
    test::TempDir dir;
    for (const char* name : {"a.heic", "a.avif"}) {
        auto bytes = smallFile(dir, name, std::string_view(name).ends_with("heic") ? "heif-enc %i -o %o"
                                                                                 : "avifenc -s 8 %i %o");
        // Every image's size box: a coded picture and the one shown from it.
        const auto sizes = boxesAt(bytes, "ispe");
        ASSERT_FALSE(sizes.empty()) << name;
        for (const std::uint32_t side : {2000u, 60000u, 0xFFFFFFFFu}) {
            for (const std::size_t ispe : sizes) {
                putU32be(bytes, ispe + 12, side);
                putU32be(bytes, ispe + 16, side);
            }
            ImageBuffers buffers(0, 1 << 20);
            EXPECT_EQ(readHeif(bytes, buffers.record()), Status::TooLarge) << name << " " << side;
            EXPECT_EQ(buffers.record().width(), 0);
            EXPECT_EQ(buffers.capacity(), 0u) << "nothing was allocated for the claimed size";
        }
    }
}

// A grid image whose item list names `tiles` tiles: the boxes up to the
// item-information box, all that is read before the file is refused.
std::vector<std::uint8_t> gridOfTiles(std::uint32_t tiles)
{
    std::vector<std::uint8_t> out;
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<std::uint8_t>(v >> (24 - 8 * i)));
    };
    auto text = [&](std::string_view t) { out.insert(out.end(), t.begin(), t.end()); };
    u32(20); text("ftypheic"); u32(0); text("mif1");
    const std::size_t meta = out.size();
    u32(0); text("meta"); u32(0);
    const std::size_t iinf = out.size();
    u32(0); text("iinf"); u32(0x01000000); u32(tiles + 1);
    for (std::uint32_t id = 1; id <= tiles + 1; ++id) {
        u32(21); text("infe"); u32(0x02000000);
        out.push_back(static_cast<std::uint8_t>(id >> 8)); out.push_back(static_cast<std::uint8_t>(id));
        out.push_back(0); out.push_back(0);
        text(id == 1 ? "grid" : "hvc1"); out.push_back(0);
    }
    putU32be(out, iinf, static_cast<std::uint32_t>(out.size() - iinf));
    putU32be(out, meta, static_cast<std::uint32_t>(out.size() - meta));
    return out;
}

TEST(HeifSize, AGridOfThousandsOfTilesIsRefused)
{
    const auto bomb = gridOfTiles(5000);
    EXPECT_EQ(heifItemCount(bomb), 5001u);
    ImageBuffers buffers(0, test::kTestBufferBytes);
    EXPECT_EQ(readHeif(bomb, buffers.record()), Status::TooLarge);
    EXPECT_EQ(heifExif(bomb).status(), Status::TooLarge);
    EXPECT_EQ(heifItemCount(gridOfTiles(48)), 49u) << "a phone photo's grid is counted, not refused";
}

TEST(HeifItemCount, ReadsRealFilesAndStopsAtBrokenBoxes)
{
    test::TempDir dir;
    const auto real = smallFile(dir, "a.heic", "heif-enc %i -o %o");
    const auto count = heifItemCount(real);
    ASSERT_TRUE(count);
    EXPECT_GE(*count, 1u);
    EXPECT_LE(*count, 4u);
    auto grid = gridOfTiles(3);
    EXPECT_FALSE(heifItemCount(std::vector<std::uint8_t>(grid.begin(), grid.begin() + 40)));
    putU32be(grid, 20, 0xFFFFFFF0u); // a meta box longer than the file
    EXPECT_FALSE(heifItemCount(grid));
    EXPECT_FALSE(heifItemCount({}));
}

// Big-endian boxes for the canvas tests: a box is its size, its type and
// its payload.
void putBe(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::vector<std::uint8_t> box(std::string_view type, const std::vector<std::uint8_t>& payload)
{
    std::vector<std::uint8_t> out;
    putBe(out, payload.size() + 8, 4);
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

std::vector<std::uint8_t> joined(std::initializer_list<std::vector<std::uint8_t>> parts)
{
    std::vector<std::uint8_t> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

// A file whose primary item 7 is of `type`, with `header` as its data: in
// the 'idat' box (location version 1) or after the 'meta' box (version 0).
std::vector<std::uint8_t> derivedItemFile(std::string_view type, const std::vector<std::uint8_t>& header, bool inIdat)
{
    std::vector<std::uint8_t> infe{2, 0, 0, 0, 0, 7, 0, 0};
    infe.insert(infe.end(), type.begin(), type.end());
    infe.push_back(0);
    const std::vector<std::uint8_t> iinf = joined({{0, 0, 0, 0, 0, 2}, box("infe", {2, 0, 0, 0, 0, 3, 0, 0, 'h', 'v', 'c', '1', 0}), box("infe", infe)});
    auto meta = [&](std::uint64_t fileOffset) {
        std::vector<std::uint8_t> iloc{inIdat ? std::uint8_t{1} : std::uint8_t{0}, 0, 0, 0, 0x44, 0x00};
        putBe(iloc, 1, 2);      // items
        putBe(iloc, 7, 2);      // item id
        if (inIdat)
            putBe(iloc, 1, 2);  // construction: idat
        putBe(iloc, 0, 2);      // data reference
        putBe(iloc, 1, 2);      // extents
        putBe(iloc, inIdat ? 0 : fileOffset, 4);
        putBe(iloc, header.size(), 4);
        return box("meta", joined({{0, 0, 0, 0}, box("pitm", {0, 0, 0, 0, 0, 7}), box("iinf", iinf), box("iloc", iloc),
                                   inIdat ? box("idat", header) : std::vector<std::uint8_t>{}}));
    };
    const auto ftyp = box("ftyp", {'h', 'e', 'i', 'c', 0, 0, 0, 0});
    const std::size_t dataAt = ftyp.size() + meta(0).size();
    return joined({ftyp, meta(dataAt), inIdat ? std::vector<std::uint8_t>{} : header});
}

TEST(HeifDerivedCanvas, ComesFromTheGridOrOverlayHeaderWhereverItIsStored)
{
    const std::vector<std::uint8_t> narrow{0, 0, 1, 2, 0x0F, 0xC0, 0x0B, 0xD0}; // 3 × 2 tiles, 4032 × 3024
    for (const bool inIdat : {true, false}) {
        EXPECT_EQ(heifDerivedCanvas(derivedItemFile("grid", narrow, inIdat)), (PictureSize{4032, 3024})) << inIdat;
        EXPECT_FALSE(heifDerivedCanvas(derivedItemFile("hvc1", narrow, inIdat))) << "a coded item has no canvas";
    }
    const std::vector<std::uint8_t> wide{0, 1, 0, 0, 0, 1, 0, 0, 0x80, 0, 0, 0};
    EXPECT_EQ(heifDerivedCanvas(derivedItemFile("grid", wide, true)), (PictureSize{65536, INT_MAX}));
    const std::vector<std::uint8_t> overlay{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0x00, 0x00, 0x80};
    EXPECT_EQ(heifDerivedCanvas(derivedItemFile("iovl", overlay, true)), (PictureSize{256, 128}));

    auto cut = derivedItemFile("grid", narrow, false);
    cut.resize(cut.size() - 3); // the header runs past the end of the file
    EXPECT_FALSE(heifDerivedCanvas(cut));
    EXPECT_FALSE(heifDerivedCanvas(gridOfTiles(3))) << "no primary item named";
    test::TempDir dir;
    const auto real = smallFile(dir, "a.heic", "heif-enc %i -o %o");
    EXPECT_EQ(heifDerivedCanvas(real), (PictureSize{16, 16})) << "heif-enc crops its padded tile with a one-tile grid";
}

TEST(HeifExif, ComesFromItsTiffHeaderAndIsNotFoundWhenAbsent)
{
    ASSERT_TRUE(test::haveTool("/usr/bin/exiftool"));
    test::TempDir dir;
    const std::string jpeg = dir.file("in.jpg");
    test::writeAll(jpeg, test::encodeWithTurbo(test::makePhotoLike(16, 16, 2), 90, test::TurboSampling::S420));
    ASSERT_TRUE(test::runCommand("exiftool -q -overwrite_original -Artist=Pictra-HEIF " + jpeg));
    ASSERT_TRUE(test::runCommand("heif-enc " + jpeg + " -o " + dir.file("exif.heic")));
    const auto exif = heifExif(test::readAll(dir.file("exif.heic")));
    ASSERT_TRUE(exif) << statusName(exif.status());
    const std::string block(exif->begin(), exif->end());
    EXPECT_TRUE(block.starts_with("MM") || block.starts_with("II")) << block.substr(0, 8);
    EXPECT_NE(block.find("Pictra-HEIF"), std::string::npos);

    EXPECT_EQ(heifExif(smallFile(dir, "plain.avif", "avifenc -s 8 %i %o")).status(), Status::NotFound);
    EXPECT_NE(heifExif(std::vector<std::uint8_t>{'n', 'o', 't', ' ', 'h', 'e', 'i', 'f'}).status(), Status::Ok);
}

TEST(HeifColour, AFileInDisplayP3GetsItsProfileAnSrgbFileNone)
{
    test::TempDir dir;
    const auto p3 = smallFile(dir, "p3.avif", "avifenc -s 8 --cicp 12/13/6 %i %o");
    const auto handle = openPrimaryImage(p3);
    ASSERT_TRUE(handle);
    EXPECT_EQ(heifProfile(handle->get(), nullptr), buildRgbProfile(displayP3()));
    const auto srgb = smallFile(dir, "srgb.avif", "avifenc -s 8 --cicp 1/13/6 %i %o");
    const auto plain = openPrimaryImage(srgb);
    ASSERT_TRUE(plain);
    EXPECT_TRUE(heifProfile(plain->get(), nullptr).empty());
}

// The AV1 picture of `avif` in a file whose main brand says HEIF ("mif1"),
// as some cameras write them.
std::vector<std::uint8_t> heifBranded(std::vector<std::uint8_t> avif)
{
    EXPECT_EQ(std::string(avif.begin() + 4, avif.begin() + 12), "ftypavif");
    std::copy_n("mif1", 4, avif.begin() + 8);
    EXPECT_EQ(heif_main_brand(avif.data(), static_cast<int>(avif.size())), heif_mif1);
    return avif;
}

TEST(HeifAv1, AHeifBrandedAv1FileDecodesAsTheAvifItCameFrom)
{
    test::TempDir dir;
    const auto avif = smallFile(dir, "a.avif", "avifenc -s 8 -l %i %o");
    const test::Decoded branded = test::decodeWith(readHeif, heifBranded(avif));
    ASSERT_EQ(branded.status, Status::Ok);
    EXPECT_EQ(branded.image.rgb, test::decodeWith(readHeif, avif).image.rgb);
}

// Under the sanitizers this also shows that no damaged stream makes a
// decoder lose memory, whichever brand the AV1 picture comes under.
TEST(HeifDamage, TruncatedAndFlippedFilesFailCleanly)
{
    test::TempDir dir;
    const auto heic = smallFile(dir, "a.heic", "heif-enc -q 50 %i -o %o");
    test::sweepDamagedInputs(readHeif, heic, heic.size() / 2);
    const auto avif = smallFile(dir, "a.avif", "avifenc -s 8 %i %o");
    test::sweepDamagedInputs(readHeif, avif, avif.size() / 2);
    const auto branded = heifBranded(avif);
    test::sweepDamagedInputs(readHeif, branded, branded.size() / 2);
}

} // namespace
} // namespace pictra
