// Choosing the original: the eligible files, most alike first; those within
// the margin of the best go through the tie-breakers in turn, each keeping
// only the files that have it when some but not all do.
#include "core/recognise/relink_choice.h"

#include "core/recognise/picture_hash.h"

#include <algorithm>
#include <array>

namespace pictra {

RelinkChoice chooseOriginal(std::span<const CandidateScore> scores)
{
    std::vector<int> eligible;
    for (std::size_t i = 0; i < scores.size(); ++i)
        if (scores[i].hashDistance <= kHashNearDistance && scores[i].psnr >= kMinMatchPsnr)
            eligible.push_back(static_cast<int>(i));
    if (eligible.empty())
        return {};
    const auto score = [&](int i) -> const CandidateScore& { return scores[static_cast<std::size_t>(i)]; };
    std::stable_sort(eligible.begin(), eligible.end(), [&](int a, int b) { return score(a).psnr > score(b).psnr; });
    const double best = score(eligible.front()).psnr;
    std::vector<int> contenders;
    for (const int i : eligible)
        if (score(i).psnr > best - kClearPsnrMargin)
            contenders.push_back(i);

    using Trait = bool CandidateScore::*;
    constexpr std::array<Trait, 4> kTieBreakers{&CandidateScore::sameStoreSize, &CandidateScore::sameDate,
                                                &CandidateScore::sameAspect, &CandidateScore::sameName};
    for (const Trait trait : kTieBreakers) {
        if (contenders.size() == 1)
            break;
        std::vector<int> having;
        std::copy_if(contenders.begin(), contenders.end(), std::back_inserter(having),
                     [&](int i) { return score(i).*trait; });
        if (!having.empty())
            contenders = std::move(having);
    }
    return {contenders.size() == 1 ? RelinkVerdict::Found : RelinkVerdict::Tie, std::move(contenders)};
}

} // namespace pictra
