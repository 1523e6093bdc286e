// PreviewFrame: one of a tool dialog's two pictures ("元の画像" or
// "編集後の画像"), a white cell with the picture fitted into it. It shows a
// record the dialog owns and never loads anything itself.
#pragma once

#include "core/image/image_record.h"

#include <QWidget>

namespace pictra::ui {

class PreviewFrame : public QWidget {
    Q_OBJECT
public:
    PreviewFrame(int controlId, QWidget* parent);

    // The picture to show (nullptr: an empty cell); the record must outlive
    // the frame or be replaced before it goes.
    void showPicture(const ImageRecord* picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ImageRecord* m_picture = nullptr;
};

} // namespace pictra::ui
