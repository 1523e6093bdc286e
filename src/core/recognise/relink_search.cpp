// The relink search in four steps: list the files, hash what the cache does
// not know (in parallel), compare each entry's near files by PSNR (in
// parallel, one decode per file for all the entries it is near), choose.
#include "core/recognise/relink_search.h"

#include "core/recognise/candidate_picture.h"
#include "core/recognise/picture_hash.h"
#include "core/recognise/picture_likeness.h"
#include "core/recognise/relink_files.h"
#include "core/util/parallel_jobs.h"
#include "core/util/paths.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>

namespace pictra {
namespace {

struct Pair {
    std::size_t missing = 0;
    std::size_t file = 0;
    double psnr = 0;
};

bool sameAspect(const PictureSignature& file, const PictureSize& store)
{
    const double a = static_cast<double>(file.width) * store.height;
    const double b = static_cast<double>(store.width) * file.height;
    return a > 0 && b > 0 && std::abs(a - b) <= 0.01 * std::max(a, b);
}

std::function<bool(std::size_t)> phaseProgress(const RelinkProgress& progress, RelinkPhase phase, std::size_t total)
{
    if (!progress)
        return {};
    return [&progress, phase, total](std::size_t done) { return progress(phase, done, total); };
}

// Hashes for every file: the cache's, or fresh decodes stored into it.
// nullopt for a file that cannot be read. False when cancelled.
bool signFiles(const std::vector<FoundFile>& files, const RelinkSearch& search, HashCache& cache,
               const RelinkProgress& progress, std::vector<std::optional<PictureSignature>>& signatures,
               std::size_t& hashed)
{
    signatures.assign(files.size(), std::nullopt);
    std::vector<std::size_t> unknown;
    for (std::size_t i = 0; i < files.size(); ++i) {
        signatures[i] = cache.find(files[i].path, files[i].stamp);
        if (!signatures[i])
            unknown.push_back(i);
    }
    std::vector<char> read(unknown.size(), 0);
    const bool complete = runParallelJobs(
        unknown.size(),
        [&](std::size_t job) {
            const std::size_t i = unknown[job];
            // Each job writes only its own slots.
            if (auto candidate = loadCandidate(files[i].path, kHashGridSide, kHashGridSide, search.capBytes)) {
                signatures[i] = signatureOf(*candidate);
                read[job] = 1;
            }
        },
        phaseProgress(progress, RelinkPhase::Hashing, unknown.size()));
    for (std::size_t job = 0; job < unknown.size(); ++job)
        if (read[job])
            cache.store(files[unknown[job]].path, files[unknown[job]].stamp, *signatures[unknown[job]]);
    hashed = static_cast<std::size_t>(std::count(read.begin(), read.end(), 1));
    return complete;
}

// PSNR of every (entry, near file) pair; each file decoded once. False when cancelled.
bool comparePairs(const std::vector<MissingOriginal>& missing, const std::vector<FoundFile>& files,
                  const RelinkSearch& search, const RelinkProgress& progress, std::vector<Pair>& pairs,
                  const std::vector<std::optional<PictureSignature>>& signatures)
{
    std::map<std::size_t, std::vector<std::size_t>> nearByFile;
    for (std::size_t f = 0; f < files.size(); ++f) {
        if (!signatures[f])
            continue;
        for (std::size_t m = 0; m < missing.size(); ++m)
            if (hashDistance(signatures[f]->hash, missing[m].hash) <= kHashNearDistance)
                nearByFile[f].push_back(m);
    }
    std::vector<std::pair<std::size_t, std::vector<std::size_t>>> jobs(nearByFile.begin(), nearByFile.end());
    std::vector<std::vector<Pair>> found(jobs.size());
    const bool complete = runParallelJobs(
        jobs.size(),
        [&](std::size_t job) {
            const std::size_t f = jobs[job].first;
            const auto candidate = loadCandidate(files[f].path, kLikenessWidth, kLikenessHeight, search.capBytes);
            if (!candidate)
                return;
            const auto grid = likenessGrid(candidate->picture->record());
            if (!grid)
                return;
            for (const std::size_t m : jobs[job].second)
                if (const auto psnr = gridPsnr(missing[m].likeness, *grid))
                    found[job].push_back({m, f, *psnr});
        },
        phaseProgress(progress, RelinkPhase::Comparing, jobs.size()));
    for (auto& list : found)
        pairs.insert(pairs.end(), list.begin(), list.end());
    return complete;
}

RelinkProposal propose(const MissingOriginal& entry, std::size_t m, const std::vector<Pair>& pairs,
                       const std::vector<FoundFile>& files,
                       const std::vector<std::optional<PictureSignature>>& signatures)
{
    std::vector<CandidateScore> scores;
    std::vector<RelinkCandidate> candidates;
    for (const Pair& pair : pairs) {
        if (pair.missing != m)
            continue;
        const PictureSignature& file = *signatures[pair.file];
        const int distance = hashDistance(file.hash, entry.hash);
        CandidateScore score{distance, pair.psnr};
        score.sameStoreSize = storeSize(file.width, file.height) == entry.storeSize;
        score.sameDate = entry.date != 0 && file.date == entry.date;
        score.sameAspect = sameAspect(file, entry.storeSize);
        score.sameName = fileNamePart(files[pair.file].path) == fileNamePart(entry.path);
        scores.push_back(score);
        candidates.push_back({files[pair.file].path, distance, pair.psnr});
    }
    const RelinkChoice choice = chooseOriginal(scores);
    RelinkProposal proposal{entry.entryIndex, entry.path, choice.verdict, {}};
    for (const int i : choice.candidates)
        proposal.candidates.push_back(candidates[static_cast<std::size_t>(i)]);
    return proposal;
}

// A file found for two entries is offered to each as a choice.
void unshareFiles(std::vector<RelinkProposal>& proposals)
{
    std::map<std::string, int> takers;
    for (const RelinkProposal& p : proposals)
        if (p.verdict == RelinkVerdict::Found)
            ++takers[p.candidates.front().path];
    for (RelinkProposal& p : proposals)
        if (p.verdict == RelinkVerdict::Found && takers[p.candidates.front().path] > 1)
            p.verdict = RelinkVerdict::Tie;
}

} // namespace

std::int32_t entryDateNumber(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        return 0;
    return year * 10000 + month * 100 + day;
}

Result<MissingOriginal> describeMissingOriginal(int entryIndex, std::string path, ByteSpan storeCopy,
                                                std::int32_t date, std::size_t capBytes)
{
    if (storeCopy.empty())
        return Status::InvalidArgument;
    const auto copy = decodeCandidateJpeg(storeCopy, kLikenessWidth, kLikenessHeight, capBytes);
    if (!copy)
        return copy.status();
    auto grid = likenessGrid(copy->picture->record());
    if (!grid)
        return grid.status();
    return MissingOriginal{entryIndex, std::move(path), perceptualHash(copy->picture->record()), std::move(*grid),
                           PictureSize{copy->fullWidth, copy->fullHeight}, date};
}

RelinkOutcome findMovedOriginals(const std::vector<MissingOriginal>& missing, const RelinkSearch& search,
                                 HashCache& cache, const RelinkProgress& progress)
{
    RelinkOutcome outcome;
    std::vector<FoundFile> files = listPictureFiles(search.folders);
    const std::set<std::string> listed(search.albumPaths.begin(), search.albumPaths.end());
    std::erase_if(files, [&](const FoundFile& f) { return listed.count(f.path) != 0; });
    outcome.filesSeen = files.size();

    std::vector<std::optional<PictureSignature>> signatures;
    if (!signFiles(files, search, cache, progress, signatures, outcome.filesHashed)) {
        outcome.cancelled = true;
        return outcome;
    }
    std::vector<Pair> pairs;
    if (!comparePairs(missing, files, search, progress, pairs, signatures)) {
        outcome.cancelled = true;
        return outcome;
    }
    for (std::size_t m = 0; m < missing.size(); ++m)
        outcome.proposals.push_back(propose(missing[m], m, pairs, files, signatures));
    unshareFiles(outcome.proposals);
    return outcome;
}

} // namespace pictra
