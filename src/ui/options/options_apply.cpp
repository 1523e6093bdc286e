// The options sheet's "OK" in the running program.
#include "ui/options/options_apply.h"

#include "core/app/app_state.h"
#include "core/image/shared_image.h"
#include "core/metadata/metadata_settings.h"
#include "core/options/options_effects.h"
#include "core/platform/program_paths.h"
#include "core/settings/settings_file.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/c_view_pictra.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/dialogs/status_messages.h"
#include "ui/options/options_sheet.h"
#include "ui/prompts/user_prompts.h"

#include <QMdiArea>

namespace pictra::ui {
namespace {

// The setting is the buffer's cap: memory above a lower cap is given back
// at once, so the picture the information bar shows is loaded again.
void changeImageBuffer(AppState& state, AlbumWindowHost& host)
{
    if (!state.sharedImage)
        return; // made on first use with the new setting
    makeSharedImage(state.sharedImage, state.settings);
    loadShared(state, focusedPicturePath(state, state.albums->working));
    host.refreshInfoBar();
}

void relayoutAlbumWindows(AlbumWindowHost& host)
{
    for (QMdiSubWindow* sub : host.mdiArea().subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(sub);
        if (frame && frame->pageView())
            frame->pageView()->relayoutFromSettings();
    }
}

bool slideShowRunning(const AppState& state)
{
    return state.slideShow.state == SlideState::Forward || state.slideShow.state == SlideState::Reverse;
}

} // namespace

void runOptionsSheet(AppState& state, AlbumWindowHost& host, QWidget* parent)
{
    const auto ini = readPictraIni(state.programFolder);
    const bool dateTaken = ini ? dateTakenForNewEntries(*ini) : true;
    COptionsSheet sheet(state.settings, host.prompts(), parent, dateTaken);
    if (sheet.exec() != QDialog::Accepted)
        return;
    applyOptions(state, host, sheet.edited(), parent);
    if (sheet.dateTaken() != dateTaken) {
        const Status stored = updatePictraIni(state.programFolder,
                                              [&](PictraIni& file) { setDateTakenForNewEntries(file, sheet.dateTaken()); });
        if (stored != Status::Ok) {
            const QString path = QString::fromStdString(paramFilePath(state.programFolder, kPictraIniFile));
            host.prompts().showMessage(parent, settingsSaveFailureMessage(path, stored));
        }
    }
}

void applyOptions(AppState& state, AlbumWindowHost& host, const WorkModeSettings& edited, QWidget* parent)
{
    const WorkModeSettings before = state.settings;
    const Status saved = saveSettings(state.programFolder, edited);
    if (saved != Status::Ok) {
        const QString path = QString::fromStdString(paramFilePath(state.programFolder, kWorkModeFile));
        host.prompts().showMessage(parent, settingsSaveFailureMessage(path, saved));
    }
    state.settings = edited;
    const OptionsEffects effects = optionsEffects(before, edited);
    if (effects.imageBuffer)
        changeImageBuffer(state, host);
    if (effects.pageLayout)
        relayoutAlbumWindows(host);
    if (effects.slideInterval && slideShowRunning(state))
        host.startSlideTimer(state.settings.slideIntervalMs);
}

} // namespace pictra::ui
