// Reading and writing the signature cache.
#include "core/recognise/hash_cache.h"

#include "core/util/byte_writer.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace pictra {
namespace {

constexpr std::string_view kMagic = "PictraHC";
constexpr std::uint32_t kVersion = 1;
// Path length field and nine u32 fields.
constexpr std::size_t kMinRecordBytes = 2 + 9 * 4;

std::uint64_t readU64(ByteReader& in)
{
    const std::uint64_t low = in.u32();
    return low | (std::uint64_t{in.u32()} << 32);
}

void writeU64(ByteWriter& out, std::uint64_t value)
{
    out.u32(static_cast<std::uint32_t>(value));
    out.u32(static_cast<std::uint32_t>(value >> 32));
}

} // namespace

std::optional<PictureSignature> HashCache::find(const std::string& path, const FileStamp& stamp) const
{
    const auto it = m_entries.find(path);
    if (it == m_entries.end() || it->second.stamp != stamp)
        return std::nullopt;
    it->second.used = true;
    return it->second.signature;
}

void HashCache::store(const std::string& path, const FileStamp& stamp, const PictureSignature& signature)
{
    if (path.empty() || path.size() > kMaxCachedPathBytes)
        return;
    Entry& entry = m_entries[path];
    if (entry.used && entry.stamp == stamp && entry.signature == signature)
        return;
    entry = {stamp, signature, true};
    m_changed = true;
    if (m_entries.size() > kMaxCachedHashes)
        makeRoom();
}

void HashCache::makeRoom()
{
    for (auto it = m_entries.begin(); it != m_entries.end() && m_entries.size() > kMaxCachedHashes;)
        it = it->second.used ? std::next(it) : m_entries.erase(it);
    while (m_entries.size() > kMaxCachedHashes)
        m_entries.erase(m_entries.begin());
}

std::vector<std::uint8_t> HashCache::serialize() const
{
    std::vector<const std::pair<const std::string, Entry>*> sorted;
    sorted.reserve(m_entries.size());
    for (const auto& item : m_entries)
        sorted.push_back(&item);
    std::sort(sorted.begin(), sorted.end(), [](const auto* a, const auto* b) { return a->first < b->first; });
    ByteWriter out(16 + sorted.size() * 64);
    out.bytes(std::span(reinterpret_cast<const std::uint8_t*>(kMagic.data()), kMagic.size()));
    out.u32(kVersion);
    out.u32(static_cast<std::uint32_t>(sorted.size()));
    for (const auto* item : sorted) {
        const Entry& e = item->second;
        out.u16(static_cast<std::uint16_t>(item->first.size()));
        out.bytes(std::span(reinterpret_cast<const std::uint8_t*>(item->first.data()), item->first.size()));
        writeU64(out, e.stamp.size);
        writeU64(out, static_cast<std::uint64_t>(e.stamp.mtimeNs));
        writeU64(out, e.signature.hash);
        out.u32(static_cast<std::uint32_t>(e.signature.width));
        out.u32(static_cast<std::uint32_t>(e.signature.height));
        out.i32(e.signature.date);
    }
    return out.take();
}

Result<HashCache> HashCache::parse(ByteSpan data)
{
    ByteReader in(data);
    const ByteSpan magic = in.view(kMagic.size());
    if (in.truncated())
        return Status::Truncated;
    if (!std::equal(magic.begin(), magic.end(), kMagic.begin(), kMagic.end(),
                    [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }) ||
        in.u32() != kVersion)
        return Status::Corrupt;
    const std::uint32_t count = in.u32();
    if (in.truncated())
        return Status::Truncated;
    if (count > kMaxCachedHashes)
        return Status::Corrupt;
    if (in.remaining() / kMinRecordBytes < count)
        return Status::Truncated;
    HashCache cache;
    cache.m_entries.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint16_t length = in.u16();
        if (length == 0 || length > kMaxCachedPathBytes)
            return Status::Corrupt;
        const ByteSpan path = in.view(length);
        Entry entry;
        entry.stamp.size = readU64(in);
        entry.stamp.mtimeNs = static_cast<std::int64_t>(readU64(in));
        entry.signature.hash = readU64(in);
        const std::uint32_t width = in.u32();
        const std::uint32_t height = in.u32();
        entry.signature.date = in.i32();
        if (in.truncated())
            return Status::Truncated;
        if (width > 1'000'000 || height > 1'000'000)
            return Status::Corrupt;
        entry.signature.width = static_cast<int>(width);
        entry.signature.height = static_cast<int>(height);
        cache.m_entries[std::string(path.begin(), path.end())] = entry;
    }
    return cache;
}

std::string hashCachePath()
{
    // A relative $XDG_CACHE_HOME is invalid and ignored.
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && *cache == '/')
        return joinPath(joinPath(cache, "pictra"), "picture_hashes.bin");
    if (const char* home = std::getenv("HOME"); home && *home)
        return joinPath(joinPath(joinPath(home, ".cache"), "pictra"), "picture_hashes.bin");
    return {};
}

HashCache loadHashCache(const std::string& path)
{
    if (path.empty())
        return {};
    const auto bytes = readFile(path, kMaxCachedHashes * (kMinRecordBytes + kMaxCachedPathBytes) + 16);
    if (!bytes)
        return {};
    auto cache = HashCache::parse(*bytes);
    return cache ? std::move(*cache) : HashCache{};
}

Status saveHashCache(const std::string& path, const HashCache& cache)
{
    if (path.empty())
        return Status::InvalidArgument;
    if (!makeFolders(std::string(folderPart(path))))
        return Status::IoError;
    return writeFileAtomic(path, cache.serialize());
}

} // namespace pictra
