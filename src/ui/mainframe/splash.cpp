// Drawing and showing the start-up picture.
#include "ui/mainframe/splash.h"

#include "core/util/program_version.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

namespace pictra::ui {

namespace {

// A tilted photo print with a small landscape inside.
void drawPrint(QPainter& p, QPointF centre, qreal angle, QColor sky, QColor land)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF frame(-55, -42, 110, 84);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(frame);
    const QRectF photo = frame.adjusted(6, 6, -6, -14);
    p.fillRect(photo, sky);
    QPolygonF hills;
    hills << photo.bottomLeft() << QPointF(photo.left() + 30, photo.top() + 38) << QPointF(photo.left() + 55, photo.bottom() - 14)
          << QPointF(photo.left() + 75, photo.top() + 30) << photo.bottomRight();
    p.setPen(Qt::NoPen);
    p.setBrush(land);
    p.drawPolygon(hills);
    p.setBrush(QColor(255, 220, 90));
    p.drawEllipse(QPointF(photo.right() - 16, photo.top() + 14), 7, 7);
    p.restore();
}

} // namespace

QImage splashImage()
{
    QImage image(kSplashWidth, kSplashHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kSplashHeight);
    sky.setColorAt(0, QColor(30, 70, 140));
    sky.setColorAt(1, QColor(130, 190, 235));
    p.fillRect(image.rect(), sky);
    drawPrint(p, {420, 120}, -8, QColor(150, 200, 250), QColor(60, 150, 70));
    drawPrint(p, {480, 150}, 10, QColor(250, 190, 120), QColor(120, 90, 60));
    drawPrint(p, {400, 175}, 4, QColor(200, 230, 255), QColor(40, 110, 160));
    p.setPen(Qt::white);
    QFont title(QStringLiteral("IPAGothic"), 44, QFont::Bold);
    p.setFont(title);
    p.drawText(QRect(30, 50, 320, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pictra"));
    p.setFont(QFont(QStringLiteral("IPAGothic"), 14));
    p.drawText(QRect(34, 130, 320, 30), Qt::AlignLeft, QStringLiteral("Version" PICTRA_VERSION));
    p.drawText(QRect(34, 165, 340, 30), Qt::AlignLeft, QStringLiteral("写真アルバム管理ソフト"));
    p.setPen(QPen(QColor(255, 255, 255, 160), 2));
    p.drawLine(34, 160, 300, 160);
    return image;
}

QPoint splashPosition(const QSize& clientArea)
{
    return {(clientArea.width() - kSplashWidth) / 2, 2 * (clientArea.height() - kSplashHeight) / 5};
}

SplashOverlay::SplashOverlay(QWidget* window, const QRect& client, int durationMs)
    : QWidget(window), m_image(splashImage())
{
    setObjectName(QStringLiteral("200"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(QRect(client.topLeft() + splashPosition(client.size()), m_image.size()));
    show();
    raise();
    // Deleting the widget invalidates its rectangle, so the client repaints it.
    QTimer::singleShot(durationMs, this, &QObject::deleteLater);
}

void SplashOverlay::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, m_image);
}

} // namespace pictra::ui
