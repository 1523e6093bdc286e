// The copyright file's layout: what Debian's tools parse.
#include "core/setup/debian_copyright.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(DebianCopyright, ParagraphsAndTheLicenceTextAsContinuationLines)
{
    const CopyrightFacts facts{"Pictra", "Dev <dev@example.invalid>", "2026 Korvale", "Pictra-EULA",
                               "Title\n\nFirst line  \r\nSecond line\n\n\n"};
    EXPECT_EQ(debianCopyright(facts),
              "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
              "Upstream-Name: Pictra\n"
              "Upstream-Contact: Dev <dev@example.invalid>\n"
              "\n"
              "Files: *\n"
              "Copyright: 2026 Korvale\n"
              "License: Pictra-EULA\n"
              "\n"
              "License: Pictra-EULA\n"
              " Title\n"
              " .\n"
              " First line\n"
              " Second line\n");
}

} // namespace
} // namespace pictra
