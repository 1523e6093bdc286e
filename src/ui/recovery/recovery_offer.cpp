// Reporting, offering and restoring recovery copies at start.
#include "ui/recovery/recovery_offer.h"

#include "core/app/app_state.h"
#include "ui/mainframe/album_documents.h"
#include "ui/prompts/user_prompts.h"
#include "ui/recovery/recovery_keeper.h"
#include "ui/recovery/recovery_messages.h"

namespace pictra::ui {

QStringList recoveryOfferLines(const std::vector<RecoveryCopy>& copies)
{
    QStringList lines;
    for (const RecoveryCopy& c : copies)
        lines << recoveryOfferLine(c.note);
    return lines;
}

int offerRecovery(AppState& state, AlbumDocuments& documents, UserPrompts& prompts, QWidget* window,
                  RecoveryKeeper& keeper)
{
    const ProcessIdentity& self = keeper.self();
    const RecoveryFolderScan scan = scanRecoveryFolder(state.programFolder, self);
    if (!scan.damaged.empty()) {
        for (const DamagedRecovery& d : scan.damaged)
            (void)moveDamagedAside(d); // a copy that stays in place is reported again next start
        prompts.showMessage(window, damagedRecoveryMessage(
                                        scan.damaged, QString::fromStdString(recoveryFolder(state.programFolder))));
    }
    int restored = 0;
    if (!scan.recoverable.empty()) {
        const QStringList lines = recoveryOfferLines(scan.recoverable);
        const QList<bool> answers = prompts.chooseAlbumsToRestore(window, lines);
        for (qsizetype i = 0; i < answers.size() && i < lines.size(); ++i) {
            const RecoveryCopy& copy = scan.recoverable[static_cast<std::size_t>(i)];
            if (!answers[i]) {
                discardRecoveryCopy(copy);
                continue;
            }
            if (const Status s = documents.restoreAlbum(copy.copyPath, copy.note.albumPath); s != Status::Ok) {
                prompts.showMessage(window, restoreFailureMessage(lines[i], s));
                continue;
            }
            ++restored;
            // Unclaimed, a crash before this program's first copy still leaves it offered.
            (void)claimRecoveryCopy(copy, self); // see above
            keeper.adopt(copy.note.albumPath);
        }
    }
    tidyRecoveryFolder(state.programFolder, self);
    return restored;
}

} // namespace pictra::ui
