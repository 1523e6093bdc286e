// CViewPictra: the page view of an album window. Shows one page of the album
// as a grid of thumbnail cells; selection, dragging, page combo box, the
// column/row slider and the context menu.
#pragma once

#include <QWidget>

#include <cstdint>

class QComboBox;
class QRadioButton;
class QSlider;

namespace pictra {
struct AppState;
struct AlbumRecord;
}

namespace pictra::ui {

class AlbumWindowHost;
class CChildFrame;

class CViewPictra : public QWidget {
    Q_OBJECT
public:
    CViewPictra(AppState& state, AlbumWindowHost& host, CChildFrame& frame, std::uint64_t viewId);
    ~CViewPictra() override;

    // Carries out a command of the view; false when it is not one of its own.
    bool handleCommand(int id);

    std::uint64_t viewId() const { return m_viewId; }

    // Refills the page combo box ("n/m" items) and selects the current page.
    void fillPageCombo();

private:
    AppState& m_state;
    AlbumWindowHost& m_host;
    CChildFrame& m_frame;
    std::uint64_t m_viewId;
    QComboBox* m_pageCombo = nullptr;
    QRadioButton* m_columnsRadio = nullptr;
    QRadioButton* m_rowsRadio = nullptr;
    QSlider* m_slider = nullptr;
};

} // namespace pictra::ui
