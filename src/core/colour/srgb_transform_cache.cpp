// A small most-recently-used list behind one mutex. Lookups compare the
// whole profile (after a hash), so two profiles never share a transform.
#include "core/colour/srgb_transform_cache.h"

#include <algorithm>
#include <atomic>
#include <list>
#include <mutex>
#include <vector>

namespace pictra {
namespace {

std::uint64_t fnv1a(std::span<const std::uint8_t> bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (std::uint8_t b : bytes)
        hash = (hash ^ b) * 1099511628211ull;
    return hash;
}

struct CachedTransform {
    std::uint64_t hash = 0;
    ProfileInput input = ProfileInput::Rgb;
    std::vector<std::uint8_t> profile;
    std::shared_ptr<const SrgbTransform> transform;
};

class TransformCache {
public:
    std::shared_ptr<const SrgbTransform> get(std::span<const std::uint8_t> profile, ProfileInput input)
    {
        const std::uint64_t hash = fnv1a(profile);
        {
            const std::lock_guard lock(m_mutex);
            if (auto it = find(hash, profile, input); it != m_entries.end()) {
                m_entries.splice(m_entries.begin(), m_entries, it);
                return it->transform;
            }
        }
        // Made outside the lock: other threads keep converting meanwhile.
        std::shared_ptr<const SrgbTransform> made = SrgbTransform::make(profile, input);
        m_made.fetch_add(1, std::memory_order_relaxed);
        const std::lock_guard lock(m_mutex);
        if (auto it = find(hash, profile, input); it != m_entries.end())
            return it->transform; // another thread made it first
        m_entries.push_front({hash, input, std::vector<std::uint8_t>(profile.begin(), profile.end()), made});
        if (m_entries.size() > kCachedTransforms)
            m_entries.pop_back();
        return made;
    }

    std::size_t made() const { return m_made.load(std::memory_order_relaxed); }

private:
    std::list<CachedTransform>::iterator find(std::uint64_t hash, std::span<const std::uint8_t> profile,
                                              ProfileInput input)
    {
        return std::find_if(m_entries.begin(), m_entries.end(), [&](const CachedTransform& e) {
            return e.hash == hash && e.input == input &&
                   std::equal(e.profile.begin(), e.profile.end(), profile.begin(), profile.end());
        });
    }

    std::mutex m_mutex;
    std::list<CachedTransform> m_entries;
    std::atomic<std::size_t> m_made{0};
};

TransformCache& cache()
{
    static TransformCache instance;
    return instance;
}

} // namespace

std::shared_ptr<const SrgbTransform> cachedSrgbTransform(std::span<const std::uint8_t> profile, ProfileInput input)
{
    if (profile.empty())
        return nullptr;
    return cache().get(profile, input);
}

std::size_t srgbTransformsMade() { return cache().made(); }

} // namespace pictra
