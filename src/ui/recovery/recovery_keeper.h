// RecoveryKeeper: keeps a recovery copy of every changed open album. A timer
// compares each album's change serial with the copy's; due albums are copied
// (a cheap record copy) on the ui thread and written on a worker thread, so
// a big album never holds up the windows. Copies of albums that are saved,
// discarded or closed go. The program's run marker lives as long as the keeper runs.
#pragma once

#include "core/recovery/recovery_copies.h"

#include <QFutureWatcher>
#include <QObject>

#include <map>
#include <string>
#include <vector>

class QTimer;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

// How often the albums are looked at: a change is in its copy within about
// twice this.
inline constexpr int kRecoveryCheckMs = 1000;

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    explicit RecoveryKeeper(AppState& state, QObject* parent = nullptr);
    // Waits for a write in progress; leaves the copies and the marker.
    ~RecoveryKeeper() override;

    // Writes the run marker and starts looking at the albums.
    void start();
    // One look: hands the due copies to the worker (unless a write is still
    // running; it looks again when that ends) and removes unwanted ones.
    void checkNow();
    // At a normal exit: waits for the worker, writes what is still due at
    // once, removes the copies of albums without changes, and removes the
    // marker when no copy is left. Copies of albums the user did not decide
    // about stay, so the next start offers them.
    void finish();

    // Takes on the copy a restored album came from: rewritten at the next
    // look, removed like any other when the album is saved or discarded.
    void adopt(const std::string& albumPath);

    bool writing() const;
    // True when no write runs and every changed album's copy is current.
    bool upToDate() const;
    const ProcessIdentity& self() const { return m_self; }

signals:
    // A batch of copies is on disk.
    void copiesWritten();

private:
    std::vector<RecoverySnapshot> takeDue(const std::vector<int>& dueSlots);
    void removeUnwanted(const std::vector<std::string>& paths);
    void forgetFailed(const std::vector<std::pair<std::string, Status>>& written);
    void batchDone();

    AppState& m_state;
    ProcessIdentity m_self;
    QTimer* m_timer = nullptr;
    QFutureWatcher<std::vector<std::pair<std::string, Status>>> m_batch;
    std::map<std::string, std::uint32_t> m_kept; // album path -> serial its copy was taken at
    bool m_started = false;
};

} // namespace pictra::ui
