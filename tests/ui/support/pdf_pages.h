// Rendering the pages of a PDF file into images with pdftoppm, for tests
// that check what a print job put on paper.
#pragma once

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <vector>

namespace pictra::test {

// Every page of `pdf` at `dpi`, in page order; empty when pdftoppm fails.
inline std::vector<QImage> renderPdfPages(const QString& pdf, int dpi)
{
    const QString prefix = pdf + QStringLiteral(".page");
    QProcess run;
    run.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf,
                                           prefix});
    if (!run.waitForFinished(60000) || run.exitCode() != 0)
        return {};
    const QFileInfo info(prefix);
    QStringList names = QDir(info.absolutePath()).entryList({info.fileName() + QStringLiteral("-*.png")}, QDir::Files);
    // pdftoppm pads page numbers to one width, so names sort in page order.
    names.sort();
    std::vector<QImage> pages;
    for (const QString& name : names)
        pages.emplace_back(info.absolutePath() + QLatin1Char('/') + name);
    return pages;
}

inline bool isColour(QRgb pixel, QRgb expected, int tolerance = 60)
{
    return std::abs(qRed(pixel) - qRed(expected)) <= tolerance && std::abs(qGreen(pixel) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(pixel) - qBlue(expected)) <= tolerance;
}

} // namespace pictra::test
