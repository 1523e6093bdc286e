// pictra-cli create takes dates and captions from the pictures; xmp export
// and import carry an album's texts out to sidecars and back.
#include "cli_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace pictra {
namespace {

std::string metadataFile(const std::string& name)
{
    return std::string(std::getenv("PICTRA_TEST_DATA")) + "/metadata/" + name;
}

bool haveExiftool() { return std::filesystem::exists("/usr/bin/exiftool"); }

TEST_F(PictraCli, CreateTakesDatesAndCaptionsAndXmpCarriesThemOutAndBack)
{
    makeFolders(dir.file("src"));
    const std::string camera = dir.file("src/IMG_1.jpg");
    const std::string captioned = dir.file("src/IMG_2.jpg");
    std::filesystem::copy_file(metadataFile("dated.jpg"), camera);
    std::filesystem::copy_file(metadataFile("captions.jpg"), captioned);
    const std::string album = dir.file("trip.abm");
    ASSERT_EQ(cli("create " + album + " " + camera + " " + captioned).exitCode, 0);
    const CliRun info = cli("info --json " + album);
    EXPECT_NE(info.out.find("\"year\": 2015, \"month\": 8, \"day\": 9"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("\"author\": \"佐藤花子\", \"place\": \"東京\", \"summary\": \"東京タワー\""), std::string::npos)
        << info.out;

    const CliRun exported = cli("xmp export " + album);
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_NE(exported.out.find(dir.file("src/IMG_2.xmp")), std::string::npos) << exported.out;
    ASSERT_TRUE(fileExists(dir.file("src/IMG_1.xmp")));

    if (haveExiftool()) {
        const std::string edit = "exiftool -q -overwrite_original -XMP-dc:Title=Changed -XMP-dc:Creator= '" +
                                 dir.file("src/IMG_2.xmp") + "'";
        ASSERT_EQ(std::system(edit.c_str()), 0);
        // The title is not empty in the album, so only --overwrite takes the new one.
        ASSERT_EQ(cli("xmp import " + album).exitCode, 0);
        EXPECT_NE(cli("info --json " + album).out.find("\"summary\": \"東京タワー\""), std::string::npos);
        const CliRun overwritten = cli("xmp import --overwrite " + album);
        ASSERT_EQ(overwritten.exitCode, 0) << overwritten.err;
        EXPECT_NE(cli("info --json " + album).out.find("\"summary\": \"Changed\""), std::string::npos);
    }
    const std::string longCaption = dir.file("src/IMG_3.jpg");
    std::filesystem::copy_file(metadataFile("long_caption.jpg"), longCaption);
    const CliRun cut = cli("create " + dir.file("long.abm") + " " + longCaption);
    EXPECT_EQ(cut.exitCode, 0);
    EXPECT_NE(cut.err.find("texts of " + longCaption + " were cut"), std::string::npos) << cut.err;

    EXPECT_EQ(cli("xmp").exitCode, 2);
    EXPECT_EQ(cli("xmp export --overwrite " + album).exitCode, 2);
    EXPECT_EQ(cli("xmp import " + dir.file("none.abm")).exitCode, 1);
}

} // namespace
} // namespace pictra
