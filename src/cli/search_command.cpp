// pictra-cli search: the search dialog's two searches from the command line.
#include "cli_commands.h"
#include "cli_context.h"

#include "core/search/album_search.h"
#include "core/search/disk_search.h"
#include "core/search/search_match.h"
#include "core/search/search_words.h"
#include "core/util/file_io.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace pictra::cli {
namespace {

void printPath(const std::string& path)
{
    std::fwrite(path.data(), 1, path.size(), stdout);
    std::fputc('\n', stdout);
}

void noteLeftOutWords(const SearchWords& words)
{
    if (words.ignored > 0)
        printError("only the first " + std::to_string(kMaxSearchWords) + " words are searched");
    if (words.shortened > 0)
        printError("words are cut to " + std::to_string(kMaxSearchWordBytes) + " bytes");
}

} // namespace

int runSearch(const Args& args)
{
    std::string pattern(kAnyImagePattern);
    std::string wordsText;
    std::string place;
    DiskWords rule = DiskWords::AlbumPatternOnly;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--pattern" || args[i] == "--words") && i + 1 < args.size()) {
            (args[i] == "--pattern" ? pattern : wordsText) = args[i + 1];
            ++i;
        } else if (args[i] == "--words-any-pattern") {
            rule = DiskWords::EveryPattern;
        } else if (place.empty() && !args[i].starts_with("--")) {
            place = args[i];
        } else {
            printUsageError("search");
            return kExitUsage;
        }
    }
    if (place.empty()) {
        printUsageError("search");
        return kExitUsage;
    }
    std::error_code error;
    const std::string absolute = std::filesystem::absolute(place, error).lexically_normal().string();
    if (error) {
        printError("cannot resolve " + place);
        return kExitFailed;
    }
    const SearchWords words = parseSearchWords(wordsText);
    noteLeftOutWords(words);
    if (folderExists(absolute)) {
        if (!words.words.empty() && !diskSearchTakesWords(pattern, rule))
            printError("the words are used only with --pattern '*.abm' (as in the search dialog); "
                       "--words-any-pattern uses them with every pattern");
        DiskSearchCallbacks callbacks;
        callbacks.found = [](std::span<const std::string> paths) {
            for (const std::string& path : paths)
                printPath(path);
        };
        const DiskSearchSummary summary = searchDisk(absolute, pattern, words, rule, callbacks);
        if (summary.damagedAlbums > 0)
            printError(std::to_string(summary.damagedAlbums) + " album files could not be read and were skipped");
        return kExitOk;
    }
    const auto found = searchAlbumFile(absolute, pattern, words);
    if (!found) {
        printError(place + " is neither a folder nor a readable album: " + std::string(statusText(found.status())));
        return kExitFailed;
    }
    for (const std::string& path : *found)
        printPath(path);
    return kExitOk;
}

} // namespace pictra::cli
