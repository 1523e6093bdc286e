// The choice of a missing original among the files that look like it: a
// file is taken only when it is near by hash, alike by PSNR, and clearly
// more alike than every other. Near equals are told apart by what the
// album still knows of the original (the size its store copy was made at,
// the date, the aspect, the name); what still ties is left to the user.
#pragma once

#include <span>
#include <vector>

namespace pictra {

// Below this PSNR (dB, at 160 × 120 against the store copy) a file is not
// the picture, however close its hash.
inline constexpr double kMinMatchPsnr = 30.0;
// A file wins on PSNR alone only this far (dB) ahead of the next.
inline constexpr double kClearPsnrMargin = 1.5;

// One candidate file, measured against a missing entry's store copy.
struct CandidateScore {
    int hashDistance = 64;
    double psnr = 0;            // dB
    bool sameStoreSize = false; // its full size reduces to the store copy's size
    bool sameDate = false;      // its Exif date is the entry's date
    bool sameAspect = false;    // its sides have the store copy's proportions
    bool sameName = false;      // its file name is the entry's
};

enum class RelinkVerdict { Found, Tie, NotFound };

struct RelinkChoice {
    RelinkVerdict verdict = RelinkVerdict::NotFound;
    // Indices into the scores: the file taken (Found), or the equally
    // likely ones for the user to choose from, most alike first (Tie).
    std::vector<int> candidates;
    friend bool operator==(const RelinkChoice&, const RelinkChoice&) = default;
};

RelinkChoice chooseOriginal(std::span<const CandidateScore> scores);

} // namespace pictra
