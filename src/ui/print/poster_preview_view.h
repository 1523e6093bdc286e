// PosterPreviewView: the preview of a poster print (control 1058): the
// sheets' area in white, the picture on the poster, every sheet's outline.
#pragma once

#include "core/print/poster_layout.h"

#include <QImage>
#include <QWidget>

namespace pictra::ui {

class PosterPreviewView : public QWidget {
public:
    explicit PosterPreviewView(QWidget* parent);

    // `picture` may be a reduced copy: it is drawn into the plan's place.
    void show(const PosterPlan& plan, const QImage& picture);
    const PosterPreview& preview() const { return m_preview; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PosterPlan m_plan;
    QImage m_picture;
    PosterPreview m_preview;
};

} // namespace pictra::ui
