#include "channels/huge_pages.h"

#include <sys/mman.h>
#include <unistd.h>

namespace {

// The size of a transparent huge page on x86-64 and arm64 Linux.
constexpr std::uintptr_t HUGE_PAGE_SIZE = std::uintptr_t{2} << 20;

std::uintptr_t RoundUp(std::uintptr_t value, std::uintptr_t unit)
{
    return (value + unit - 1) / unit * unit;
}

std::uintptr_t RoundDown(std::uintptr_t value, std::uintptr_t unit)
{
    return value / unit * unit;
}

// Whole units of `unit` bytes inside [start, end), as a start and length.
struct Inside {
    void* start;
    std::size_t length;
};

Inside WholeUnits(std::uintptr_t start, std::uintptr_t end, std::uintptr_t unit)
{
    const std::uintptr_t first = RoundUp(start, unit);
    const std::uintptr_t last = RoundDown(end, unit);
    if (last <= first) {
        return {nullptr, 0};
    }
    return {reinterpret_cast<void*>(first), last - first};
}

} // namespace

void PrepareForWriting(void* start, std::size_t length)
{
    if (start == nullptr || length == 0) {
        return;
    }
    const auto from = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t to = from + length;
    // Both are hints: neither changes what the memory holds, and an error
    // (EINVAL where the kernel does not know them) leaves the memory to be
    // mapped page by page on first write, which is only slower.
#ifdef MADV_HUGEPAGE
    const Inside huge = WholeUnits(from, to, HUGE_PAGE_SIZE);
    if (huge.length > 0) {
        madvise(huge.start, huge.length, MADV_HUGEPAGE);
    }
#endif
#ifdef MADV_POPULATE_WRITE
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const Inside pages = WholeUnits(from, to, page);
    if (pages.length > 0) {
        // One call maps what would otherwise take one fault per page. Only
        // whole pages inside the range: a page shared with the memory around
        // it is left to its owner.
        madvise(pages.start, pages.length, MADV_POPULATE_WRITE);
    }
#endif
}

HugePageBlock::HugePageBlock(std::size_t size)
{
    if (size == 0 || size > SIZE_MAX - HUGE_PAGE_SIZE) {
        return;
    }
    // Mapped with room to spare, then cut to a 2 MiB boundary: mmap itself
    // only promises page alignment.
    const std::size_t rounded = RoundUp(size, static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE)));
    const std::size_t spare = rounded + HUGE_PAGE_SIZE;
    void* mapping = mmap(nullptr, spare, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED) {
        return;
    }
    const auto base = reinterpret_cast<std::uintptr_t>(mapping);
    const std::uintptr_t aligned = RoundUp(base, HUGE_PAGE_SIZE);
    if (aligned > base) {
        munmap(mapping, aligned - base);
    }
    const std::uintptr_t end = base + spare;
    if (end > aligned + rounded) {
        munmap(reinterpret_cast<void*>(aligned + rounded), end - (aligned + rounded));
    }
    start = reinterpret_cast<void*>(aligned);
    length = rounded;
    PrepareForWriting(start, length);
}

HugePageBlock::~HugePageBlock()
{
    if (start != nullptr) {
        munmap(start, length);
    }
}
