// A tool's edit of a picture with an embedded profile: the edited pixels are
// sRGB, so a re-encoded file carries no profile, while a lossless turn keeps
// the source's pixels and with them its profile.
#include "core/image_io/image_file_io.h"
#include "core/imaging_library/jpeg_icc_profile.h"
#include "core/tools/picture_replacement.h"
#include "core/tools/tool_edit.h"
#include "core/util/file_io.h"
#include "support/colour_profiles.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(EditedProfile, ReencodedEditsDropTheProfileAndLosslessTurnsKeepIt)
{
    struct Case {
        const char* edit;
        EditWriting writing;
        bool keepsProfile;
    };
    const std::vector<std::uint8_t> p3 = test::displayP3Profile();
    for (const Case& c : {Case{"negative", EditWriting::Reencoded, false}, Case{"rotate=2", EditWriting::Lossless, true}}) {
        SCOPED_TRACE(c.edit);
        test::TempDir dir;
        const test::RgbImage image = test::makePhotoLike(64, 48);
        const std::string source = dir.file("source.jpg");
        ASSERT_EQ(writeFile(source, test::withIccSegment(test::encodeWithTurbo(image, 90, test::TurboSampling::S420), p3)),
                  Status::Ok);
        ASSERT_EQ(jpegIccProfile(readFile(source).value()), p3);

        ImageFileIO io;
        ImageBuffers edited(1 << 20);
        ASSERT_EQ(io.loadImage(source, edited.record()), Status::Ok);
        const auto edit = parseToolEdit(c.edit);
        ASSERT_TRUE(edit);
        ASSERT_EQ(applyToolEdit(*edit, edited.record()), Status::Ok);
        const std::string target = dir.file("target.jpg");
        const auto written = writeEditedPicture(io, *edit, edited.record(), source, target, [] { return true; });
        ASSERT_TRUE(written);
        EXPECT_EQ(*written, c.writing);
        const std::vector<std::uint8_t> profile = jpegIccProfile(readFile(target).value());
        EXPECT_EQ(profile, c.keepsProfile ? p3 : std::vector<std::uint8_t>{});
    }
}

} // namespace
} // namespace pictra
