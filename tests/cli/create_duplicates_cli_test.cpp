// pictra-cli create --skip-duplicates: repeats of a picture are left out and named.
#include "cli_fixture.h"

#include "support/synthetic_scene.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace pictra {
namespace {

void writePhoto(const std::string& path, std::uint32_t seed, int quality = 90, int width = 320)
{
    const auto bytes = test::encodeWithTurbo(test::makePhotoLike(width, width * 3 / 4, seed), quality, test::TurboSampling::S420);
    test::writeBytes(path, std::string(bytes.begin(), bytes.end()));
}

std::size_t lines(const std::string& text, const std::string& word)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++n;
    return n;
}

TEST_F(PictraCli, CreateSkipsRepeatedFilesWhenAsked)
{
    const std::string a = dir.file("src/a.jpg");
    const std::string b = dir.file("src/b.jpg");
    writePhoto(a, 1);
    writePhoto(b, 2);
    ASSERT_EQ(::symlink(b.c_str(), dir.file("src/link.jpg").c_str()), 0);
    const std::string images = a + " " + b + " " + dir.path() + "/src/../src/a.jpg " + dir.file("src/link.jpg");

    const CliRun skipped = cli("create --skip-duplicates " + dir.file("once.abm") + " " + images);
    EXPECT_EQ(skipped.exitCode, 0) << skipped.err;
    EXPECT_EQ(lines(skipped.err, "skipped "), 2u) << skipped.err;
    EXPECT_NE(skipped.err.find("skipped " + a + ": the same file as " + a), std::string::npos) << skipped.err;
    EXPECT_NE(skipped.err.find("skipped " + dir.file("src/link.jpg") + ": the same file as " + b), std::string::npos)
        << skipped.err;
    EXPECT_NE(cli("info " + dir.file("once.abm")).out.find("images: 2"), std::string::npos);

    // Without the option every image goes in (the link's store name clashes with none).
    const CliRun all = cli("create " + dir.file("all.abm") + " " + images);
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_NE(cli("info " + dir.file("all.abm")).out.find("images: 4"), std::string::npos);
}

// A smaller, re-encoded copy of a photo is the same picture; the next shot
// of a burst, where things moved, is not.
TEST_F(PictraCli, CreateSkipsTheSamePictureByContent)
{
    const std::string photo = dir.file("src/IMG_1.jpg");
    const std::string copy = dir.file("src/IMG_1 small.jpg");
    const std::string next = dir.file("src/IMG_2.jpg");
    const auto encode = [](const std::string& path, double drift) {
        const auto bytes = test::encodeWithTurbo(test::makeScene(1200, 900, 21, drift), 92, test::TurboSampling::S420);
        test::writeBytes(path, std::string(bytes.begin(), bytes.end()));
    };
    encode(photo, 0.0);
    encode(next, 0.03);
    ASSERT_EQ(std::system(("convert '" + photo + "' -quality 60 -resize 50% '" + copy + "'").c_str()), 0);

    const CliRun run = cli("create --skip-duplicates " + dir.file("trip.abm") + " " + photo + " '" + copy + "' " + next);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(lines(run.err, "skipped "), 1u) << run.err;
    EXPECT_NE(run.err.find("skipped " + copy + ": the same picture as " + photo), std::string::npos) << run.err;
    EXPECT_NE(cli("info " + dir.file("trip.abm")).out.find("images: 2"), std::string::npos);
}

} // namespace
} // namespace pictra
