// AlbumWindowHost: what an album window needs from the main window that
// holds it. CMainFrame implements it; tests use a plain QMdiArea host.
#pragma once

#include <QString>

class QMdiArea;
class QPrinter;
class QPoint;
class QWidget;

namespace pictra::ui {

class CChildFrame;
class UserPrompts;

class AlbumWindowHost {
public:
    virtual ~AlbumWindowHost() = default;

    // The MDI area every album, single-image and slide window lives in.
    virtual QMdiArea& mdiArea() = 0;
    // Every question to the user goes through these.
    virtual UserPrompts& prompts() = 0;

    // The navigation tip over an album page: show `text` near the cursor for
    // `view` (after the navigation delay of the settings; views ask only
    // while navigation is on), hide it, and let it see the view's mouse moves.
    virtual void showNavigationTip(QWidget* view, const QString& text) = 0;
    virtual void hideNavigationTip() = 0;
    virtual void relayNavigationTip(QWidget* view, const QPoint& globalPos) = 0;

    // The slide timer: (re)start it with an interval in milliseconds, or stop
    // it. On every timeout the host calls slideShowTick(state, host)
    // (ui/albumwindow/slide_show_runner.h).
    virtual void startSlideTimer(int intervalMs) = 0;
    virtual void stopSlideTimer() = 0;

    // The focused image changed: the information bar shows the focused entry
    // of the working copy and the picture now in the shared image record.
    virtual void refreshInfoBar() = 0;

    // Progress of a long append (files done of total); the host lets pending
    // events run so the window stays responsive.
    virtual void reportProgress(int done, int total) = 0;

    // Makes another window the active, topmost MDI child.
    virtual void bringToTop(CChildFrame& frame) = 0;

    // The session's printer: the printer set-up's choice lasts until the program ends.
    virtual QPrinter& printer() = 0;
    // True once a paper other than the one in force was confirmed under
    // "プリンタの設定": the print dialogs then open on the printer's page.
    virtual bool printerPaperChosen() const { return false; }

    // Saves the album of `frame` (made the active window first) as "上書き保存"
    // does, asking for a name when it has none. True when it is in its file;
    // false when the user cancelled or the save failed (told to the user).
    virtual bool saveAlbum(CChildFrame& frame) = 0;
};

} // namespace pictra::ui
