// DragOutline: the rectangle that follows the mouse while a picture is
// dragged in a print dialog. A see-through layer over the whole dialog, so
// the outline shows over the strip and the sheet alike; it never takes the
// mouse.
#pragma once

#include "core/album/album_record.h"

#include <QWidget>

#include <optional>

namespace pictra::ui {

class DragOutline : public QWidget {
    Q_OBJECT
public:
    explicit DragOutline(QWidget* dialog);

    // The outline in the dialog's coordinates, or none.
    void showAt(const Rect& rect);
    void hideOutline();
    std::optional<Rect> outline() const { return m_rect; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<Rect> m_rect;
};

} // namespace pictra::ui
