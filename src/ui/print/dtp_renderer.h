// A DTP page: the picture fitted into the sheet and the text over it in the
// chosen font, character size, direction and colour. The same drawing serves
// the preview and the printer.
#pragma once

#include "core/print/dtp_page.h"
#include "core/print/dtp_setup.h"

#include <QColor>
#include <QImage>
#include <QString>

class QPainter;
class QPrinter;

namespace pictra::ui {

struct DtpContent {
    DtpSetup setup;
    QString text;
    QString fontFamily;
    double charWidth = 10;  // mm ("横")
    double charHeight = 10; // mm ("縦")
    TextDirection direction = TextDirection::Vertical;
    QColor colour = Qt::black;
};

// Draws the page with `painter` in millimetres from the sheet's top-left,
// y down. `picture` may be null (no picture) or a reduced copy.
void paintDtpPage(QPainter& painter, const DtpContent& content, const QImage& picture);

// Prints one page; false when the printer or PDF file could not be opened.
bool renderDtpPage(QPrinter& printer, const DtpContent& content, const QImage& picture);

} // namespace pictra::ui
