#pragma once

#include <cstddef>
#include <cstdint>

// Memory for whole sounds, written once from the first sample to the last.
//
// A sound of a hundred seconds fills megabytes of fresh memory, and the
// kernel maps fresh memory one 4 KiB page at a time, on the first write to
// each: thousands of page faults, which on a virtual machine cost more than
// writing the samples. Backed by 2 MiB pages and mapped in one go before the
// first write, the same memory costs a small fraction of that.

// Asks the kernel to back the whole 2 MiB pages inside [start, start +
// length) with huge pages, then to map every whole page of the range at
// once. For memory the caller is about to write completely: contents do not
// change, nothing outside the range is touched, and where the system offers
// neither (no transparent huge pages, an older kernel) the memory simply
// fills page by page as before.
void PrepareForWriting(void* start, std::size_t length);

// A block of `size` bytes straight from the system, 2 MiB-aligned so that
// it can be backed by huge pages, and prepared for writing. Returned to the
// system whole when destroyed, so that a large sound leaves nothing behind.
// Empty (data() null) when the system has no memory to give.
class HugePageBlock {
public:
    explicit HugePageBlock(std::size_t size);
    ~HugePageBlock();
    HugePageBlock(const HugePageBlock&) = delete;
    HugePageBlock& operator=(const HugePageBlock&) = delete;

    std::int16_t* Samples() const { return static_cast<std::int16_t*>(start); }
    explicit operator bool() const { return start != nullptr; }

private:
    void* start = nullptr;
    std::size_t length = 0;
};
