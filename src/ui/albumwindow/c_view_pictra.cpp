// CViewPictra: controls, painting and mouse handling of the album page.
#include "ui/albumwindow/c_view_pictra.h"

#include "app/app_state.h"
#include "ui/albumwindow/album_window_host.h"
#include "ui/albumwindow/c_child_frame.h"

#include <QComboBox>
#include <QRadioButton>
#include <QSlider>

namespace pictra::ui {

CViewPictra::CViewPictra(AppState& state, AlbumWindowHost& host, CChildFrame& frame, std::uint64_t viewId)
    : QWidget(&frame), m_state(state), m_host(host), m_frame(frame), m_viewId(viewId)
{
    m_pageCombo = new QComboBox(this);
    m_pageCombo->setObjectName(QStringLiteral("1081"));
    m_pageCombo->addItem(QStringLiteral("1/1"));
    m_columnsRadio = new QRadioButton(QStringLiteral("横"), this);
    m_columnsRadio->setObjectName(QStringLiteral("1067"));
    m_rowsRadio = new QRadioButton(QStringLiteral("縦"), this);
    m_rowsRadio->setObjectName(QStringLiteral("1068"));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("1083"));
    m_slider->setRange(1, 10);
}

CViewPictra::~CViewPictra() = default;

bool CViewPictra::handleCommand(int) { return false; }

void CViewPictra::fillPageCombo() {}

} // namespace pictra::ui
