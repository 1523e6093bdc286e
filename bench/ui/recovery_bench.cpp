// Keeping a recovery copy of a 1000-image album: the time the ui thread
// spends on a change (mark, record copy, hand-over to the worker), and the
// worker's write of the copy with its 1000 store copies (30 KB each).
#include "../bench_support.h"

#include "core/album/album_changes.h"
#include "core/app/app_state.h"
#include "core/recovery/recovery_copies.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "support/temp_dir.h"
#include "ui/recovery/recovery_keeper.h"

#include <QGuiApplication>

#include <memory>
#include <string>

namespace {

constexpr int kImages = 1000;
constexpr std::size_t kCopyBytes = 30'000;

struct RecoveryFixture {
    pictra::test::TempDir dir;
    pictra::AppState state;
    std::unique_ptr<pictra::ui::RecoveryKeeper> keeper;

    RecoveryFixture()
    {
        state.programFolder = dir.path();
        pictra::AlbumTable& t = *state.albums;
        pictra::AlbumRecord& album = t.working;
        const std::string albumPath = dir.file("bench.abm");
        (void)pictra::setFieldText(album.path, albumPath);
        album.viewId = 1;
        album.imageCount = kImages;
        const std::string copy(kCopyBytes, '\x5A');
        for (int i = 0; i < kImages; ++i) {
            const std::string source = "/photos/img_" + std::to_string(i) + ".jpg";
            (void)pictra::setFieldText(album.images[static_cast<std::size_t>(i)].path, source);
            (void)pictra::setFieldText(album.images[static_cast<std::size_t>(i)].memo, "memo " + std::to_string(i));
            pictra::test::writeBytes(pictra::storeCopyPath(state.programFolder, albumPath, source), copy);
        }
        t.openCount = 1;
        t.windowSlots[0].viewId = 1;
        pictra::mirrorToActiveSlot(t);
        keeper = std::make_unique<pictra::ui::RecoveryKeeper>(state);
        keeper->start();
    }

    void waitForTheWorker()
    {
        while (!keeper->upToDate())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
};

RecoveryFixture& fixture()
{
    // The worker's end is told through the event loop.
    static int argc = 1;
    static char name[] = "pictra_bench";
    static char* argv[] = {name, nullptr};
    static const std::unique_ptr<QGuiApplication> app =
        QCoreApplication::instance() ? nullptr : std::make_unique<QGuiApplication>(argc, argv);
    static RecoveryFixture f;
    return f;
}

void markChanged1000(benchmark::State& state)
{
    RecoveryFixture& f = fixture();
    pictra::AlbumTable& t = *f.state.albums;
    for (auto _ : state) {
        (void)pictra::setFieldText(t.working.images[7].summary, "changed");
        pictra::markAlbumChanged(t.working);
        pictra::mirrorToActiveSlot(t);
        f.keeper->checkNow();
        state.PauseTiming();
        f.waitForTheWorker();
        state.ResumeTiming();
    }
}

void writeCopy1000(benchmark::State& state)
{
    RecoveryFixture& f = fixture();
    const pictra::RecoverySnapshot snapshot =
        pictra::takeRecoverySnapshot(f.state.albums->working, 0, pictra::currentProcess());
    for (auto _ : state)
        benchmark::DoNotOptimize(pictra::writeRecoveryCopy(snapshot, f.state.programFolder));
}

} // namespace

BENCHMARK(markChanged1000)->Name("album.mark_changed_1000")->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(writeCopy1000)->Name("album.recovery_write_1000")->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
