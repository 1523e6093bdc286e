// Gathering a JPEG's ICC profile from its APP2 chunks: order by number, and
// every way the chunks can fail to add up gives no profile at all.
#include "core/imaging_library/jpeg_icc_profile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pictra {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Element by element: GCC 12 warns wrongly about range inserts into small vectors.
void append(Bytes& to, const Bytes& from)
{
    for (std::uint8_t b : from)
        to.push_back(b);
}

Bytes chunk(int number, int count, const std::string& data)
{
    Bytes b{'I', 'C', 'C', '_', 'P', 'R', 'O', 'F', 'I', 'L', 'E', 0};
    b.push_back(static_cast<std::uint8_t>(number));
    b.push_back(static_cast<std::uint8_t>(count));
    for (char c : data)
        b.push_back(static_cast<std::uint8_t>(c));
    return b;
}

Bytes segment(std::uint8_t marker, const Bytes& payload)
{
    Bytes b{0xFF, marker, static_cast<std::uint8_t>((payload.size() + 2) >> 8),
            static_cast<std::uint8_t>((payload.size() + 2) & 0xFF)};
    append(b, payload);
    return b;
}

Bytes jpegWith(const std::vector<Bytes>& segments)
{
    Bytes jpeg{0xFF, 0xD8};
    for (const Bytes& s : segments)
        append(jpeg, s);
    append(jpeg, segment(0xDA, {1, 1, 0, 0, 63, 0}));
    append(jpeg, {0x12, 0x34, 0xFF, 0xD9});
    return jpeg;
}

std::string text(const Bytes& b) { return {b.begin(), b.end()}; }

TEST(JpegIccProfile, ChunksJoinInTheOrderOfTheirNumbers)
{
    const Bytes jpeg = jpegWith({segment(0xE0, {'J', 'F', 'I', 'F', 0}), segment(0xE2, chunk(3, 3, "ghi")),
                                 segment(0xE1, {'E', 'x', 'i', 'f', 0, 0}), segment(0xE2, chunk(1, 3, "abc")),
                                 segment(0xE2, chunk(2, 3, "def"))});
    EXPECT_EQ(text(jpegIccProfile(jpeg)), "abcdefghi");
}

TEST(JpegIccProfile, SegmentsAfterTheFirstScanAndOtherApp2DataAreNotPartOfIt)
{
    Bytes jpeg = jpegWith({segment(0xE2, {'F', 'P', 'X', 'R', 0, 1, 2}), segment(0xE2, chunk(1, 1, "one"))});
    jpeg.resize(jpeg.size() - 2); // before the EOI
    append(jpeg, segment(0xE2, chunk(1, 1, "late")));
    append(jpeg, {0xFF, 0xD9});
    EXPECT_EQ(text(jpegIccProfile(jpeg)), "one");
}

struct BrokenCase {
    const char* name;
    std::vector<Bytes> chunks;
};

class BrokenChunks : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenChunks, GiveNoProfile)
{
    std::vector<Bytes> segments;
    for (const Bytes& c : GetParam().chunks)
        segments.push_back(segment(0xE2, c));
    EXPECT_TRUE(jpegIccProfile(jpegWith(segments)).empty());
    std::vector<ByteSpan> payloads(GetParam().chunks.begin(), GetParam().chunks.end());
    EXPECT_TRUE(assembleIccChunks(payloads).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Chunks, BrokenChunks,
    testing::Values(BrokenCase{"none", {}},
                    BrokenCase{"one_missing", {chunk(1, 3, "a"), chunk(3, 3, "c")}},
                    BrokenCase{"number_given_twice", {chunk(1, 2, "a"), chunk(1, 2, "b")}},
                    BrokenCase{"number_zero", {chunk(0, 1, "a")}},
                    BrokenCase{"number_above_count", {chunk(2, 1, "a")}},
                    BrokenCase{"counts_disagree", {chunk(1, 2, "a"), chunk(2, 3, "b")}},
                    BrokenCase{"more_chunks_than_counted", {chunk(1, 1, "a"), chunk(1, 1, "b")}},
                    BrokenCase{"header_cut_short", {Bytes{'I', 'C', 'C', '_', 'P', 'R', 'O', 'F', 'I', 'L', 'E', 0, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JpegIccProfile, ASegmentRunningPastTheEndEndsTheSearch)
{
    Bytes jpeg = jpegWith({segment(0xE2, chunk(1, 1, "whole"))});
    jpeg.resize(10); // cuts the segment in the middle
    EXPECT_TRUE(jpegIccProfile(jpeg).empty());
}

} // namespace
} // namespace pictra
