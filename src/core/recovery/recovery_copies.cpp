// Writing, listing, checking and removing recovery copies.
#include "core/recovery/recovery_copies.h"

#include "core/album/album_file.h"
#include "core/album/album_write.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace pictra {
namespace {

constexpr std::string_view kNoteHeader = "Pictra recovery 1";
constexpr std::string_view kNoteEnding = ".rcv";
constexpr std::string_view kCopyEnding = ".abm";
constexpr std::size_t kMaxNoteBytes = 64 * 1024;

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

std::uint64_t fnv1a(std::uint64_t hash, const unsigned char* data, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= data[i];
        hash *= kFnvPrime;
    }
    return hash;
}

std::string hex16(std::uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// The file names of one album's copies begin with this.
std::string keyOf(const std::string& albumPath)
{
    return hex16(fnv1a(kFnvOffset, reinterpret_cast<const unsigned char*>(albumPath.data()), albumPath.size()));
}

// Paths may hold any byte but '\0'; the note keeps one value per line.
std::string escaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        if (text[i] == '\\')
            out += '\\';
        else if (text[i] == 'n')
            out += '\n';
        else
            return std::nullopt;
    }
    return out;
}

template <typename T>
bool parseNumber(std::string_view text, T& value, int base = 10)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

bool plainCopyName(std::string_view name)
{
    return name.size() > kCopyEnding.size() && name.find('/') == std::string_view::npos && name.front() != '.' &&
           endsWithIgnoreCase(name, kCopyEnding);
}

void removeQuietly(const std::string& path)
{
    std::error_code ec;
    fs::remove(path, ec);
}

// Whole-copy check against its note; Ok when it can be restored.
Status checkCopy(const std::string& copyPath, const RecoveryNote& note)
{
    const auto bytes = readFile(copyPath, kMaxAlbumFileBytes);
    if (!bytes)
        return bytes.status();
    if (bytes->size() < note.bytes)
        return Status::Truncated;
    if (bytes->size() > note.bytes)
        return Status::Corrupt;
    if (fnv1a(kFnvOffset, bytes->data(), bytes->size()) != note.hash)
        return Status::Corrupt;
    const auto parsed = parseAlbumFile(*bytes);
    return parsed ? Status::Ok : parsed.status();
}

std::vector<fs::path> filesIn(const std::string& folder)
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(folder, ec)) {
        if (item.is_regular_file(ec) && !item.is_symlink(ec))
            files.push_back(item.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::optional<RecoveryNote> readNote(const fs::path& path)
{
    const auto bytes = readFile(path.string(), kMaxNoteBytes);
    if (!bytes)
        return std::nullopt;
    auto note = parseRecoveryNote(std::string(bytes->begin(), bytes->end()));
    return note ? std::optional<RecoveryNote>(std::move(*note)) : std::nullopt;
}

// A copy of the album whose key is `key`, for a note that cannot say which.
std::string copyOfKey(const std::string& folder, const std::string& key)
{
    for (const fs::path& file : filesIn(folder)) {
        const std::string name = file.filename().string();
        if (name.rfind(key + "-", 0) == 0 && plainCopyName(name))
            return file.string();
    }
    return {};
}

bool anotherProgramRuns(const std::string& programFolder, const ProcessIdentity& self)
{
    const auto markers = readRunMarkers(programFolder);
    return std::any_of(markers.begin(), markers.end(),
                       [&](const ProcessIdentity& m) { return !(m == self) && processRunning(m); });
}

} // namespace

std::string recoveryNoteText(const RecoveryNote& note)
{
    std::ostringstream out;
    out << kNoteHeader << '\n'
        << "album=" << escaped(note.albumPath) << '\n'
        << "copy=" << escaped(note.copyName) << '\n'
        << "bytes=" << note.bytes << '\n'
        << "hash=" << hex16(note.hash) << '\n'
        << "time=" << note.savedAt << '\n'
        << "owner=" << note.owner.pid << ' ' << note.owner.startTicks << '\n';
    return out.str();
}

Result<RecoveryNote> parseRecoveryNote(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kNoteHeader)
        return Status::Corrupt;
    RecoveryNote note;
    // Each of the six fields once: a repeated one must not stand in for a missing one.
    unsigned seen = 0;
    unsigned field = 0;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos)
            return Status::Corrupt;
        const std::string_view key = std::string_view(line).substr(0, eq);
        const std::string_view value = std::string_view(line).substr(eq + 1);
        bool ok = true;
        if (key == "album" || key == "copy") {
            field = key == "album" ? 1u : 2u;
            const auto v = unescaped(value);
            ok = v && !v->empty();
            if (ok)
                (key == "album" ? note.albumPath : note.copyName) = *v;
        } else if (key == "bytes") {
            field = 4u;
            ok = parseNumber(value, note.bytes);
        } else if (key == "hash") {
            field = 8u;
            ok = value.size() == 16 && parseNumber(value, note.hash, 16);
        } else if (key == "time") {
            field = 16u;
            ok = parseNumber(value, note.savedAt);
        } else if (key == "owner") {
            field = 32u;
            const auto space = value.find(' ');
            ok = space != std::string_view::npos && parseNumber(value.substr(0, space), note.owner.pid) &&
                 parseNumber(value.substr(space + 1), note.owner.startTicks);
        } else {
            continue; // a later version's addition
        }
        if (!ok || (seen & field) != 0)
            return Status::Corrupt;
        seen |= field;
    }
    if (seen != 63u || !plainCopyName(note.copyName))
        return Status::Corrupt;
    return note;
}

