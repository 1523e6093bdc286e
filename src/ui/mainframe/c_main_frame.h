// CMainFrame: the program's main window, an MDI frame for album windows.
#pragma once

#include <QMainWindow>

class QMdiArea;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

inline constexpr const char* kMainWindowTitle = "Pictra  Version1.04";

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(AppState& state, QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return m_mdi; }

private:
    AppState& m_state;
    QMdiArea* m_mdi = nullptr;
};

} // namespace pictra::ui
