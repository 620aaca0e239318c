// Where the schedule stands: the state last loaded or saved, what Undo and Redo take, where
// Save puts it back and whether the file there changed behind the editor.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "document/config_document.h"
#include "document/schedule_source.h"
#include "storage/card_probe.h"
#include "storage/config_file.h"
#include "support/byte_files.h"
#include "support/faulty_file_system.h"
#include "support/entries.h"
#include "support/forms.h"
#include "support/images.h"
#include "support/temp_dir.h"

namespace {
namespace fs = std::filesystem;

// Each row: the commands after a load, then the undo (-1) and redo (+1) steps, and what the
// document says then.
TEST(SavePointTest, ModifiedIsWhetherTheStateDiffersFromTheOneLastLoadedOrSaved) {
    using Step = std::function<void(ConfigDocument&)>;
    const Step add = [](ConfigDocument& d) { d.Add(FormFromEntry(DefaultEntry(kDay, kDay + kHour))); };
    const Step save = [](ConfigDocument& d) { d.MarkSaved(); };
    const Step undo = [](ConfigDocument& d) { d.Undo(); };
    const Step redo = [](ConfigDocument& d) { d.Redo(); };
    const Step deleteAll = [](ConfigDocument& d) { d.DeleteAll(); };
    const Step load = [](ConfigDocument& d) { d.Load(ImageOf({DefaultEntry(0, kHour)})); };
    const struct {
        const char* name;
        std::vector<Step> steps;
        bool modified;
        std::optional<EditKind> nextUndo, nextRedo;
    } cases[] = {
        {"one change", {add}, true, EditKind::kAdd, std::nullopt},
        {"undone back to the load", {add, undo}, false, std::nullopt, EditKind::kAdd},
        {"redone past it", {add, undo, redo}, true, EditKind::kAdd, std::nullopt},
        {"saved after the change", {add, save}, false, EditKind::kAdd, std::nullopt},
        {"undone past the save", {add, save, undo}, true, std::nullopt, EditKind::kAdd},
        {"redone back to the save", {add, save, undo, redo}, false, EditKind::kAdd, std::nullopt},
        {"a new change after an undo", {add, undo, add}, true, EditKind::kAdd, std::nullopt},
        {"delete all keeps the flag", {deleteAll}, false, EditKind::kDeleteAll, std::nullopt},
        {"undone back to a later load", {add, load, add, undo}, false, std::nullopt, EditKind::kAdd},
        {"delete all redone", {deleteAll, undo, redo}, true, EditKind::kDeleteAll, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigDocument doc;
        doc.Load(ImageOf({DefaultEntry(0, kHour)}));
        for (const Step& step : c.steps) step(doc);
        EXPECT_EQ(doc.IsModified(), c.modified);
        EXPECT_EQ(doc.NextUndo(), c.nextUndo);
        EXPECT_EQ(doc.NextRedo(), c.nextRedo);
    }
}

TEST(SavePointTest, EachCommandNamesItsUndoStep) {
    ConfigDocument doc;
    doc.Load(ImageOf({DefaultEntry(0, kHour)}));
    doc.Edit(0, FormFromEntry(DefaultEntry(0, 2 * kHour)));
    EXPECT_EQ(doc.NextUndo(), EditKind::kEdit);
    doc.SetTimes(0, kHour, 2 * kHour);
    EXPECT_EQ(doc.NextUndo(), EditKind::kMove);
    const int days[] = {2};
    doc.CopyToDays(0, days);
    EXPECT_EQ(doc.NextUndo(), EditKind::kCopyToDays);
    doc.Delete(1);
    EXPECT_EQ(doc.NextUndo(), EditKind::kDelete);
    // Undone, the step is the one Redo makes again.
    doc.Undo();
    EXPECT_EQ(doc.NextRedo(), EditKind::kDelete);
    EXPECT_EQ(doc.NextUndo(), EditKind::kCopyToDays);
}

class ScheduleSourceTest : public ::testing::Test {
protected:
    fs::path Make(const fs::path& relative, const Bytes& bytes = Bytes(6656, 7)) {
        const fs::path path = temp.Path() / relative;
        fs::create_directories(path.parent_path());
        WriteBytes(path, bytes);
        return path;
    }
    TempDir temp;
};

TEST_F(ScheduleSourceTest, SaveGoesBackWhereTheScheduleCameFrom) {
    const fs::path week = Make("files/WEEK.DAT");
    const fs::path cardFile = Make("card/CONFIG01.DAT");
    Make("card/R0000001.DAT");
    const fs::path notOnCard = Make("files/CONFIG01.DAT");
    const fs::path longerName = Make("card/XCONFIG01.DAT");
    using Route = SavePlan::Route;
    const struct {
        const char* name;
        ScheduleSource source;
        Route route;
    } cases[] = {
        {"nothing loaded", ScheduleSource{}, Route::kChooseFile},
        {"a file", ScheduleSource::File(week), Route::kFile},
        {"a card", ScheduleSource::Card("CARD", cardFile.parent_path()), Route::kCard},
        {"a card's file opened as a file", ScheduleSource::File(cardFile), Route::kCardFolder},
        {"the name outside a card", ScheduleSource::File(notOnCard), Route::kFile},
        {"a longer name on a card", ScheduleSource::File(longerName), Route::kFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SavePlan plan = PlanSave(c.source);
        EXPECT_EQ(plan.route, c.route);
        if (c.route == Route::kCardFolder) {
            EXPECT_EQ(plan.cardRoot, c.source.path.parent_path());
        }
        if (c.route == Route::kFile || c.route == Route::kCardFolder) {
            EXPECT_EQ(plan.path, c.source.path);
        }
        if (c.route == Route::kCard) {
            EXPECT_EQ(plan.cardLabel, "CARD");
        }
    }
}

TEST_F(ScheduleSourceTest, AFileChangedBehindTheEditorIsNoticed) {
    const Bytes original(6656, 7);
    const struct {
        const char* name;
        std::function<void(const fs::path&)> change;
        bool changed;
    } cases[] = {
        {"untouched", [](const fs::path&) {}, false},
        {"written again with the same bytes and time",
         [&](const fs::path& p) {
             const auto time = fs::last_write_time(p);
             WriteBytes(p, original);
             fs::last_write_time(p, time);
         },
         false},
        {"one byte changed, time kept",
         [&](const fs::path& p) {
             const auto time = fs::last_write_time(p);
             Bytes other = original;
             other[6655] = 8;
             WriteBytes(p, other);
             fs::last_write_time(p, time);
         },
         true},
        {"a byte added behind", [&](const fs::path& p) {
             Bytes longer = original;
             longer.push_back(0);
             const auto time = fs::last_write_time(p);
             WriteBytes(p, longer);
             fs::last_write_time(p, time);
         }, true},
        {"only the time", [](const fs::path& p) { fs::last_write_time(p, fs::last_write_time(p) + std::chrono::seconds(2)); },
         true},
        {"removed", [](const fs::path& p) { fs::remove(p); }, true},
        {"a folder in its place", [](const fs::path& p) {
             fs::remove(p);
             fs::create_directory(p);
         }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = Make(std::string("files/") + c.name + ".DAT", original);
        const ScheduleSource source = ScheduleSource::File(path);
        ASSERT_TRUE(source.stamp.has_value());
        c.change(path);
        EXPECT_EQ(ChangedOnDisk(source), c.changed);
    }
    EXPECT_FALSE(ChangedOnDisk(ScheduleSource{}));
    // A file unreadable right after its load or save leaves nothing to compare with.
    const fs::path late = temp.Path() / "files" / "late.DAT";
    const ScheduleSource unstamped = ScheduleSource::File(late);
    Make("files/late.DAT", original);
    EXPECT_FALSE(ChangedOnDisk(unstamped));
}

// A file larger than any the editor writes is compared up to a byte past the overwrite
// limit, and beyond it by its size and time alone.
TEST_F(ScheduleSourceTest, BeyondTheOverwriteLimitOnlyTheSizeTells) {
    const std::uintmax_t limit = kMaxOverwriteSize;
    const struct {
        const char* name;
        std::uintmax_t size, changedByte;
        bool grows, changed;
    } cases[] = {
        {"the last byte compared", limit + 1, limit, false, true},
        {"a byte past those compared", limit + 2, limit + 1, false, false},
        {"a byte added past them", limit + 2, 0, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes bytes(static_cast<std::size_t>(c.size), 7);
        const fs::path path = Make("files/large.DAT", bytes);
        const ScheduleSource source = ScheduleSource::File(path);
        const auto time = fs::last_write_time(path);
        if (c.grows) bytes.push_back(7);
        else bytes[static_cast<std::size_t>(c.changedByte)] = 8;
        WriteBytes(path, bytes);
        fs::last_write_time(path, time);
        EXPECT_EQ(ChangedOnDisk(source), c.changed);
    }
}

// A stamp is taken only of a file read whole; whatever fails gives none.
TEST_F(ScheduleSourceTest, AFileReadOnlyInPartHasNoStamp) {
    const fs::path path = Make("files/WEEK.DAT", Bytes(6656, 7));
    const struct {
        const char* name;
        Call call;
        Fault fault;
    } cases[] = {
        {"the open fails", Call::Open, Fault::Fail},
        {"its size is unknown", Call::SizeOfOpen, Fault::Fail},
        {"a read comes short", Call::Read, Fault::Short},
        {"a read fails", Call::Read, Fault::Fail},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FaultyFileSystem faulty;
        faulty.Break(c.call, 1, c.fault);
        EXPECT_FALSE(StampOf(path, faulty).has_value());
        EXPECT_EQ(faulty.StillOpen(), 0);
    }
    FaultyFileSystem whole;
    ASSERT_TRUE(StampOf(path, whole).has_value());
    EXPECT_EQ(StampOf(path, whole)->content, Bytes(6656, 7));
    EXPECT_FALSE(StampOf(temp.Path() / "files", whole).has_value());  // a folder
}

TEST_F(ScheduleSourceTest, ACardIsFoundAgainByItsLabelOnlyWhileItIsACard) {
    Make("media/CARD/CONFIG01.DAT");
    Make("media/CARD/R0000001.DAT");
    Make("media/STICK/CONFIG01.DAT");  // no marker: no card
    const CardLocator cards({temp.Path() / "media"}, false);
    ASSERT_TRUE(cards.CardLabelled("CARD").has_value());
    EXPECT_EQ(cards.CardLabelled("CARD")->root, temp.Path() / "media" / "CARD");
    EXPECT_FALSE(cards.CardLabelled("STICK").has_value());
    EXPECT_FALSE(cards.CardLabelled("CAR").has_value());
}

}  // namespace
