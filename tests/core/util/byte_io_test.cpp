#include "core/util/byte_reader.h"
#include "core/util/byte_writer.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(ByteIo, RoundTripsEveryFieldKindLittleAndBigEndian)
{
    ByteWriter w;
    w.u8(0xAB);
    w.u16(0x1234);
    w.i32(-2);
    w.u32be(0x01020304);
    w.f64(-1.5);
    w.fixedString("abc", 5);
    ASSERT_EQ(w.size(), 1u + 2 + 4 + 4 + 8 + 5);
    EXPECT_EQ(w.data()[1], 0x34); // little-endian low byte first
    EXPECT_EQ(w.data()[7], 0x01); // big-endian high byte first

    ByteReader r(w.data());
    EXPECT_EQ(r.u8(), 0xAB);
    EXPECT_EQ(r.u16(), 0x1234);
    EXPECT_EQ(r.i32(), -2);
    EXPECT_EQ(r.u32be(), 0x01020304u);
    EXPECT_EQ(r.f64(), -1.5);
    EXPECT_EQ(r.fixedString(5), "abc");
    EXPECT_FALSE(r.truncated());
    EXPECT_EQ(r.remaining(), 0u);
}

TEST(ByteIo, ReadingPastTheEndGivesZerosAndStaysTruncated)
{
    const std::uint8_t data[] = {1, 2, 3};
    ByteReader r(data);
    EXPECT_EQ(r.u16(), 0x0201);
    EXPECT_EQ(r.u32(), 0u);
    EXPECT_TRUE(r.truncated());
    r.seek(0);
    EXPECT_TRUE(r.truncated()); // sticky
    EXPECT_TRUE(r.view(10).empty());
    r.seek(100);
    EXPECT_EQ(r.position(), 3u);
}

TEST(ByteIo, FixedStringIsCutToKeepItsTerminator)
{
    ByteWriter w;
    w.fixedString("abcdef", 4);
    ASSERT_EQ(w.size(), 4u);
    EXPECT_EQ(w.data()[3], 0);
    ByteReader r(w.data());
    EXPECT_EQ(r.fixedString(4), "abc");
}

} // namespace
} // namespace pictra
