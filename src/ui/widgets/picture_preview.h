// PicturePreview: the "プレビュー" frame of the file dialogs. It draws one
// image file fitted into its area, or stays white without one.
#pragma once

#include <QWidget>

#include <string>

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class PicturePreview : public QWidget {
    Q_OBJECT
public:
    PicturePreview(AppState& state, QWidget* parent);

    // The file shown ("" for none); repaints.
    void setPath(const std::string& path);
    const std::string& path() const { return m_path; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AppState& m_state;
    std::string m_path;
};

} // namespace pictra::ui
