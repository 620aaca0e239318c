#pragma once
// Image-rate and trigger tables.
#include <array>
#include <cstdint>
#include <string>

constexpr int kRatePositions = 15;  // slider positions 0..14

struct RateStep {
    std::uint32_t rateCode;
    int pal10;   // PAL images per second * 10
    int ntsc10;  // NTSC images per second * 10
};

extern const std::array<RateStep, kRatePositions> kRateTable;

// First slider position whose rate code is >= rateCode, compared signed; 14 when none is.
int RatePosition(std::uint32_t rateCode);

// Images per second * 10 of any stored rate code: 250 / (code + 1) and 300 / (code + 1),
// computed wide so that the code 4294967295 gives 0 instead of dividing by zero.
int Pal10(std::uint32_t rateCode);
int Ntsc10(std::uint32_t rateCode);

// A count of tenths with one decimal, "25.0", and the language's decimal mark ("25,0"), as
// the windows show numbers; never for a file.
std::string FormatTenths(long long tenths);

constexpr int kTriggerContinuous = 0;
constexpr int kTriggerVmd = 9;
constexpr int kDialogTriggerCount = 9;  // codes 0..8 are offered by the item dialog

// Text of a trigger code 0..15: "Continuous", the eight alarm texts, "VMD"; 10..15 read as "Continuous";
// translated.
const char* TriggerText(int code);
