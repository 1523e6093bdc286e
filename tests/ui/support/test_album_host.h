// A test stand-in for the main window: a plain QMdiArea, scripted prompts,
// and records of what the album windows asked of their host.
#pragma once

#include "support/scripted_prompts.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_child_frame.h"

#include <QMdiArea>
#include <QPoint>
#include <QPrinter>

namespace pictra::test {

class TestAlbumHost final : public ui::AlbumWindowHost {
public:
    TestAlbumHost() { m_area.resize(1024, 768); m_area.show(); }

    QMdiArea& mdiArea() override { return m_area; }
    ui::UserPrompts& prompts() override { return scripted; }

    void showNavigationTip(QWidget*, const QString& text) override { tipText = text; tipShown = true; }
    void hideNavigationTip() override { tipShown = false; }
    void relayNavigationTip(QWidget*, const QPoint&) override {}

    void startSlideTimer(int intervalMs) override { slideInterval = intervalMs; slideTimerRunning = true; }
    void stopSlideTimer() override { slideTimerRunning = false; }

    void refreshInfoBar() override { ++infoBarRefreshes; }
    void reportProgress(int, int) override { ++progressReports; }
    void bringToTop(ui::CChildFrame& frame) override { m_area.setActiveSubWindow(&frame); }
    QPrinter& printer() override { return sessionPrinter; }
    bool saveAlbum(ui::CChildFrame&) override
    {
        ++saves;
        return saveSucceeds;
    }

    ScriptedPrompts scripted;
    QString tipText;
    bool tipShown = false;
    int slideInterval = 0;
    bool slideTimerRunning = false;
    int infoBarRefreshes = 0;
    int progressReports = 0;
    QPrinter sessionPrinter;
    int saves = 0;
    bool saveSucceeds = true;

private:
    QMdiArea m_area;
};

} // namespace pictra::test
