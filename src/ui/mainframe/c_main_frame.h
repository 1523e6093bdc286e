// CMainFrame: the program's main window. An MDI frame for album windows with
// the menu bar, toolbar, status bar and information bar; it routes commands
// to the application or the active album window, enables them by the rules,
// opens albums (recent list, dropped files, the shell's open command),
// drives the slide-show timer and asks before the program ends.
#pragma once

#include "core/commands/command_enabling.h"
#include "core/util/program_version.h"
#include "ui/albumwindow/album_window_host.h"

#include <QMainWindow>
#include <QPrinter>

#include <memory>

class QMdiArea;
class QTimer;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

inline constexpr const char* kMainWindowTitle = "Pictra  Version" PICTRA_VERSION;
inline constexpr const char* kExitQuestion = "Pictraを終了しますがよろしいですか。";

class AlbumDocuments;
class CommandActions;
class DropHandler;
class InfoBar;
class NavigationTip;
class QtUserPrompts;
class RecoveryKeeper;

class CMainFrame : public QMainWindow, public AlbumWindowHost {
    Q_OBJECT
public:
    // `prompts` answers every question; nullptr uses the real dialogs.
    explicit CMainFrame(AppState& state, UserPrompts* prompts = nullptr, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QMdiArea* mdi() const { return m_mdi; }
    InfoBar* infoBar() const { return m_infoBar; }
    CommandActions& commands() const { return *m_commands; }
    AlbumDocuments& documents() const { return *m_documents; }
    DropHandler& drops() const { return *m_drops; }
    NavigationTip& navigationTip() const { return *m_tip; }
    RecoveryKeeper& recovery() const { return *m_recovery; }

    // Carries out command `id` when the rules allow it: application commands
    // here, the others in the active album window. False when nothing ran.
    bool handleCommand(int id);

    // The state the enabling rules see, and applying them to every action.
    WindowState windowState() const;
    void updateCommandStates();

    // Rebuilds the recent albums of the File menu from PARAM/used_file.dat.
    void rebuildRecentMenu();
    // Lists the open windows at the end of the ウインドウ menu (done as it opens).
    void rebuildWindowMenu();

    // Handles a command text of the shell (a later start): [open("x.abm")].
    void executeShellCommand(const QString& text);

    // The exit steps without the question (window rectangle, open albums
    // marked in the recent list, scratch files and store folders deleted,
    // table cleared). Runs once.
    void runExitSteps();

    // AlbumWindowHost
    QMdiArea& mdiArea() override;
    UserPrompts& prompts() override;
    void showNavigationTip(QWidget* view, const QString& text) override;
    void hideNavigationTip() override;
    void relayNavigationTip(QWidget* view, const QPoint& globalPos) override;
    void startSlideTimer(int intervalMs) override;
    void stopSlideTimer() override;
    void refreshInfoBar() override;
    void reportProgress(int done, int total) override;
    void bringToTop(CChildFrame& frame) override;
    QPrinter& printer() override { return m_printer; }
    bool printerPaperChosen() const override { return m_printerPaperChosen; }
    bool saveAlbum(CChildFrame& frame) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createBars();
    void startTimers();
    bool runApplicationCommand(int id);
    // Before the program ends: each album with unsaved changes is shown and
    // asked about (save, discard or stay); without any, the exit question.
    // False when the program is to stay open.
    bool mayExit();
    void refreshWindowTitles();
    void setUpPrinter();
    void openManual();

    AppState& m_state;
    std::unique_ptr<QtUserPrompts> m_ownPrompts;
    UserPrompts* m_prompts = nullptr;
    QMdiArea* m_mdi = nullptr;
    CommandActions* m_commands = nullptr;
    InfoBar* m_infoBar = nullptr;
    QTimer* m_slideTimer = nullptr;
    QTimer* m_idleUpdate = nullptr;
    NavigationTip* m_tip = nullptr;
    std::unique_ptr<AlbumDocuments> m_documents;
    std::unique_ptr<DropHandler> m_drops;
    RecoveryKeeper* m_recovery = nullptr;
    QPrinter m_printer; // the printer and paper chosen in the print set-up
    bool m_printerPaperChosen = false;
    bool m_exited = false;
};

} // namespace pictra::ui
