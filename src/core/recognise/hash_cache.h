// The per-user cache of picture signatures (perceptual hash, upright size,
// Exif date), so a second search through the same folders decodes nothing it
// has seen. An entry is valid while the file keeps its path, length and
// modification time. The file, $XDG_CACHE_HOME/pictra/picture_hashes.bin:
//   0   magic "PictraHC"   8   u32 version (1)   12  u32 N
//   16  N records: u16 L, L path bytes, u32 size lo, u32 size hi,
//       u32 mtime lo, u32 mtime hi (ns, signed), u32 hash lo, u32 hash hi,
//       u32 width, u32 height, u32 date (YYYYMMDD, 0 for none)
// All little-endian. A damaged or foreign file is read as an empty cache.
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace pictra {

inline constexpr std::size_t kMaxCachedHashes = 500'000;
inline constexpr std::size_t kMaxCachedPathBytes = 4096;

// What the relink search knows of a picture file without decoding it again.
struct PictureSignature {
    std::uint64_t hash = 0;
    int width = 0;  // upright, full size
    int height = 0;
    std::int32_t date = 0; // Exif date taken as YYYYMMDD, 0 when there is none
    friend bool operator==(const PictureSignature&, const PictureSignature&) = default;
};

// A file's identity for the cache: it is the same file while these agree.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t mtimeNs = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

class HashCache {
public:
    // The signature kept for `path` when its stamp still matches.
    std::optional<PictureSignature> find(const std::string& path, const FileStamp& stamp) const;
    // Keeps (or replaces) the signature of `path`; paths longer than
    // kMaxCachedPathBytes are not kept. Beyond kMaxCachedHashes entries, the
    // ones not asked for or stored since loading make room first.
    void store(const std::string& path, const FileStamp& stamp, const PictureSignature& signature);
    std::size_t size() const { return m_entries.size(); }
    bool changed() const { return m_changed; }

    // The file image described above (entries in path order, so equal
    // caches give equal bytes).
    std::vector<std::uint8_t> serialize() const;
    // Corrupt for a wrong magic or version, a count or path length beyond the
    // limits; Truncated when the bytes end before the count's records.
    static Result<HashCache> parse(ByteSpan data);

private:
    struct Entry {
        FileStamp stamp;
        PictureSignature signature;
        mutable bool used = false;
    };
    void makeRoom();

    std::unordered_map<std::string, Entry> m_entries;
    bool m_changed = false;
};

// $XDG_CACHE_HOME/pictra/picture_hashes.bin ($HOME/.cache when it is unset or
// relative; empty when there is no home either).
std::string hashCachePath();

// The cache in `path`: empty when the file is missing or damaged (a cache
// is only ever a shortcut).
HashCache loadHashCache(const std::string& path);
// Writes it atomically, making the folder; the write's failure otherwise.
Status saveHashCache(const std::string& path, const HashCache& cache);

} // namespace pictra
