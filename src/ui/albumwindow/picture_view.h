// PictureView: the view of a single-image or slide window. It draws one
// picture fitted into its client area: the slide show's current picture in
// the slide window while a show runs, else the window's only image.
#pragma once

#include <QWidget>

#include <cstdint>

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class PictureView : public QWidget {
    Q_OBJECT
public:
    PictureView(AppState& state, std::uint64_t viewId, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AppState& m_state;
    std::uint64_t m_viewId;
};

} // namespace pictra::ui
