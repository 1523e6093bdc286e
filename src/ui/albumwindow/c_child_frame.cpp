// CChildFrame: window life cycle and album-wide commands.
#include "ui/albumwindow/c_child_frame.h"

#include "app/app_state.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_view_pictra.h"

#include <QCloseEvent>
#include <QMdiArea>

#include <atomic>

namespace pictra::ui {
namespace {

std::uint64_t nextViewId()
{
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

} // namespace

CChildFrame::CChildFrame(AppState& state, AlbumWindowHost& host, AlbumKind kind)
    : m_state(state), m_host(host), m_kind(kind), m_viewId(nextViewId())
{
    setAttribute(Qt::WA_DeleteOnClose);
    if (kind == AlbumKind::Album) {
        m_pageView = new CViewPictra(state, host, *this, m_viewId);
        setWidget(m_pageView);
    }
    host.mdiArea().addSubWindow(this);
}

CChildFrame::~CChildFrame() = default;

bool CChildFrame::handleCommand(int) { return false; }

int CChildFrame::appendImages(const std::vector<std::string>&) { return 0; }

CChildFrame* CChildFrame::find(QMdiArea& area, std::uint64_t viewId)
{
    for (QMdiSubWindow* sub : area.subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(sub);
        if (frame && frame->viewId() == viewId)
            return frame;
    }
    return nullptr;
}

void CChildFrame::closeEvent(QCloseEvent* event) { QMdiSubWindow::closeEvent(event); }

void CChildFrame::resizeEvent(QResizeEvent* event) { QMdiSubWindow::resizeEvent(event); }

} // namespace pictra::ui
