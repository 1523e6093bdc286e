// DtpPreviewView: the DTP dialog's preview (control 1058): the sheet scaled
// into the control, drawn as the page will print.
#pragma once

#include "ui/print/dtp_renderer.h"

#include <QWidget>

namespace pictra::ui {

class DtpPreviewView : public QWidget {
public:
    explicit DtpPreviewView(QWidget* parent);

    void show(const DtpContent& content, const QImage& picture);
    // The sheet's rectangle in this widget.
    Rect sheetRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DtpContent m_content;
    QImage m_picture;
};

} // namespace pictra::ui
