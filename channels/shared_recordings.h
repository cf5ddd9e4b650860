#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "channels/loaded_sound.h"

// Recordings loaded into several slots from the same embedded block are
// decoded once and held once; each slot still plays its own voice. A copy
// lives as long as some slot holds it and is forgotten with the last one.
//
// A block is known by its address, its length and a hash of its bytes, so
// that memory reused at the same address for other data never passes for
// the recording that was there before.
struct RecordingKey {
    const void* address = nullptr;
    std::size_t length = 0;
    std::uint64_t contentHash = 0;

    bool operator==(const RecordingKey&) const = default;
};

RecordingKey KeyOfRecording(std::span<const unsigned char> block);

class SharedRecordings {
public:
    // The live copy decoded from the same block, or null.
    std::shared_ptr<const LoadedSound> Find(const RecordingKey& key);
    void Remember(const RecordingKey& key, const std::shared_ptr<const LoadedSound>& sound);
    void Clear() { entries.clear(); }

private:
    void ForgetReleased();

    // A handful of recordings at most; a list is plenty.
    std::vector<std::pair<RecordingKey, std::weak_ptr<const LoadedSound>>> entries;
};
