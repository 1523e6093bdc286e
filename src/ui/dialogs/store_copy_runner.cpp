// The batch runs with QtConcurrent on Qt's global pool; the ui thread waits
// in a local event loop, so painting, the bar and the cancel button work.
#include "ui/dialogs/store_copy_runner.h"

#include "core/util/file_io.h"
#include "core/util/paths.h"
#include "ui/dialogs/compress_progress_dialog.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QtConcurrent>

#include <atomic>
#include <numeric>
#include <vector>

namespace pictra::ui {

BatchResults runStoreCopies(const StoreCopyBatch& batch, QWidget* parent)
{
    BatchResults results(batch.sources.size());
    if (batch.sources.empty())
        return results;
    // Made once here rather than by every worker at the same moment.
    (void)makeFolders(StoreFolder(batch.programFolder, batch.albumPath)); // without it every copy fails and says so
    std::vector<std::size_t> indices(batch.sources.size());
    std::iota(indices.begin(), indices.end(), std::size_t{0});
    std::atomic<bool> stop{false};

    CompressProgressDialog progress(static_cast<int>(indices.size()), parent);
    QFutureWatcher<void> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    QObject::connect(&watcher, &QFutureWatcher<void>::progressValueChanged, &progress, [&](int done) {
        const std::size_t last = static_cast<std::size_t>(std::max(done, 1)) - 1;
        progress.setDone(done, QString::fromStdString(batch.sources[std::min(last, indices.size() - 1)]));
    });
    QObject::connect(&progress, &CompressProgressDialog::cancelRequested, &loop, [&] { stop = true; });
    watcher.setFuture(QtConcurrent::map(indices, [&](std::size_t i) {
        if (!stop)
            results[i] = makeBatchStoreCopy(batch, i); // each worker writes its own slot
    }));
    progress.show();
    if (!watcher.isFinished())
        loop.exec();
    watcher.waitForFinished();
    progress.close();
    return results;
}

} // namespace pictra::ui
