#pragma once
// Files as plain bytes: written, read back, and contents that tell every offset apart.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Replaces whatever is at path with a file holding bytes; throws when it cannot.
inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

// Everything the file at path holds; nothing when there is no file.
inline Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// size bytes in which every offset differs from its neighbours, for checking what a save left alone.
inline Bytes Pattern(std::size_t size, std::uint8_t seed = 0x11) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(seed + i * 7 + (i >> 8));
    return bytes;
}
