// pictra-cli relink end to end: an album whose originals were moved and
// renamed into a tree full of look-alikes.
#include "cli_fixture.h"

#include "core/album/album_file.h"
#include "core/util/fixed_text.h"
#include "support/synthetic_scene.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

namespace pictra {
namespace {

constexpr int kOriginals = 20;
constexpr int kWidth = 480;
constexpr int kHeight = 360;

void writeJpeg(const std::string& path, const test::RgbImage& image, int quality)
{
    ASSERT_TRUE(makeFolders(std::string(std::filesystem::path(path).parent_path())));
    const auto jpeg = test::encodeWithTurbo(image, quality, test::TurboSampling::S420);
    ASSERT_EQ(writeFile(path, jpeg), Status::Ok);
}

std::vector<std::string> albumPaths(const std::string& album)
{
    const auto bytes = readFile(album);
    EXPECT_TRUE(bytes.ok());
    std::vector<std::string> paths;
    if (!bytes)
        return paths;
    const auto contents = parseAlbumFile(*bytes);
    EXPECT_TRUE(contents.ok());
    if (contents)
        for (const ImageEntry& e : contents->entries)
            paths.emplace_back(fieldText(e.path));
    return paths;
}

class RelinkCli : public PictraCli {
protected:
    void SetUp() override { ::setenv("XDG_CACHE_HOME", dir.file("cache").c_str(), 1); }
};

// Twenty originals moved and renamed among 200 other photos: for each
// original a re-encode at another size, a crop and a near-identical burst
// shot, and 140 unrelated scenes. A 21st entry's file is really gone.
TEST_F(RelinkCli, RepointsMovedOriginalsAndNoDecoy)
{
    std::vector<std::string> originals;
    for (int i = 0; i < kOriginals + 1; ++i) {
        originals.push_back(dir.file("photos/IMG_" + std::to_string(1000 + i) + ".jpg"));
        writeJpeg(originals.back(), test::makeScene(kWidth, kHeight, static_cast<std::uint32_t>(i + 1)), 92);
    }
    std::string createArgs = "create " + dir.file("trip.abm");
    for (const std::string& path : originals)
        createArgs += " " + path;
    ASSERT_EQ(cli(createArgs).exitCode, 0);

    const std::string tree = dir.file("tree");
    std::map<std::string, std::string> expected; // old path -> where it went
    for (int i = 0; i < kOriginals; ++i) {
        const auto seed = static_cast<std::uint32_t>(i + 1);
        const std::string moved = tree + "/" + std::to_string(2020 + i % 3) + "/day" + std::to_string(i % 7) +
                                  "/renamed " + std::to_string(i) + ".jpg";
        ASSERT_TRUE(makeFolders(std::string(std::filesystem::path(moved).parent_path())));
        std::filesystem::rename(originals[static_cast<std::size_t>(i)], moved);
        expected[originals[static_cast<std::size_t>(i)]] = moved;
        const test::RgbImage scene = test::makeScene(kWidth, kHeight, seed);
        writeJpeg(tree + "/smaller/s" + std::to_string(i) + ".jpg", test::shrinkRgb(scene, 320, 240), 80);
        writeJpeg(tree + "/crops/c" + std::to_string(i) + ".jpg", test::cropRgb(scene, 16, 12, 448, 336), 92);
        writeJpeg(tree + "/burst/b" + std::to_string(i) + ".jpg", test::makeScene(kWidth, kHeight, seed, 0.005), 92);
    }
    for (int i = 0; i < 140; ++i)
        writeJpeg(tree + "/others/o" + std::to_string(i) + ".jpg",
                  test::makeScene(kWidth / 2, kHeight / 2, static_cast<std::uint32_t>(5000 + i)), 85);
    std::filesystem::remove(originals.back());

    const CliRun run = cli("relink --search " + tree + " --apply " + dir.file("trip.abm"));
    EXPECT_EQ(run.exitCode, 3) << run.err;
    for (const auto& [from, to] : expected)
        EXPECT_NE(run.out.find(from + " → " + to + "\n"), std::string::npos) << from << "\n" << run.out;
    EXPECT_NE(run.out.find("not found: " + originals.back() + "\n"), std::string::npos) << run.out;

    const std::vector<std::string> paths = albumPaths(dir.file("trip.abm"));
    ASSERT_EQ(paths.size(), originals.size());
    for (int i = 0; i < kOriginals; ++i)
        EXPECT_EQ(paths[static_cast<std::size_t>(i)], expected[originals[static_cast<std::size_t>(i)]]);
    EXPECT_EQ(paths.back(), originals.back());

    // The second search takes every hash from the cache and finds the same.
    EXPECT_TRUE(fileExists(dir.file("cache/pictra/picture_hashes.bin")));
    const CliRun again = cli("relink --search " + tree + " " + dir.file("trip.abm"));
    EXPECT_EQ(again.exitCode, 3);
    EXPECT_EQ(again.out, "not found: " + originals.back() + "\n");
}

TEST_F(RelinkCli, ExplainsItselfAndRefusesBadArguments)
{
    const CliRun help = cli("relink --help");
    EXPECT_NE(help.out.find("relink [--search DIR]... [--apply] ALBUM"), std::string::npos);
    EXPECT_EQ(cli("relink").exitCode, 2);
    EXPECT_EQ(cli("relink --search").exitCode, 2);
    EXPECT_EQ(cli("relink --bogus " + dir.file("a.abm")).exitCode, 2);
    const CliRun missing = cli("relink " + dir.file("none.abm"));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("none.abm"), std::string::npos);
}

TEST_F(RelinkCli, NothingMissingIsDone)
{
    const std::string photo = dir.file("p/a.jpg");
    writeJpeg(photo, test::makeScene(64, 48, 3), 90);
    ASSERT_EQ(cli("create " + dir.file("a.abm") + " " + photo).exitCode, 0);
    const CliRun run = cli("relink --search " + dir.file("p") + " --apply " + dir.file("a.abm"));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
}

} // namespace
} // namespace pictra
