// The start-up picture: a 567 × 246 bitmap copied into the main window's
// client area for a while, then removed so the window repaints. It never
// blocks the event loop.
#pragma once

#include <QImage>
#include <QWidget>

namespace pictra::ui {

inline constexpr int kSplashWidth = 567;
inline constexpr int kSplashHeight = 246;
inline constexpr int kSplashMs = 3500;

// Draws the start-up picture (title, version and a few photo frames).
QImage splashImage();

// Top-left corner of the picture in a client area of the given size:
// x = (width − 567) / 2, y = 2 × (height − 246) / 5, whole-number division.
QPoint splashPosition(const QSize& clientArea);

// Shows the picture over the client area `client` (in `window`'s
// coordinates) for `durationMs`, then deletes itself.
class SplashOverlay : public QWidget {
    Q_OBJECT
public:
    SplashOverlay(QWidget* window, const QRect& client, int durationMs);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};

} // namespace pictra::ui
