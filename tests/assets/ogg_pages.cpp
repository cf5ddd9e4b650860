#include "ogg_pages.h"

#include <array>
#include <set>

namespace {

// CRC-32 with polynomial 0x04C11DB7, not reflected, initial value 0, as the
// Ogg framing defines it.
std::uint32_t OggCrc(EmbeddedBlock bytes, std::size_t checksumOffset)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t r = i << 24;
            for (int k = 0; k < 8; ++k)
                r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : r << 1;
            t[i] = r;
        }
        return t;
    }();
    std::uint32_t crc = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool inChecksum = i >= checksumOffset && i < checksumOffset + 4;
        const unsigned char b = inChecksum ? 0 : bytes[i];
        crc = (crc << 8) ^ table[((crc >> 24) ^ b) & 0xFF];
    }
    return crc;
}

std::uint64_t LittleEndian(EmbeddedBlock bytes, std::size_t at, int count)
{
    std::uint64_t v = 0;
    for (int i = count - 1; i >= 0; --i)
        v = (v << 8) | bytes[at + i];
    return v;
}

}  // namespace

OggShape ReadOggShape(EmbeddedBlock block)
{
    OggShape shape;
    std::set<std::uint32_t> serials;
    std::size_t at = 0;
    std::uint32_t expectedSequence = 0;
    while (at < block.size()) {
        const auto fail = [&](const std::string& why) {
            shape.problem = "page " + std::to_string(shape.pages) + " at byte " + std::to_string(at) + ": " + why;
            return shape;
        };
        constexpr std::size_t HEADER = 27;
        if (block.size() - at < HEADER)
            return fail("header runs past the block");
        if (block[at] != 'O' || block[at + 1] != 'g' || block[at + 2] != 'g' || block[at + 3] != 'S')
            return fail("no capture pattern");
        if (block[at + 4] != 0)
            return fail("unknown version");
        const unsigned flags = block[at + 5];
        const auto granule = static_cast<std::int64_t>(LittleEndian(block, at + 6, 8));
        const auto serial = static_cast<std::uint32_t>(LittleEndian(block, at + 14, 4));
        const auto sequence = static_cast<std::uint32_t>(LittleEndian(block, at + 18, 4));
        const auto checksum = static_cast<std::uint32_t>(LittleEndian(block, at + 22, 4));
        const std::size_t segments = block[at + 26];
        if (block.size() - at < HEADER + segments)
            return fail("segment table runs past the block");
        std::size_t bodyLength = 0;
        for (std::size_t s = 0; s < segments; ++s)
            bodyLength += block[at + HEADER + s];
        const std::size_t pageLength = HEADER + segments + bodyLength;
        if (block.size() - at < pageLength)
            return fail("body runs past the block");
        if (OggCrc(block.subspan(at, pageLength), 22) != checksum)
            return fail("checksum mismatch");
        if (sequence != expectedSequence)
            return fail("sequence number " + std::to_string(sequence));

        const bool opens = flags & 0x02, closes = flags & 0x04;
        if (shape.pages == 0) {
            shape.firstPageOpens = opens;
            shape.firstGranule = granule;
        } else if (opens) {
            shape.onlyFirstPageOpens = false;
        }
        at += pageLength;
        const bool last = at == block.size();
        if (last)
            shape.lastPageCloses = closes;
        else if (closes)
            shape.onlyLastPageCloses = false;
        serials.insert(serial);
        shape.lastGranule = granule;
        ++shape.pages;
        ++expectedSequence;
    }
    shape.serialNumbers = static_cast<int>(serials.size());
    return shape;
}
