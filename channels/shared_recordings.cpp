#include "channels/shared_recordings.h"

#include <algorithm>
#include <cstring>

namespace {

std::uint64_t Mix(std::uint64_t value)
{
    // The finaliser of SplitMix64: every input bit reaches every output bit.
    value ^= value >> 30;
    value *= 0xBF58476D1CE4E5B9ULL;
    value ^= value >> 27;
    value *= 0x94D049BB133111EBULL;
    value ^= value >> 31;
    return value;
}

// A fast 64-bit hash of the whole block: eight bytes per step, so hashing a
// recording costs a small fraction of decoding it. It guards against
// accidents, not against someone crafting a collision.
std::uint64_t ContentHash(std::span<const unsigned char> block)
{
    std::uint64_t hash = Mix(block.size() ^ 0x9E3779B97F4A7C15ULL);
    std::size_t i = 0;
    for (; i + 8 <= block.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, block.data() + i, 8);
        hash = (hash ^ Mix(word)) * 0x9E3779B97F4A7C15ULL;
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, block.data() + i, block.size() - i);
    return Mix(hash ^ Mix(tail ^ (block.size() - i)));
}

} // namespace

RecordingKey KeyOfRecording(std::span<const unsigned char> block)
{
    return RecordingKey{block.data(), block.size(), ContentHash(block)};
}

std::shared_ptr<const LoadedSound> SharedRecordings::Find(const RecordingKey& key)
{
    ForgetReleased();
    for (const auto& [entryKey, sound] : entries) {
        if (entryKey == key) {
            return sound.lock();
        }
    }
    return nullptr;
}

void SharedRecordings::Remember(const RecordingKey& key, const std::shared_ptr<const LoadedSound>& sound)
{
    ForgetReleased();
    entries.emplace_back(key, sound);
}

void SharedRecordings::ForgetReleased()
{
    std::erase_if(entries, [](const auto& entry) { return entry.second.expired(); });
}
