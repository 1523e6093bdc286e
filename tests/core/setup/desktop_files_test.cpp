#include "core/setup/desktop_files.h"
#include "core/setup/mime_apps.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

struct ExecCase {
    const char* argument;
    const char* expected; // as it stands in the file, after the string escape
};

class ExecQuoting : public ::testing::TestWithParam<ExecCase> {};

TEST_P(ExecQuoting, OneArgumentReachesTheProgramWhole)
{
    EXPECT_EQ(execValue({GetParam().argument}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Paths, ExecQuoting,
                         ::testing::Values(ExecCase{"/home/u/ABM10/pictra", "/home/u/ABM10/pictra"},
                                           ExecCase{"/home/u/My Photos/pictra", "\"/home/u/My Photos/pictra\""},
                                           ExecCase{"/home/u/写真/pictra", "/home/u/写真/pictra"},
                                           ExecCase{"/a \"b\"/p", "\"/a \\\\\"b\\\\\"/p\""},
                                           ExecCase{"/a$HOME/p", "\"/a\\\\$HOME/p\""},
                                           ExecCase{"/a\\b/p", "\"/a\\\\\\\\b/p\""},
                                           ExecCase{"/100%/p", "/100%%/p"},
                                           ExecCase{"", "\"\""}));

TEST(DesktopFiles, ProgramEntryOpensAlbumsAndNamesTheManual)
{
    const std::string entry = programDesktopEntry({"/home/u/My ABM10/pictra", "/home/u/My ABM10/pictra-thumbnailer",
                                                   "/home/u/My ABM10/pictra.pdf", "/home/u/My ABM10"});
    EXPECT_NE(entry.find("Name=Pictra 1.0\n"), std::string::npos);
    EXPECT_NE(entry.find("Exec=\"/home/u/My ABM10/pictra\" %f\n"), std::string::npos);
    EXPECT_NE(entry.find("MimeType=application/x-pictra-album;image/bmp;"), std::string::npos);
    // "Open with" offers the program for every type it reads.
    for (const char* type : {"image/jpeg;", "image/png;", "image/gif;", "image/webp;", "image/heic;", "image/heif;",
                             "image/avif;", "image/jxl;"})
        EXPECT_NE(entry.find(type), std::string::npos) << type;
    EXPECT_NE(entry.find("[Desktop Action manual]\nName=ﾏﾆｭｱﾙ\nExec=xdg-open \"/home/u/My ABM10/pictra.pdf\"\n"),
              std::string::npos);
    EXPECT_NE(albumMimePackage().find("value=\"Pictra version1.0\""), std::string::npos);
    EXPECT_NE(thumbnailerEntry("/opt/p t/pictra-thumbnailer").find("Exec=\"/opt/p t/pictra-thumbnailer\" %i %o %s\n"),
              std::string::npos);
}

TEST(MimeApps, DefaultIsSetAndRemovedWithoutTouchingOtherLines)
{
    const std::string mine = "application/x-pictra-album=pictra.desktop;";
    EXPECT_EQ(withDefaultApplication("", "application/x-pictra-album", "pictra.desktop"),
              "[Default Applications]\n" + mine + "\n");

    const std::string user = "[Added Associations]\nimage/png=gimp.desktop;\n\n[Default Applications]\n"
                             "application/pdf=evince.desktop;\n\n[Removed Associations]\ntext/plain=vim.desktop;\n";
    const std::string set = withDefaultApplication(user, "application/x-pictra-album", "pictra.desktop");
    EXPECT_EQ(set, "[Added Associations]\nimage/png=gimp.desktop;\n\n[Default Applications]\n"
                   "application/pdf=evince.desktop;\n" + mine + "\n\n[Removed Associations]\ntext/plain=vim.desktop;\n");
    EXPECT_EQ(withoutDefaultApplication(set, "application/x-pictra-album", "pictra.desktop"), user);

    // A default the user chose since stays.
    const std::string other = withDefaultApplication(set, "application/x-pictra-album", "other.desktop");
    EXPECT_EQ(withoutDefaultApplication(other, "application/x-pictra-album", "pictra.desktop"), other);
}

} // namespace
} // namespace pictra
