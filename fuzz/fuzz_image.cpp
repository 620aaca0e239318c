// Arbitrary file contents through everything a loaded configuration meets: validation,
// take-in, the list texts, the item dialog's form and back, the week strip, and a save
// followed by a re-load. Any crash, sanitizer report or broken invariant is a finding.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "model/entry_form.h"
#include "model/entry_texts.h"
#include "model/week_segments.h"
#include "storage/config_file.h"
#include "storage/config_image.h"
#include "tests/support/memory_file_system.h"

namespace {
void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckEntry(const ScheduleEntry& entry) {
    const auto texts = EntryTexts(entry);
    for (const std::string& text : texts.values) Check(!text.empty() && text.size() < 64);

    const EntryForm form = FormFromEntry(entry);
    const ScheduleEntry composed = EntryFromForm(form);
    // Rate code, image size and duration come back as stored, also where no control of the
    // item dialog can show them.
    Check(DurationOf(composed) == DurationOf(entry));
    Check(composed.resolution == kResolutionFrame || composed.resolution == kResolutionField);
    Check((composed.resolution == kResolutionFrame) == (entry.resolution == kResolutionFrame));
    Check(composed.rateCode == entry.rateCode);
    Check(composed.imageSize == entry.imageSize);
    Check(TriggerOf(composed) == TriggerOf(entry));
    Check(VideoOutOf(composed) == VideoOutOf(entry));
    Check((composed.control & ~(kDurationMask | (kTriggerMask << kTriggerShift) | kVideoOutBit)) == 0);
    // Week times come back inside the week; those already inside come back unchanged.
    Check(composed.start < kSecondsPerWeek && composed.stop < kSecondsPerWeek);
    if (entry.start < kSecondsPerWeek) Check(composed.start == entry.start);
    if (entry.stop < kSecondsPerWeek) Check(composed.stop == entry.stop);
    // A composed entry is a fixed point of the form.
    Check(EntryFromForm(FormFromEntry(composed)) == composed);
}

void CheckSegments(const std::vector<ScheduleEntry>& entries) {
    const auto segments = WeekSegments(entries);
    std::size_t previousSlot = 0;
    for (const WeekSegment& s : segments) {
        Check(s.day >= 1 && s.day <= 7);
        Check(s.first < s.end && s.end <= kSecondsPerDay);
        Check(s.slot < entries.size() && s.slot >= previousSlot);
        previousSlot = s.slot;
    }
    // Hit testing walks every bar; a few probes keep the run fast.
    for (std::size_t i = 0; i < segments.size() && i < 8; ++i)
        Check(SlotAt(segments, segments[i].day, segments[i].first).has_value());
}

void CheckSaveAndReload(const ConfigImage& loaded) {
    MemoryFileSystem fs;
    const std::string path = "/card/CONFIG01.DAT";
    ConfigImage image = loaded;
    Check(SaveConfigFile(path, image, fs).Succeeded());
    Check(fs.OpenHandles() == 0);
    Check(fs.files[path].size() == kImageSize);

    ConfigImage reloaded;
    Check(LoadConfigFile(path, reloaded, fs).Succeeded());
    Check(ValidateImage(reloaded.bytes) == 7);
    Check(reloaded.EntryCount() == loaded.EntryCount());
    Check(reloaded.bytes == image.bytes);
    // Only the header and the trailer may differ from what was loaded.
    Check(std::equal(loaded.bytes.begin() + kOffEntryCount, loaded.bytes.begin() + kOffTrailer,
                     reloaded.bytes.begin() + kOffEntryCount));
    Check(std::equal(loaded.bytes.begin() + kOffTail, loaded.bytes.end(), reloaded.bytes.begin() + kOffTail));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A file is read as its first 6656 bytes; a shorter one is padded with zeros here so
    // that short inputs still reach the validation.
    ImageBytes bytes{};
    std::memcpy(bytes.data(), data, std::min(size, bytes.size()));

    const int version = ValidateImage(bytes);
    Check(version == 0 || version == 6 || version == 7);

    // A refused file leaves the image exactly as it was.
    MemoryFileSystem fs;
    fs.files["/in.dat"].assign(data, data + size);
    ConfigImage image;
    const ImageBytes opening = image.bytes;
    const bool loaded = LoadConfigFile("/in.dat", image, fs).Succeeded();
    Check(fs.OpenHandles() == 0);
    if (!loaded) {
        Check(image.bytes == opening);
        Check(size < kImageSize || version == 0);
        return 0;
    }
    Check(size >= kImageSize && version != 0);
    if (version == 7) Check(image.bytes == bytes);

    Check(image.EntryCount() <= kMaxEntries);
    const std::vector<ScheduleEntry> entries = image.Entries();
    Check(entries.size() == image.EntryCount());
    for (const ScheduleEntry& entry : entries) CheckEntry(entry);
    CheckSegments(entries);
    CheckSaveAndReload(image);
    return 0;
}
