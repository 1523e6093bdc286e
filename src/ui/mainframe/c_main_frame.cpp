// CMainFrame: the main window and its MDI area.
#include "ui/mainframe/c_main_frame.h"

#include "app/app_state.h"

#include <QMdiArea>

namespace pictra::ui {

CMainFrame::CMainFrame(AppState& state, QWidget* parent) : QMainWindow(parent), m_state(state)
{
    setWindowTitle(QString::fromUtf8(kMainWindowTitle));
    m_mdi = new QMdiArea(this);
    setCentralWidget(m_mdi);
    resize(1000, 768);
}

} // namespace pictra::ui
