#include "model/rate_table.h"

#include <array>
#include <string>

#include "model/translation.h"

const std::array<RateStep, kRatePositions> kRateTable = {{
    {0, 250, 300},
    {1, 125, 150},
    {2, 83, 100},
    {3, 62, 75},
    {4, 50, 60},
    {5, 41, 50},
    {7, 31, 37},
    {11, 20, 25},
    {14, 16, 20},
    {24, 10, 12},
    {29, 8, 10},
    {49, 5, 6},
    {59, 4, 5},
    {124, 2, 2},
    {249, 1, 1},
}};

int RatePosition(std::uint32_t rateCode) {
    // Signed on purpose: a stored 4294967295 reads as -1 and opens at the fastest rate.
    const auto wanted = static_cast<std::int32_t>(rateCode);
    for (int position = 0; position < kRatePositions; ++position) {
        if (static_cast<std::int32_t>(kRateTable[std::size_t(position)].rateCode) >= wanted) {
            return position;
        }
    }
    return kRatePositions - 1;
}

namespace {
int ImagesPerTenSeconds(std::uint64_t base, std::uint32_t rateCode) {
    // rateCode + 1 is done in 64 bits, so no stored code can make the divisor zero.
    return static_cast<int>(base / (std::uint64_t(rateCode) + 1));
}
}  // namespace

int Pal10(std::uint32_t rateCode) { return ImagesPerTenSeconds(250, rateCode); }
int Ntsc10(std::uint32_t rateCode) { return ImagesPerTenSeconds(300, rateCode); }

std::string FormatTenths(long long tenths) {
    // Worked in whole numbers: no C library locale can change the mark, no rounding can creep in.
    const unsigned long long magnitude =
        tenths < 0 ? 0ULL - static_cast<unsigned long long>(tenths) : static_cast<unsigned long long>(tenths);
    return (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10) + DecimalMark() + char('0' + magnitude % 10);
}

namespace {
constexpr std::array<const char*, 10> kTriggerTexts = {
    N_("Continuous"),       N_("Alarm 1 Edge NO"),  N_("Alarm 1 Edge NC"), N_("Alarm 1 Level NO"),
    N_("Alarm 1 Level NC"), N_("Alarm 2 Edge NO"),  N_("Alarm 2 Edge NC"), N_("Alarm 2 Level NO"),
    N_("Alarm 2 Level NC"),
    // TRANSLATORS: video motion detection, the recorder's own name for it.
    N_("VMD")};
}  // namespace

const char* TriggerText(int code) {
    if (code < 0 || code >= int(kTriggerTexts.size())) return Tr(kTriggerTexts[kTriggerContinuous]);
    return Tr(kTriggerTexts[std::size_t(code)]);
}
