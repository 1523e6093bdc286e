// Which albums get a recovery copy, and which copies go.
#include "core/recovery/recovery_plan.h"

#include "core/album/album_changes.h"
#include "core/util/fixed_text.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

struct PlanCase {
    const char* name;
    AlbumKind kind;
    bool changed;
    bool active;          // the change sits in the working copy only
    int keptSerial;       // -1: no copy kept
    bool snapshot;
    bool removal;
};

class RecoveryPlan : public ::testing::TestWithParam<PlanCase> {};

TEST_P(RecoveryPlan, FollowsTheChangedMarkAndSerial)
{
    const PlanCase& c = GetParam();
    auto table = makeAlbumTable();
    table->openCount = 2;
    AlbumRecord& other = table->windowSlots[0];
    setFieldText(other.path, "/a/other.abm");
    other.viewId = 1;
    AlbumRecord& slot = table->windowSlots[1];
    setFieldText(slot.path, "/a/album.abm");
    slot.kind = c.kind;
    slot.viewId = 2;
    slot.changeSerial = 5;
    if (c.active) {
        table->working = slot;
        if (c.changed)
            markAlbumChanged(table->working); // serial 6, not yet mirrored
    } else if (c.changed) {
        markAlbumChanged(slot);
    }
    std::map<std::string, std::uint32_t> kept;
    if (c.keptSerial >= 0)
        kept["/a/album.abm"] = static_cast<std::uint32_t>(c.keptSerial);
    kept["/a/closed.abm"] = 3; // a window closed since its copy was taken

    const RecoveryWork work = planRecoveryWork(*table, kept);
    EXPECT_EQ(work.snapshotSlots, c.snapshot ? std::vector<int>{1} : std::vector<int>{});
    std::vector<std::string> removals{"/a/closed.abm"};
    if (c.removal)
        removals.insert(removals.begin(), "/a/album.abm");
    EXPECT_EQ(work.removals, removals);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecoveryPlan,
    ::testing::Values(PlanCase{"FirstChange", AlbumKind::Album, true, false, -1, true, false},
                      PlanCase{"NewChangeSinceTheCopy", AlbumKind::Album, true, false, 5, true, false},
                      PlanCase{"CopyIsCurrent", AlbumKind::Album, true, false, 6, false, false},
                      PlanCase{"ChangeOnlyInTheWorkingCopy", AlbumKind::Album, true, true, 5, true, false},
                      PlanCase{"WorkingCopyCurrent", AlbumKind::Album, true, true, 6, false, false},
                      PlanCase{"SavedOrDiscarded", AlbumKind::Album, false, false, 5, false, true},
                      PlanCase{"UnchangedNeverCopied", AlbumKind::Album, false, true, -1, false, false},
                      PlanCase{"PictureWindowsAreNotAlbums", AlbumKind::SingleImage, true, false, -1, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pictra
