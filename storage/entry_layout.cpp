#include "storage/entry_layout.h"

std::uint32_t ReadLE32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return std::uint32_t(bytes[offset]) | std::uint32_t(bytes[offset + 1]) << 8 |
           std::uint32_t(bytes[offset + 2]) << 16 | std::uint32_t(bytes[offset + 3]) << 24;
}

void WriteLE32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = std::uint8_t(value >> (8 * i));
}

std::uint16_t ReadLE16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return std::uint16_t(bytes[offset] | bytes[offset + 1] << 8);
}

void WriteLE16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = std::uint8_t(value);
    bytes[offset + 1] = std::uint8_t(value >> 8);
}

ScheduleEntry DecodeEntry(std::span<const std::uint8_t, kEntrySize> bytes) {
    ScheduleEntry e;
    e.start = ReadLE32(bytes, 0);
    e.stop = ReadLE32(bytes, 4);
    e.control = ReadLE32(bytes, 8);
    e.resolution = ReadLE32(bytes, 12);
    e.rateCode = ReadLE32(bytes, 16);
    e.imageSize = ReadLE32(bytes, 20);
    return e;
}

void EncodeEntry(const ScheduleEntry& e, std::span<std::uint8_t, kEntrySize> bytes) {
    WriteLE32(bytes, 0, e.start);
    WriteLE32(bytes, 4, e.stop);
    WriteLE32(bytes, 8, e.control);
    WriteLE32(bytes, 12, e.resolution);
    WriteLE32(bytes, 16, e.rateCode);
    WriteLE32(bytes, 20, e.imageSize);
}
