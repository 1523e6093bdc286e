// Contents of offered files and of store copies.
#include "core/recognise/content_reading.h"

#include "core/recognise/candidate_picture.h"
#include "core/util/parallel_jobs.h"

#include <sys/stat.h>

namespace pictra {

MaybeContent fileContent(const std::string& path, std::size_t capBytes)
{
    const auto candidate = loadCandidate(path, kLookWidth, kLookHeight, capBytes);
    if (!candidate)
        return std::nullopt;
    return pictureContent(candidate->picture->record());
}

std::vector<MaybeContent> fileContents(std::span<const std::string> paths, std::size_t capBytes)
{
    std::vector<MaybeContent> contents(paths.size());
    // Each job writes only its own slot.
    runParallelJobs(paths.size(), [&](std::size_t i) { contents[i] = fileContent(paths[i], capBytes); });
    return contents;
}

std::optional<FileStamp> fileStampOf(const std::string& path)
{
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileStamp{static_cast<std::uint64_t>(info.st_size),
                     static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

std::vector<MaybeContent> StoreCopyContents::contentsOf(std::span<const std::string> copies, std::size_t capBytes)
{
    std::vector<MaybeContent> contents(copies.size());
    std::vector<std::optional<FileStamp>> stamps(copies.size());
    std::vector<std::size_t> unknown;
    for (std::size_t i = 0; i < copies.size(); ++i) {
        stamps[i] = fileStampOf(copies[i]);
        if (!stamps[i])
            continue;
        const auto kept = m_kept.find(copies[i]);
        if (kept != m_kept.end() && kept->second.stamp == *stamps[i])
            contents[i] = kept->second.content;
        else
            unknown.push_back(i);
    }
    runParallelJobs(unknown.size(),
                    [&](std::size_t job) { contents[unknown[job]] = fileContent(copies[unknown[job]], capBytes); });
    if (m_kept.size() + unknown.size() > kMaxKept)
        m_kept.clear();
    for (const std::size_t i : unknown)
        m_kept[copies[i]] = {*stamps[i], contents[i]};
    m_lastRead = unknown.size();
    return contents;
}

} // namespace pictra
