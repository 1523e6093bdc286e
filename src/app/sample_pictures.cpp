// Drawing the sample pictures.
#include "app/sample_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace pictra {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

void canvas(QPainter& p, QImage& image)
{
    image = QImage(kWidth, kHeight, QImage::Format_RGB32);
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
}

void sky(QPainter& p, QColor top, QColor bottom, int height)
{
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(0, 0, kWidth, height, g);
}

QImage sunset()
{
    QImage image;
    QPainter p;
    canvas(p, image);
    sky(p, QColor(70, 40, 120), QColor(250, 150, 60), kHeight);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 90));
    p.drawEllipse(QPointF(400, 300), 60, 60);
    QPainterPath hills;
    hills.moveTo(0, 340);
    hills.cubicTo(150, 260, 260, 400, 400, 330);
    hills.cubicTo(500, 290, 580, 320, 640, 300);
    hills.lineTo(640, 480);
    hills.lineTo(0, 480);
    p.setBrush(QColor(50, 30, 60));
    p.drawPath(hills);
    p.end();
    return image;
}

QImage sea()
{
    QImage image;
    QPainter p;
    canvas(p, image);
    sky(p, QColor(90, 160, 230), QColor(200, 230, 250), 240);
    QLinearGradient water(0, 240, 0, kHeight);
    water.setColorAt(0, QColor(30, 110, 170));
    water.setColorAt(1, QColor(10, 50, 100));
    p.fillRect(0, 240, kWidth, kHeight - 240, water);
    p.setPen(QPen(QColor(220, 240, 255), 2));
    for (int y = 260; y < kHeight; y += 24)
        for (int x = (y / 24 % 2) * 30; x < kWidth; x += 60)
            p.drawArc(x, y, 30, 10, 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(300, 150), QPointF(300, 250), QPointF(370, 250)}));
    p.setBrush(QColor(120, 60, 30));
    p.drawPolygon(QPolygonF({QPointF(250, 255), QPointF(390, 255), QPointF(370, 280), QPointF(270, 280)}));
    p.end();
    return image;
}

QImage flowers()
{
    QImage image;
    QPainter p;
    canvas(p, image);
    sky(p, QColor(120, 190, 90), QColor(40, 110, 40), kHeight);
    const QColor colours[] = {QColor(240, 80, 120), QColor(250, 220, 60), QColor(180, 100, 230), QColor(255, 255, 255)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        const QPointF centre(60 + (i * 197) % 540, 70 + (i * 131) % 360);
        p.setBrush(colours[i % 4]);
        for (int petal = 0; petal < 6; ++petal) {
            const qreal a = petal * M_PI / 3;
            p.drawEllipse(centre + QPointF(22 * qCos(a), 22 * qSin(a)), 16, 16);
        }
        p.setBrush(QColor(250, 170, 30));
        p.drawEllipse(centre, 12, 12);
    }
    p.end();
    return image;
}

QImage mountains()
{
    QImage image;
    QPainter p;
    canvas(p, image);
    sky(p, QColor(40, 90, 180), QColor(180, 210, 240), kHeight);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 100, 120));
    p.drawPolygon(QPolygonF({QPointF(-40, 420), QPointF(220, 120), QPointF(460, 420)}));
    p.setBrush(QColor(110, 120, 140));
    p.drawPolygon(QPolygonF({QPointF(200, 420), QPointF(470, 160), QPointF(700, 420)}));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(220, 120), QPointF(180, 166), QPointF(205, 160), QPointF(225, 175), QPointF(262, 168)}));
    p.drawPolygon(QPolygonF({QPointF(470, 160), QPointF(430, 199), QPointF(470, 190), QPointF(505, 194)}));
    p.fillRect(0, 400, kWidth, 80, QColor(50, 110, 50));
    p.setBrush(QColor(20, 70, 30));
    for (int x = 20; x < kWidth; x += 45)
        p.drawPolygon(QPolygonF({QPointF(x, 360), QPointF(x - 16, 420), QPointF(x + 16, 420)}));
    p.end();
    return image;
}

QImage colourChart()
{
    QImage image;
    QPainter p;
    canvas(p, image);
    for (int x = 0; x < kWidth; ++x) {
        p.setPen(QColor::fromHsv(x * 359 / kWidth, 255, 255));
        p.drawLine(x, 0, x, 239);
        const int grey = x * 255 / (kWidth - 1);
        p.setPen(QColor(grey, grey, grey));
        p.drawLine(x, 240, x, 359);
    }
    const QColor primaries[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow, Qt::black, Qt::white};
    for (int i = 0; i < 8; ++i)
        p.fillRect(i * 80, 360, 80, 120, primaries[i]);
    p.end();
    return image;
}

} // namespace

std::vector<SamplePicture> drawSamplePictures()
{
    return {
        {QStringLiteral("sample1.jpg"), sunset(), QStringLiteral("夕焼けの丘"), QStringLiteral("高原"),
         QStringLiteral("Pictraのサンプル画像です。\nメモ欄には自由に書き込めます。"), 2024, 9, 21},
        {QStringLiteral("sample2.jpg"), sea(), QStringLiteral("海とヨット"), QStringLiteral("海岸"),
         QStringLiteral("概要の文字はナビゲーションのヒントにも表示されます。"), 2024, 7, 14},
        {QStringLiteral("sample3.jpg"), flowers(), QStringLiteral("花畑"), QStringLiteral("公園"), QString(), 2024, 4, 5},
        {QStringLiteral("sample4.jpg"), mountains(), QStringLiteral("雪の山なみ"), QStringLiteral("山"), QString(), 2023, 12, 30},
        {QStringLiteral("sample5.jpg"), colourChart(), QStringLiteral("色見本"), QString(),
         QStringLiteral("ヒストグラムの確認用です。"), 2024, 1, 1},
    };
}

} // namespace pictra
