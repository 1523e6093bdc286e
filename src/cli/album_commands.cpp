// pictra-cli info and extract: reading an album file without opening it in
// the program (no store folder is touched).
#include "album_loading.h"
#include "cli_commands.h"
#include "cli_context.h"

#include "core/album/album_file.h"
#include "core/util/cp932.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

#include <cstdio>
#include <memory>
#include <set>
#include <string>

namespace pictra::cli {
namespace {

template <std::size_t N>
std::string text(const std::array<char, N>& field)
{
    return cp932ToUtf8(fieldText(field)).text;
}

std::string json(std::string_view s)
{
    std::string out = "\"";
    for (const char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

void printJson(const std::string& albumPath, const AlbumFileContents& album)
{
    std::printf("{\"album\": %s, \"count\": %zu, \"images\": [", json(albumPath).c_str(), album.entries.size());
    for (std::size_t i = 0; i < album.entries.size(); ++i) {
        const ImageEntry& e = album.entries[i];
        std::printf("%s\n  {\"path\": %s, \"year\": %d, \"month\": %d, \"day\": %d, \"author\": %s, \"place\": %s, "
                    "\"summary\": %s, \"memo\": %s, \"storeCopyBytes\": %zu}",
                    i ? "," : "", json(storedPathToUtf8(fieldText(e.path))).c_str(), e.year, e.month, e.day,
                    json(text(e.author)).c_str(), json(text(e.place)).c_str(), json(text(e.summary)).c_str(),
                    json(text(e.memo)).c_str(), album.storeCopies[i].size());
    }
    std::printf("%s]}\n", album.entries.empty() ? "" : "\n");
}

// Memo lines (ended "\r\n" or "\n") joined with `separator`.
std::string indentLines(std::string_view text, std::string_view separator)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        if (text[i] == '\n')
            out += separator;
        else
            out += text[i];
    }
    return out;
}

void printText(const std::string& albumPath, const AlbumFileContents& album)
{
    std::printf("album: %s\nimages: %zu\n", albumPath.c_str(), album.entries.size());
    for (std::size_t i = 0; i < album.entries.size(); ++i) {
        const ImageEntry& e = album.entries[i];
        const std::string memo = indentLines(text(e.memo), "\n             ");
        std::printf("[%zu] %s\n    date:    %d/%d/%d\n    author:  %s\n    place:   %s\n    summary: %s\n"
                    "    memo:    %s\n    store copy: %zu bytes\n",
                    i + 1, storedPathToUtf8(fieldText(e.path)).c_str(), e.year, e.month, e.day, text(e.author).c_str(),
                    text(e.place).c_str(), text(e.summary).c_str(), memo.c_str(), album.storeCopies[i].size());
    }
}

// DIR/<base name>.jpg, with "-2", "-3" ... added when an earlier entry took the name.
std::string extractName(const std::string& dir, const ImageEntry& entry, std::set<std::string>& used)
{
    std::string base = BaseName(storedPathToUtf8(fieldText(entry.path)));
    if (base.empty())
        base = "image";
    std::string name = base + ".jpg";
    for (int n = 2; used.count(name); ++n)
        name = base + "-" + std::to_string(n) + ".jpg";
    used.insert(name);
    return joinPath(dir, name);
}

} // namespace

int runInfo(const Args& args)
{
    bool asJson = false;
    std::vector<std::string> paths;
    for (const std::string& a : args) {
        if (a == "--json")
            asJson = true;
        else
            paths.push_back(a);
    }
    if (paths.size() != 1) {
        printUsageError("info");
        return kExitUsage;
    }
    auto album = loadAlbum(paths[0]);
    if (!album)
        return kExitFailed;
    asJson ? printJson(paths[0], (*album)->contents) : printText(paths[0], (*album)->contents);
    return kExitOk;
}

int runExtract(const Args& args)
{
    if (args.size() != 2) {
        printUsageError("extract");
        return kExitUsage;
    }
    auto album = loadAlbum(args[0]);
    if (!album)
        return kExitFailed;
    if (!makeFolders(args[1])) {
        printError("cannot create the folder " + args[1]);
        return kExitFailed;
    }
    const AlbumFileContents& contents = (*album)->contents;
    std::set<std::string> used;
    int failures = 0;
    for (std::size_t i = 0; i < contents.entries.size(); ++i) {
        const std::string target = extractName(args[1], contents.entries[i], used);
        if (contents.storeCopies[i].empty()) {
            printError("image " + std::to_string(i + 1) + " has no stored copy; skipped");
            ++failures;
            continue;
        }
        if (const Status status = writeFile(target, contents.storeCopies[i]); status != Status::Ok) {
            printError("cannot write " + target + ": " + std::string(statusText(status)));
            ++failures;
            continue;
        }
        std::printf("%s\n", target.c_str());
    }
    return failures ? kExitPartly : kExitOk;
}

} // namespace pictra::cli
