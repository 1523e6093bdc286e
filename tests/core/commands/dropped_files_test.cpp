#include "core/commands/dropped_files.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(DroppedFiles, SortsByEndingAndSkipsTheRest)
{
    const DroppedFiles d = sortDroppedFiles({"/a/1.JPG", "/a/trip.abm", "/a/2.bmp", "/a/3.tif", "/a/doc.txt",
                                             "/a/folder", "/a/4.jpeg", "/a/5.Pcx", "/a/6.psd", "/a/x.ABM", "/a/7.TIFF",
                                             "/a/8.png", "/a/9.HEIC", "/a/10.webp", "/a/11.avif", "/a/12.jxl",
                                             "/a/13.gif", "/a/png"});
    EXPECT_EQ(d.images, (std::vector<std::string>{"/a/1.JPG", "/a/2.bmp", "/a/3.tif", "/a/4.jpeg", "/a/5.Pcx", "/a/6.psd",
                                                  "/a/7.TIFF", "/a/8.png", "/a/9.HEIC", "/a/10.webp", "/a/11.avif",
                                                  "/a/12.jxl", "/a/13.gif"}));
    EXPECT_EQ(d.albums, (std::vector<std::string>{"/a/trip.abm", "/a/x.ABM"}));
}

TEST(DroppedFiles, KeepsAtMostOneListOfImagesAndNoOverlongPaths)
{
    std::vector<std::string> many;
    for (int i = 0; i < 1003; ++i)
        many.push_back("/p/" + std::to_string(i) + ".jpg");
    many.push_back("/" + std::string(400, 'x') + ".jpg");
    const DroppedFiles d = sortDroppedFiles(many);
    EXPECT_EQ(d.images.size(), 1000u);
    EXPECT_EQ(d.skippedImages, 3);
    EXPECT_EQ(d.images.back(), "/p/999.jpg");
}

} // namespace
} // namespace pictra
