// pictra-cli relink: finds the moved originals of an album's missing
// entries with the same search as the "元画像を探す..." dialog, prints what it
// found and, with --apply, points the album at them.
#include "album_loading.h"
#include "cli_commands.h"
#include "cli_context.h"

#include "core/album/album_file.h"
#include "core/image/shared_image.h"
#include "core/recognise/hash_cache.h"
#include "core/recognise/relink_album.h"
#include "core/recognise/relink_folders.h"
#include "core/settings/last_used_folder.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace pictra::cli {
namespace {

struct RelinkArgs {
    std::vector<std::string> folders;
    bool apply = false;
    std::string album;
};

std::optional<RelinkArgs> parseRelinkArgs(const Args& args)
{
    RelinkArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--search" && i + 1 < args.size())
            parsed.folders.push_back(args[++i]);
        else if (args[i] == "--apply")
            parsed.apply = true;
        else if (parsed.album.empty() && !args[i].starts_with("--"))
            parsed.album = args[i];
        else
            return std::nullopt;
    }
    if (parsed.album.empty())
        return std::nullopt;
    return parsed;
}

std::string absolutePath(const std::string& path)
{
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

// The folders the dialog would propose, from the program folder's last-used list.
std::vector<std::string> defaultFolders(const CliContext& context, const std::string& albumPath)
{
    std::vector<std::string> recent;
    if (const auto used = loadLastUsedFolder(context.programFolder)) {
        recent.emplace_back(fieldText(used->albumFolder));
        recent.emplace_back(fieldText(used->imageFolder));
    }
    return proposedRelinkFolders(albumPath, recent, currentRelinkPlaces());
}

void printLine(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

std::string_view refusalText(RelinkRefusal refusal)
{
    switch (refusal) {
    case RelinkRefusal::PathTooLong: return "the new path is too long for an album entry";
    case RelinkRefusal::StoreNameTaken: return "another image of the album has a file of that name";
    case RelinkRefusal::NoSuchEntry:
    case RelinkRefusal::None: break;
    }
    return "no such entry";
}

void printProposal(const RelinkProposal& proposal)
{
    if (proposal.verdict == RelinkVerdict::Found) {
        printLine(proposal.oldPath + " → " + proposal.candidates.front().path);
    } else if (proposal.verdict == RelinkVerdict::Tie) {
        std::string line = "ambiguous: " + proposal.oldPath + " →";
        for (std::size_t i = 0; i < proposal.candidates.size(); ++i)
            line += (i ? " | " : " ") + proposal.candidates[i].path;
        printLine(line);
    } else {
        printLine("not found: " + proposal.oldPath);
    }
}

// Writes the album with the found entries repointed; false (reason printed) on failure.
bool applyChanges(const std::string& albumPath, LoadedAlbum& album, std::span<const RelinkChange> changes,
                  int& refused)
{
    std::vector<ImageEntry> entries = album.contents.entries;
    const std::vector<RelinkRefusal> refusals = applyRelinks(entries, changes);
    for (std::size_t i = 0; i < changes.size(); ++i)
        if (refusals[i] != RelinkRefusal::None) {
            printError("not changed: " + changes[i].from + ": " + std::string(refusalText(refusals[i])));
            ++refused;
        }
    if (refused == static_cast<int>(changes.size()))
        return true;
    const Status written = writeFileAtomic(albumPath, albumFileBytes(entries, album.contents.storeCopies));
    if (written != Status::Ok) {
        printError("cannot write " + albumPath + ": " + std::string(statusText(written)));
        return false;
    }
    return true;
}

} // namespace

int runRelink(const Args& args)
{
    const auto parsed = parseRelinkArgs(args);
    if (!parsed) {
        printUsageError("relink");
        return kExitUsage;
    }
    const auto context = openContext();
    if (!context)
        return kExitFailed;
    const std::string albumPath = absolutePath(parsed->album);
    auto album = loadAlbum(albumPath);
    if (!album)
        return kExitFailed;
    const std::size_t cap = imageBufferBytes(context->settings);
    const auto& contents = (*album)->contents;
    const MissingEntries missing = findMissingEntries(
        contents.entries,
        [&](int i) {
            const ByteSpan copy = contents.storeCopies[static_cast<std::size_t>(i)];
            return std::vector<std::uint8_t>(copy.begin(), copy.end());
        },
        cap);
    const std::vector<std::string> paths = entryPaths(contents.entries);
    for (const int i : missing.withoutStoreCopy)
        printLine("not found: " + paths[static_cast<std::size_t>(i)] + " (the album holds no readable copy of it)");

    RelinkSearch search{{}, paths, cap};
    for (const std::string& folder : parsed->folders)
        search.folders.push_back(absolutePath(folder));
    if (parsed->folders.empty())
        search.folders = defaultFolders(*context, albumPath);
    const std::string cachePath = hashCachePath();
    HashCache cache = loadHashCache(cachePath);
    const RelinkOutcome outcome = findMovedOriginals(missing.described, search, cache);
    if (cache.changed() && saveHashCache(cachePath, cache) != Status::Ok)
        printError("warning: cannot write the hash cache " + cachePath);

    for (const RelinkProposal& proposal : outcome.proposals)
        printProposal(proposal);
    const std::vector<RelinkChange> changes = foundChanges(outcome.proposals);
    int refused = 0;
    if (parsed->apply && !changes.empty() && !applyChanges(albumPath, **album, changes, refused))
        return kExitFailed;
    const bool allFound = missing.withoutStoreCopy.empty() && refused == 0 &&
                          changes.size() == outcome.proposals.size();
    return allFound ? kExitOk : kExitPartly;
}

} // namespace pictra::cli