std::string recoveryPathFor(const std::string& programFolder, const std::string& albumPath)
{
    return joinPath(recoveryFolder(programFolder), keyOf(albumPath) + std::string(kNoteEnding));
}

Result<std::uint64_t> hashFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return errno == ENOENT ? Status::NotFound : Status::IoError;
    std::vector<unsigned char> buffer(1 << 20);
    std::uint64_t hash = kFnvOffset;
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0)
        hash = fnv1a(hash, buffer.data(), got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return Status::IoError;
    return hash;
}

RecoverySnapshot takeRecoverySnapshot(const AlbumRecord& album, std::int64_t savedAt, const ProcessIdentity& owner)
{
    RecoverySnapshot s;
    s.album = std::make_unique<AlbumRecord>(album);
    s.albumPath = std::string(fieldText(album.path));
    s.serial = album.changeSerial;
    s.savedAt = savedAt;
    s.owner = owner;
    return s;
}

Status writeRecoveryCopy(const RecoverySnapshot& snapshot, const std::string& programFolder)
{
    if (!snapshot.album || snapshot.albumPath.empty())
        return Status::InvalidArgument;
    const std::string folder = recoveryFolder(programFolder);
    if (!makeFolders(folder))
        return Status::NoPermission;
    const std::string key = keyOf(snapshot.albumPath);
    RecoveryNote note;
    note.albumPath = snapshot.albumPath;
    note.copyName = key + "-" + std::to_string(snapshot.serial) + "-" + std::to_string(snapshot.owner.pid) +
                    std::string(kCopyEnding);
    note.savedAt = snapshot.savedAt;
    note.owner = snapshot.owner;
    const std::string copyPath = joinPath(folder, note.copyName);
    const auto written = writeAlbumCopy(*snapshot.album, programFolder, copyPath, snapshot.albumPath);
    if (!written)
        return written.status();
    std::error_code ec;
    note.bytes = fs::file_size(copyPath, ec);
    const auto hash = hashFile(copyPath);
    if (ec || !hash) {
        removeQuietly(copyPath);
        return Status::IoError;
    }
    note.hash = *hash;
    const std::string text = recoveryNoteText(note);
    if (const Status s = writeFileAtomic(recoveryPathFor(programFolder, snapshot.albumPath),
                                         {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
        s != Status::Ok) {
        removeQuietly(copyPath);
        return s;
    }
    for (const fs::path& file : filesIn(folder)) {
        const std::string name = file.filename().string();
        if (name != note.copyName && name.rfind(key + "-", 0) == 0 && endsWithIgnoreCase(name, kCopyEnding))
            removeQuietly(file.string());
    }
    return Status::Ok;
}

void removeRecoveryCopy(const std::string& programFolder, const std::string& albumPath)
{
    const std::string key = keyOf(albumPath);
    removeQuietly(recoveryPathFor(programFolder, albumPath));
    for (const fs::path& file : filesIn(recoveryFolder(programFolder))) {
        const std::string name = file.filename().string();
        if (name.rfind(key + "-", 0) == 0 && endsWithIgnoreCase(name, kCopyEnding))
            removeQuietly(file.string());
    }
}

RecoveryFolderScan scanRecoveryFolder(const std::string& programFolder, const ProcessIdentity& self)
{
    RecoveryFolderScan scan;
    std::vector<ProcessIdentity> running;
    for (const ProcessIdentity& m : readRunMarkers(programFolder)) {
        if (m == self)
            continue;
        if (processRunning(m))
            running.push_back(m);
        else
            scan.abnormalEnd = true;
    }
    const std::string folder = recoveryFolder(programFolder);
    for (const fs::path& file : filesIn(folder)) {
        const std::string name = file.filename().string();
        if (!endsWithIgnoreCase(name, kNoteEnding) || name.front() == '.')
            continue;
        const auto note = readNote(file);
        if (!note) {
            scan.damaged.push_back({{}, file.string(), copyOfKey(folder, file.stem().string()), Status::Corrupt});
            continue;
        }
        if (note->owner == self || std::find(running.begin(), running.end(), note->owner) != running.end())
            continue; // kept up to date by a program that runs
        const std::string copyPath = joinPath(folder, note->copyName);
        if (const Status s = checkCopy(copyPath, *note); s != Status::Ok)
            scan.damaged.push_back({note->albumPath, file.string(), copyPath, s});
        else
            scan.recoverable.push_back({*note, file.string(), copyPath});
    }
    std::stable_sort(scan.recoverable.begin(), scan.recoverable.end(),
                     [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.note.savedAt < b.note.savedAt; });
    return scan;
}

Status moveDamagedAside(const DamagedRecovery& damaged)
{
    Status result = Status::Ok;
    for (const std::string& path : {damaged.notePath, damaged.copyPath}) {
        if (path.empty() || !fileExists(path))
            continue;
        const std::string aside = path + std::string(kDamagedSuffix);
        if (std::rename(path.c_str(), aside.c_str()) != 0)
            result = Status::IoError;
    }
    return result;
}

void discardRecoveryCopy(const RecoveryCopy& copy)
{
    removeQuietly(copy.notePath);
    removeQuietly(copy.copyPath);
}

Status claimRecoveryCopy(const RecoveryCopy& copy, const ProcessIdentity& owner)
{
    RecoveryNote note = copy.note;
    note.owner = owner;
    const std::string text = recoveryNoteText(note);
    return writeFileAtomic(copy.notePath, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

void tidyRecoveryFolder(const std::string& programFolder, const ProcessIdentity& self)
{
    if (anotherProgramRuns(programFolder, self))
        return;
    for (const ProcessIdentity& m : readRunMarkers(programFolder)) {
        if (!(m == self))
            removeRunMarker(programFolder, m);
    }
    const std::vector<fs::path> files = filesIn(recoveryFolder(programFolder));
    std::set<std::string> named;
    for (const fs::path& file : files) {
        if (endsWithIgnoreCase(file.filename().string(), kNoteEnding)) {
            if (const auto note = readNote(file))
                named.insert(note->copyName);
        }
    }
    for (const fs::path& file : files) {
        const std::string name = file.filename().string();
        const bool halfWritten = name.front() == '.';
        const bool unnamedCopy = plainCopyName(name) && !named.count(name);
        if (halfWritten || unnamedCopy)
            removeQuietly(file.string());
    }
}

} // namespace pictra
