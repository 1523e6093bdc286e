// The recovery timer and its worker.
#include "ui/recovery/recovery_keeper.h"

#include "core/app/app_state.h"
#include "core/recovery/recovery_plan.h"

#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <chrono>

namespace pictra::ui {

namespace {

using BatchResult = std::vector<std::pair<std::string, Status>>;

std::int64_t secondsNow()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

BatchResult writeBatch(const std::vector<RecoverySnapshot>& batch, const std::string& programFolder)
{
    BatchResult result;
    for (const RecoverySnapshot& s : batch)
        result.emplace_back(s.albumPath, writeRecoveryCopy(s, programFolder));
    return result;
}

} // namespace

RecoveryKeeper::RecoveryKeeper(AppState& state, QObject* parent)
    : QObject(parent), m_state(state), m_self(currentProcess())
{
    m_timer = new QTimer(this);
    m_timer->setInterval(kRecoveryCheckMs);
    connect(m_timer, &QTimer::timeout, this, &RecoveryKeeper::checkNow);
    connect(&m_batch, &QFutureWatcherBase::finished, this, &RecoveryKeeper::batchDone);
}

RecoveryKeeper::~RecoveryKeeper()
{
    m_timer->stop();
    m_batch.waitForFinished();
}

void RecoveryKeeper::start()
{
    if (m_started)
        return;
    m_started = true;
    // Without a marker the copies still work; a crash then looks like an exit that kept changes.
    (void)writeRunMarker(m_state.programFolder, m_self); // see above
    m_timer->start();
}

void RecoveryKeeper::adopt(const std::string& albumPath)
{
    m_kept[albumPath] = 0; // a changed album's serial is never 0, so the next look writes it anew
}

bool RecoveryKeeper::writing() const { return m_batch.isRunning(); }

bool RecoveryKeeper::upToDate() const
{
    return !writing() && planRecoveryWork(*m_state.albums, m_kept) == RecoveryWork{};
}

std::vector<RecoverySnapshot> RecoveryKeeper::takeDue(const std::vector<int>& dueSlots)
{
    std::vector<RecoverySnapshot> batch;
    const std::int64_t now = secondsNow();
    for (const int slot : dueSlots) {
        batch.push_back(takeRecoverySnapshot(freshestRecord(*m_state.albums, slot), now, m_self));
        m_kept[batch.back().albumPath] = batch.back().serial;
    }
    return batch;
}

void RecoveryKeeper::removeUnwanted(const std::vector<std::string>& paths)
{
    for (const std::string& path : paths) {
        removeRecoveryCopy(m_state.programFolder, path);
        m_kept.erase(path);
    }
}

void RecoveryKeeper::checkNow()
{
    if (!m_started || writing())
        return; // batchDone looks again
    const RecoveryWork work = planRecoveryWork(*m_state.albums, m_kept);
    removeUnwanted(work.removals);
    if (work.snapshotSlots.empty())
        return;
    m_batch.setFuture(QtConcurrent::run(writeBatch, takeDue(work.snapshotSlots), m_state.programFolder));
}

void RecoveryKeeper::forgetFailed(const std::vector<std::pair<std::string, Status>>& written)
{
    for (const auto& [path, status] : written) {
        if (status != Status::Ok)
            m_kept.erase(path); // tried again at the next look
    }
}

void RecoveryKeeper::batchDone()
{
    forgetFailed(m_batch.result());
    emit copiesWritten();
    // An album saved or closed while its copy was being written loses it now.
    checkNow();
}

void RecoveryKeeper::finish()
{
    if (!m_started)
        return;
    m_timer->stop();
    m_batch.waitForFinished();
    if (m_batch.future().resultCount() > 0)
        forgetFailed(m_batch.result()); // its finished signal may never be delivered now
    const RecoveryWork work = planRecoveryWork(*m_state.albums, m_kept);
    removeUnwanted(work.removals);
    forgetFailed(writeBatch(takeDue(work.snapshotSlots), m_state.programFolder));
    if (m_kept.empty())
        removeRunMarker(m_state.programFolder, m_self);
    m_started = false;
}

} // namespace pictra::ui
