// The duplicate guard's reading side: store copies made as an add makes them,
// offered files as a user would bring them (a copy re-encoded and halved by
// ImageMagick, another photo, the next shot of a burst, a slight crop).
#include "core/recognise/offered_duplicates.h"

#include "core/album/store_copy.h"
#include "core/recognise/picture_content.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"
#include "support/synthetic_scene.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace pictra {
namespace {

constexpr std::size_t kCap = std::size_t{128} << 20;

class OfferedDuplicatesTest : public ::testing::Test {
protected:
    std::string writeScene(const std::string& name, std::uint32_t seed, double drift = 0.0)
    {
        const std::string path = dir.file(name);
        const auto jpeg = test::encodeWithTurbo(test::makeScene(1600, 1200, seed, drift), 92, test::TurboSampling::S420);
        EXPECT_EQ(writeFile(path, jpeg), Status::Ok);
        return path;
    }
    // The picture as the album holds it: its source path and a store copy.
    void addToAlbum(const std::string& source)
    {
        ASSERT_EQ(makeStoreCopy(io, buffers.record(), program, album, source), Status::Ok);
        images.push_back(source);
    }
    static bool convert(const std::string& from, const std::string& arguments, const std::string& to)
    {
        return std::system(("convert '" + from + "' " + arguments + " '" + to + "'").c_str()) == 0;
    }
    std::vector<DuplicatePicture> offer(const std::vector<std::string>& offered)
    {
        return findOfferedDuplicates({program, album, images}, offered, kept, kCap);
    }

    test::TempDir dir;
    std::string program = dir.file("prog");
    std::string album = dir.file("trip.abm");
    std::vector<std::string> images;
    ImageFileIO io;
    ImageBuffers buffers{kCap};
    StoreCopyContents kept;
};

TEST_F(OfferedDuplicatesTest, AReEncodedCopyIsFoundAndLookAlikesAreNot)
{
    const std::string beach = writeScene("beach.jpg", 11);
    addToAlbum(beach);
    addToAlbum(writeScene("hill.jpg", 12));
    const std::string small = dir.file("beach-small.jpg");
    const std::string cropped = dir.file("beach-crop.jpg");
    ASSERT_TRUE(convert(beach, "-quality 60 -resize 50%", small)) << "ImageMagick's convert is needed";
    ASSERT_TRUE(convert(beach, "-gravity center -crop 90%x90%+0+0 +repage", cropped));
    const std::vector<std::string> offered = {
        writeScene("forest.jpg", 13),            // another photo
        writeScene("beach-next.jpg", 11, 0.03),  // the next shot of a burst: things moved by 3%
        cropped,
        small,
    };
    const std::vector<DuplicatePicture> expected = {{3, beach, DuplicateKind::SameContent}};
    EXPECT_EQ(offer(offered), expected);
    EXPECT_EQ(kept.lastRead(), 2u);

    // A second add reads no store copy again, unless one was rewritten.
    const std::vector<DuplicatePicture> alone = {{0, beach, DuplicateKind::SameContent}};
    EXPECT_EQ(offer({small}), alone);
    EXPECT_EQ(kept.lastRead(), 0u);
    const std::string copy = storeCopyPath(program, album, beach);
    ASSERT_EQ(writeFile(copy, test::encodeWithTurbo(test::makeScene(640, 480, 14), 80, test::TurboSampling::S420)),
              Status::Ok);
    EXPECT_TRUE(offer({small}).empty());
    EXPECT_EQ(kept.lastRead(), 1u);
}

TEST_F(OfferedDuplicatesTest, RepeatsAmongTheOfferedAndUnreadableFiles)
{
    const std::string beach = writeScene("beach.jpg", 11);
    const std::string again = dir.file("again.jpg");
    ASSERT_TRUE(convert(beach, "-quality 70", again));
    test::writeBytes(dir.file("broken.jpg"), "not a picture");
    const std::vector<DuplicatePicture> expected = {{1, beach, DuplicateKind::SameContent}};
    EXPECT_EQ(offer({beach, again, dir.file("broken.jpg"), dir.file("missing.jpg")}), expected);
    EXPECT_EQ(kept.lastRead(), 0u); // an empty album has no copies to read
}

} // namespace
} // namespace pictra
