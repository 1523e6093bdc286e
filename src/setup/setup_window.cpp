// The setup background window.
#include "setup/setup_window.h"

#include "setup/setup_texts.h"

#include <QLinearGradient>
#include <QPainter>

namespace pictra::setup {

QImage setupBackground()
{
    QImage image(1280, 1024, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, image.height());
    gradient.setColorAt(0, QColor(16, 40, 96));
    gradient.setColorAt(1, QColor(70, 130, 200));
    painter.fillRect(image.rect(), gradient);
    QFont font = painter.font();
    font.setPixelSize(72);
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255, 200));
    painter.drawText(QRect(60, 40, 1100, 120), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pictra"));
    font.setPixelSize(28);
    font.setItalic(false);
    painter.setFont(font);
    painter.drawText(QRect(66, 150, 1100, 50), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Version " PICTRA_VERSION " ｾｯﾄｱｯﾌﾟ"));
    return image;
}

SetupWindow::SetupWindow(QWidget* parent) : QWidget(parent), m_background(setupBackground())
{
    setWindowTitle(QString::fromUtf8(kSetupTitle));
}

void SetupWindow::paintEvent(QPaintEvent*)
{
    // One to one at the top left; a larger screen shows the last colour beyond it.
    QPainter painter(this);
    painter.fillRect(rect(), QColor(70, 130, 200));
    painter.drawImage(0, 0, m_background);
}

} // namespace pictra::setup
