// CPictraView: the view of a single-image or slide window. It draws the
// picture fitted to the window (the slide show's current picture in the
// slide window while a show runs). In a single-image window it also zooms
// into a rectangle drawn with the mouse, steps back through the zoom stack,
// pans a zoomed picture by dragging and opens the image tools.
#pragma once

#include "core/album/album_record.h"
#include "core/tools/image_tool.h"

#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>



namespace pictra {
struct AppState;
}

namespace pictra::ui {

class AlbumWindowHost;
class CChildFrame;

class CPictraView : public QWidget {
    Q_OBJECT
public:
    CPictraView(AppState& state, AlbumWindowHost& host, CChildFrame& frame, std::uint64_t viewId);

    // Zoom, zoom back, standard size and the tools; false for other commands.
    bool handleCommand(int id);

    const ZoomState& zoomState() const { return m_zoom; }
    // The outline the picture is drawn at while zoomed (client coordinates).
    const Outline& zoomedOutline() const { return m_outline; }
    // The shown picture's path.
    std::string picturePath() const;
    // The zoom stack file this view writes.
    std::string zoomStackFile() const;
    // The open popup menu, for tests.
    QMenu* popupMenu() const { return m_popup; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const AlbumRecord* record() const;
    bool isSingleImage() const;
    Rect clientRect() const;
    void setZoom(const ZoomState& zoom);
    void enterZoomMode();
    void zoomInto(PointD second);
    void zoomBack();
    void standardSize();
    void finishPan(QPoint at);
    void showPopup(QPoint global);
    // The current stack, or nullopt (and the view drawn fitted) when its file is bad.
    std::optional<std::vector<Outline>> zoomLevels();
    // Opens the tool on the shown picture; false when it cannot open (the user is told).
    bool launchTool(ImageTool tool);
    // "追加": the window shows the new file, and the album the copy was stored
    // in lists it at its end.
    void showAddedPicture(const std::string& oldPath, const std::string& newPath, int albumSlot);
    // After "変更" or "追加": album pages and the information bar show the result.
    void showEditedPicture();
    // "開く": a new single-image window for the result's copy.
    void openToolResult(const std::string& path);

    AppState& m_state;
    AlbumWindowHost& m_host;
    CChildFrame& m_frame;
    std::uint64_t m_viewId;
    ZoomState m_zoom;
    Outline m_outline{};
    bool m_dragging = false;
    bool m_leftHeld = false;
    QPoint m_last;
    QPointer<QMenu> m_popup;
};

} // namespace pictra::ui
