#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "channels/huge_pages.h"

namespace {

// Preparing memory is only a hint to the kernel: whatever the range's
// bounds, what the memory holds stays as it was, inside the range and out.
TEST(HugePages, PreparingMemoryKeepsWhatItHolds)
{
    const std::size_t size = std::size_t{6} << 20;
    void* mapping = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(mapping, MAP_FAILED);
    auto* bytes = static_cast<unsigned char*>(mapping);
    // Some pages written, most never touched.
    for (std::size_t i = 0; i < size; i += 3 * 4096 + 17) {
        bytes[i] = static_cast<unsigned char>(i / 7 + 1);
    }
    const std::vector<unsigned char> before(bytes, bytes + size);
    const std::pair<std::size_t, std::size_t> ranges[] = {
        {0, size}, {1, size - 2}, {4095, 4098}, {(std::size_t{2} << 20) - 5, std::size_t{3} << 20}, {100, 10},
    };
    for (const auto& [offset, length] : ranges) {
        SCOPED_TRACE(::testing::Message() << offset << "+" << length);
        PrepareForWriting(bytes + offset, length);
        ASSERT_TRUE(std::equal(before.begin(), before.end(), bytes));
    }
    munmap(mapping, size);
}

TEST(HugePages, ABlockHoldsEveryByteAskedFor)
{
    for (const std::size_t size : {std::size_t{1}, std::size_t{4097}, (std::size_t{5} << 20) + 3}) {
        SCOPED_TRACE(size);
        const HugePageBlock block(size);
        ASSERT_TRUE(block);
        auto* bytes = reinterpret_cast<unsigned char*>(block.Samples());
        std::memset(bytes, 0xA5, size);
        EXPECT_EQ(bytes[0], 0xA5);
        EXPECT_EQ(bytes[size - 1], 0xA5);
    }
    EXPECT_FALSE(HugePageBlock(0));
}

} // namespace
