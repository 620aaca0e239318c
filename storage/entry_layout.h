#pragma once
// How a schedule entry and the image's words are laid out in the file: little-endian
// words, the entry as six of them in field order.
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/schedule_entry.h"

constexpr std::size_t kEntrySize = 24;

std::uint32_t ReadLE32(std::span<const std::uint8_t> bytes, std::size_t offset);
void WriteLE32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value);
std::uint16_t ReadLE16(std::span<const std::uint8_t> bytes, std::size_t offset);
void WriteLE16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value);

ScheduleEntry DecodeEntry(std::span<const std::uint8_t, kEntrySize> bytes);
void EncodeEntry(const ScheduleEntry& entry, std::span<std::uint8_t, kEntrySize> bytes);
