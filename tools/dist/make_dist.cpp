// Build-time helper for installing Pictra:
//   pictra_make_dist folder DIR          the distribution's data: PARAM with
//                                        the shipped settings, the sample
//                                        pictures in IMAGE and their album in USER
//   pictra_make_dist icons DIR           the program icon as DIR/<n>x<n>/apps/pictra.png
//   pictra_make_dist system-files DIR PREFIX
//                                        the menu entry, file type and thumbnailer
//                                        registration of a system-wide install
//   pictra_make_dist copyright FILE      the Debian package's copyright file, whose
//                                        licence is the setup program's agreement
#include "app/program_resources.h"
#include "app/program_startup.h"
#include "core/app/app_state.h"
#include "core/setup/debian_copyright.h"
#include "core/setup/desktop_files.h"
#include "core/util/file_io.h"
#include "core/util/program_subfolders.h"
#include "setup/setup_texts.h"

#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <string>
#include <string_view>

namespace {

QImage drawIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // An album cover with a photograph of a sunset over the sea on it.
    QPainterPath cover;
    cover.addRoundedRect(QRectF(6, 4, 52, 56), 5, 5);
    p.fillPath(cover, QColor(150, 40, 40));
    p.fillRect(QRectF(6, 4, 6, 56), QColor(110, 25, 25));
    const QRectF photo(17, 12, 35, 28);
    QLinearGradient sky(photo.topLeft(), photo.bottomLeft());
    sky.setColorAt(0, QColor(250, 170, 60));
    sky.setColorAt(1, QColor(240, 90, 60));
    p.fillRect(photo, Qt::white);
    const QRectF inner = photo.adjusted(2, 2, -2, -2);
    p.fillRect(inner, sky);
    p.setBrush(QColor(255, 230, 120));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(inner.center().x(), inner.bottom() - 8), 5, 5);
    p.fillRect(QRectF(inner.left(), inner.bottom() - 8, inner.width(), 8), QColor(40, 80, 160));
    p.setPen(QPen(QColor(255, 240, 220), 1.5));
    p.drawLine(QPointF(20, 48), QPointF(50, 48));
    p.drawLine(QPointF(20, 53), QPointF(42, 53));
    return icon;
}

bool writeText(const QString& path, const std::string& text)
{
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    return QDir().mkpath(QFileInfo(path).absolutePath()) && pictra::writeFileAtomic(path.toStdString(), bytes) == pictra::Status::Ok;
}

int makeFolder(const QString& dir)
{
    // Prepared as a first start prepares a new program folder, so the samples
    // are drawn with the shipped settings (JPEG quality 85), not zeroed ones.
    pictra::AppState state;
    if (pictra::prepareProgramFolderAt(state, QDir(dir).absolutePath().toStdString()) != pictra::Status::Ok ||
        !pictra::makeSampleData(state)) {
        std::fprintf(stderr, "pictra_make_dist: cannot make the sample data in %s\n", qPrintable(dir));
        return 1;
    }
    // Scratch and store folders belong to an installation, not to the medium.
    for (const std::string_view sub : {pictra::kTempFolder, pictra::kStoreRootFolder})
        QDir(dir).rmdir(QString::fromUtf8(sub.data(), static_cast<qsizetype>(sub.size())));
    return 0;
}

int makeIcons(const QString& dir)
{
    for (int size : {48, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(size);
        if (!QDir().mkpath(folder) || !drawIcon(size).save(folder + QStringLiteral("/pictra.png"))) {
            std::fprintf(stderr, "pictra_make_dist: cannot write the icons into %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}

int makeSystemFiles(const QString& dir, const QString& prefix)
{
    const std::string bin = (prefix + QStringLiteral("/bin/")).toStdString();
    const pictra::ProgramLocations where{bin + "pictra", bin + "pictra-thumbnailer",
                                         (prefix + QStringLiteral("/share/pictra/pictra.pdf")).toStdString(), ""};
    const bool ok = writeText(dir + QStringLiteral("/applications/pictra.desktop"), pictra::programDesktopEntry(where)) &&
                    writeText(dir + QStringLiteral("/mime/packages/pictra.xml"), pictra::albumMimePackage()) &&
                    writeText(dir + QStringLiteral("/thumbnailers/pictra.thumbnailer"),
                              pictra::thumbnailerEntry(where.thumbnailer));
    if (!ok)
        std::fprintf(stderr, "pictra_make_dist: cannot write the desktop files into %s\n", qPrintable(dir));
    return ok ? 0 : 1;
}

int makeCopyright(const QString& file)
{
    pictra::CopyrightFacts facts;
    facts.upstreamName = "Pictra";
    facts.contact = "Pictra developers <pictra@korvale.invalid>";
    facts.holder = "2026 Korvale";
    facts.licenseName = "Pictra-EULA";
    // The terms the user agrees to in pictra-setup, word for word.
    facts.licenseText = pictra::setup::agreementText().toStdString();
    if (!writeText(file, pictra::debianCopyright(facts))) {
        std::fprintf(stderr, "pictra_make_dist: cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv); // the sample pictures draw text
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("folder"))
        return makeFolder(args[2]);
    if (args.size() == 3 && args[1] == QLatin1String("icons"))
        return makeIcons(args[2]);
    if (args.size() == 4 && args[1] == QLatin1String("system-files"))
        return makeSystemFiles(args[2], args[3]);
    if (args.size() == 3 && args[1] == QLatin1String("copyright"))
        return makeCopyright(args[2]);
    std::fprintf(stderr, "usage: pictra_make_dist folder DIR | icons DIR | system-files DIR PREFIX | copyright FILE\n");
    return 2;
}
