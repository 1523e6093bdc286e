#include "core/metadata/xmp_sidecar.h"

#include "core/util/file_io.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace pictra {
namespace {

// exiftool's value of one tag of `file` (-b: the bare value, line breaks kept).
std::string exiftoolTag(const std::string& tag, const std::string& file)
{
    const std::string command = "exiftool -b -charset UTF8 -" + tag + " '" + file + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    char buffer[256];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()))
        out += buffer;
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
        out.pop_back();
    return out;
}

bool haveExiftool() { return std::filesystem::exists("/usr/bin/exiftool"); }

PhotoMetadata albumFields()
{
    PhotoMetadata m;
    m.title = "東京タワー";
    m.description = "夕方の\n展望台";
    m.creator = "佐藤";
    m.location = "港区";
    m.taken = TakenDate{2021, 3, 4};
    return m;
}

TEST(XmpSidecar, NamedAfterTheStemAndReadUnderBothNames)
{
    EXPECT_EQ(sidecarPath("/p/IMG_1.jpg"), "/p/IMG_1.xmp");
    EXPECT_EQ(sidecarPath("/p/archive.tar.png"), "/p/archive.tar.xmp");
    EXPECT_EQ(sidecarReadPaths("/p/IMG_1.jpg"), (std::vector<std::string>{"/p/IMG_1.xmp", "/p/IMG_1.jpg.xmp"}));
    EXPECT_EQ(sidecarReadPaths("/p/noext"), (std::vector<std::string>{"/p/noext.xmp"}));
}

TEST(XmpSidecar, ExiftoolReadsBackTheTextsAndTheDate)
{
    if (!haveExiftool())
        GTEST_SKIP() << "exiftool is not installed";
    test::TempDir dir;
    const std::string picture = dir.file("IMG_1.jpg");
    test::writeBytes(picture, "pixels");
    ASSERT_EQ(writeXmpSidecar(picture, albumFields()), Status::Ok);
    const std::string sidecar = dir.file("IMG_1.xmp");
    EXPECT_EQ(exiftoolTag("XMP-dc:Title", sidecar), "東京タワー");
    EXPECT_EQ(exiftoolTag("XMP-dc:Description", sidecar), "夕方の\n展望台");
    EXPECT_EQ(exiftoolTag("XMP-dc:Creator", sidecar), "佐藤");
    EXPECT_EQ(exiftoolTag("XMP-iptcCore:Location", sidecar), "港区");
    EXPECT_EQ(exiftoolTag("XMP-photoshop:DateCreated", sidecar), "2021:03:04");
    auto bytes = readFile(picture);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "pixels");
}

TEST(XmpSidecar, AnExistingSidecarKeepsItsOtherFieldsAndLanguages)
{
    if (!haveExiftool())
        GTEST_SKIP() << "exiftool is not installed";
    test::TempDir dir;
    const std::string picture = dir.file("DSC_2.jpg");
    const std::string sidecar = dir.file("DSC_2.xmp");
    const std::string made = "exiftool -q -o '" + sidecar +
                             "' -XMP-xmp:Rating=4 -XMP-dc:Subject=Temple -XMP-dc:Title-de=Turm"
                             " -XMP-dc:Title=Old -XMP-xmp:CreateDate='2021:03:04 10:00:00' -XMP-lr:HierarchicalSubject='A|B'";
    ASSERT_EQ(std::system(made.c_str()), 0);
    test::writeBytes(picture, "pixels");
    ASSERT_EQ(writeXmpSidecar(picture, albumFields()), Status::Ok);
    EXPECT_EQ(exiftoolTag("XMP-xmp:Rating", sidecar), "4");
    EXPECT_EQ(exiftoolTag("XMP-dc:Subject", sidecar), "Temple");
    EXPECT_EQ(exiftoolTag("XMP-lr:HierarchicalSubject", sidecar), "A|B");
    EXPECT_EQ(exiftoolTag("XMP-dc:Title-de", sidecar), "Turm");
    EXPECT_EQ(exiftoolTag("XMP-dc:Title", sidecar), "東京タワー");
    // The same day: the time the camera gave stays.
    EXPECT_EQ(exiftoolTag("XMP-xmp:CreateDate", sidecar), "2021:03:04 10:00:00");
}

TEST(XmpSidecar, EmptyFieldsLeaveTheSidecarsValues)
{
    auto first = mergedSidecarPacket({}, albumFields());
    ASSERT_TRUE(first);
    PhotoMetadata onlyPlace;
    onlyPlace.location = "新宿";
    auto second = mergedSidecarPacket(*first, onlyPlace);
    ASSERT_TRUE(second);
    auto back = photoMetadataFromXmp(*second);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->title, "東京タワー");
    EXPECT_EQ(back->location, "新宿");
    EXPECT_EQ(back->taken, (TakenDate{2021, 3, 4}));
}

TEST(XmpSidecar, APlaceStoredAsABagIsReplacedAndAClashingPrefixRefused)
{
    const std::string bag =
        "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
        "<rdf:Description rdf:about='' xmlns:Iptc4xmpCore='http://iptc.org/std/Iptc4xmpCore/1.0/xmlns/'>"
        "<Iptc4xmpCore:Location><rdf:Bag><rdf:li>Osaka</rdf:li></rdf:Bag></Iptc4xmpCore:Location>"
        "</rdf:Description></rdf:RDF></x:xmpmeta>";
    auto packet = mergedSidecarPacket(bag, albumFields());
    ASSERT_TRUE(packet);
    auto back = photoMetadataFromXmp(*packet);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->location, "港区");

    // The same prefix bound to another namespace: the toolkit would write a
    // packet it cannot read back, so the merge is refused.
    std::string rebound = bag;
    rebound.replace(rebound.find("http://iptc.org"), 4, "City");
    EXPECT_EQ(mergedSidecarPacket(rebound, albumFields()).status(), Status::Corrupt);
}

TEST(XmpSidecar, AnUnreadableSidecarIsLeftAsItIs)
{
    test::TempDir dir;
    const std::string picture = dir.file("a.jpg");
    test::writeBytes(dir.file("a.xmp"), "<x:xmpmeta broken");
    EXPECT_EQ(writeXmpSidecar(picture, albumFields()), Status::Corrupt);
    auto bytes = readFile(dir.file("a.xmp"));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "<x:xmpmeta broken");
    EXPECT_EQ(writeXmpSidecar(dir.file("no/such/folder/b.jpg"), albumFields()), Status::IoError);
}

TEST(XmpSidecar, BothSidecarsAreReadTheStemOneFirst)
{
    test::TempDir dir;
    PhotoMetadata stem;
    stem.title = "stem";
    PhotoMetadata whole;
    whole.title = "whole";
    whole.creator = "darktable";
    const auto write = [](const std::string& path, const PhotoMetadata& m) {
        auto packet = mergedSidecarPacket({}, m);
        ASSERT_TRUE(packet);
        test::writeBytes(path, *packet);
    };
    write(dir.file("p.xmp"), stem);
    write(dir.file("p.jpg.xmp"), whole);
    auto read = readSidecarMetadata(dir.file("p.jpg"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->title, "stem");
    EXPECT_EQ(read->creator, "darktable");
    EXPECT_EQ(readSidecarMetadata(dir.file("q.jpg")).status(), Status::NotFound);
}

} // namespace
} // namespace pictra
