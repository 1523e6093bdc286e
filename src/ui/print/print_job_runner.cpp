#include "ui/print/print_job_runner.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QTimer>
#include <QtConcurrent>

#include <atomic>
#include <memory>

namespace pictra::ui {

namespace {

constexpr int kProgressPollMs = 50;

// Shared by the worker and the ui; the worker only writes the counts and
// reads the cancel flag.
struct JobProgress {
    std::atomic<int> done{0};
    std::atomic<int> total{0};
    std::atomic<bool> cancel{false};
};

} // namespace

PrintReport runPrintJob(QWidget* parent, QPrinter& printer, PrintJob job)
{
    auto progress = std::make_shared<JobProgress>();
    QProgressDialog box(QStringLiteral("印刷しています..."), QStringLiteral("中止"), 0, 1, parent);
    box.setWindowTitle(QStringLiteral("印刷"));
    box.setWindowModality(Qt::WindowModal);
    box.setMinimumDuration(300);
    box.setAutoClose(false);
    box.setAutoReset(false);
    QObject::connect(&box, &QProgressDialog::canceled, &box, [progress] { progress->cancel = true; });

    QFutureWatcher<PrintReport> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<PrintReport>::finished, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &box, [&box, progress] {
        box.setMaximum(std::max(progress->total.load(), 1));
        box.setValue(progress->done.load());
    });
    watcher.setFuture(QtConcurrent::run([&printer, job = std::move(job), progress] {
        return renderPrintJob(printer, job, [progress](int done, int total) {
            progress->done = done;
            progress->total = total;
            return !progress->cancel.load();
        });
    }));
    poll.start(kProgressPollMs);
    if (!watcher.isFinished())
        loop.exec();
    poll.stop();
    return watcher.result();
}

} // namespace pictra::ui
