// Printing through a real CUPS queue: a private cupsd (its own folder and
// socket) with a cups-pdf queue whose default paper is Letter; L判 and JIS B5
// printed from the normal print dialog come out at their sizes. Skipped,
// with the reason, where cupsd or cups-pdf cannot run here.
#include "support/album_window_fixture.h"

#include "core/util/file_io.h"
#include "ui/print/c_normal_print_dlg.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

using namespace pictra;
using pictra::test::AlbumWindowFixture;

namespace {

constexpr int kStartMs = 30000;
constexpr int kJobMs = 120000;
constexpr const char* kQueue = "pictra-pdf";
constexpr const char* kBackend = "/usr/lib/cups/backend/cups-pdf";
constexpr const char* kPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

bool writeText(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// Runs a CUPS tool against the private server; its output, or why it failed.
bool runTool(const QString& program, const QStringList& args, QString& output)
{
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(program, args);
    const bool finished = run.waitForFinished(kStartMs);
    output = QString::fromUtf8(run.readAll());
    if (!finished) {
        run.kill();
        run.waitForFinished(kStartMs);
        output = program + QStringLiteral(" did not finish");
        return false;
    }
    return run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
}

// cups-pdf writes into the job owner's PDF folder (its shipped setting).
QString cupsPdfFolder()
{
    const passwd* user = getpwuid(geteuid());
    return user ? QString::fromLocal8Bit(user->pw_dir) + QStringLiteral("/PDF") : QString();
}

QStringList pdfsIn(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

// The first page's sides in millimetres, shorter first.
QSizeF pageSides(const QString& pdf)
{
    QProcess run;
    run.start(QStringLiteral("pdfinfo"), {pdf});
    if (!run.waitForFinished(kStartMs) || run.exitCode() != 0)
        return {};
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"))
                                          .match(QString::fromUtf8(run.readAllStandardOutput()));
    if (!m.hasMatch())
        return {};
    const double a = m.captured(1).toDouble() * 25.4 / 72;
    const double b = m.captured(2).toDouble() * 25.4 / 72;
    return {std::min(a, b), std::max(a, b)};
}

// A media's sides in millimetres, shorter first, from the queue's PPD line
// *PageSize KEY/...: "<</PageSize[W H]...".
QSizeF ppdMediaMm(const QString& key)
{
    QFile ppd(QString::fromLatin1(kPpd));
    if (!ppd.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpression line(QStringLiteral("^\\*PageSize %1/[^:]*: \"<</PageSize\\[([0-9.]+) ([0-9.]+)\\]")
                                      .arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(QString::fromLatin1(ppd.readAll()));
    if (!m.hasMatch())
        return {};
    const double a = m.captured(1).toDouble() * 25.4 / 72;
    const double b = m.captured(2).toDouble() * 25.4 / 72;
    return {std::min(a, b), std::max(a, b)};
}

} // namespace

class TestCupsPrint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const QString& tool : {QStringLiteral("/usr/sbin/cupsd"), QStringLiteral("/usr/sbin/lpadmin"),
                                    QString::fromLatin1(kBackend), QString::fromLatin1(kPpd)}) {
            if (!QFile::exists(tool))
                QSKIP(qPrintable(tool + QStringLiteral(" is not installed (packages cups, printer-driver-cups-pdf)")));
        }
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo is not installed (package poppler-utils)");
        if (geteuid() != 0)
            QSKIP("the cups-pdf backend runs only for a cupsd started as root");
        m_outFolder = cupsPdfFolder();
        if (m_outFolder.isEmpty())
            QSKIP("the user has no home folder for cups-pdf's output");

        const QString root = QString::fromStdString(m_dir.path());
        for (const char* sub : {"spool", "cache", "state", "tmp", "log", "ppd"})
            QVERIFY(QDir(root).mkpath(QString::fromLatin1(sub)));
        // cupsd refuses folders others may write to, and its filters run as lp.
        const auto readable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                              QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                              QFileDevice::ExeOther;
        QVERIFY(QFile::setPermissions(root, readable));
        // The filters (as lp) write their scratch files here.
        QVERIFY(chmod((root + QStringLiteral("/tmp")).toLocal8Bit().constData(), 01777) == 0);
        m_socket = root + QStringLiteral("/cups.sock");
        QVERIFY(writeText(root + QStringLiteral("/cupsd.conf"),
                          QStringLiteral("Listen %1\nBrowsing No\nWebInterface No\nLogLevel warn\n"
                                         "<Location />\n Order allow,deny\n Allow all\n</Location>\n"
                                         "<Policy default>\n <Limit All>\n  Order allow,deny\n  Allow all\n"
                                         " </Limit>\n</Policy>\n")
                              .arg(m_socket)));
        QVERIFY(writeText(root + QStringLiteral("/cups-files.conf"),
                          QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                                         "TempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                         "PageLog %1/log/page_log\nSystemGroup root\n")
                              .arg(root)));
        m_cupsd = std::make_unique<QProcess>();
        m_cupsd->setProcessChannelMode(QProcess::ForwardedChannels);
        m_cupsd->start(QStringLiteral("/usr/sbin/cupsd"),
                       {QStringLiteral("-f"), QStringLiteral("-c"), root + QStringLiteral("/cupsd.conf"),
                        QStringLiteral("-s"), root + QStringLiteral("/cups-files.conf")});
        if (!m_cupsd->waitForStarted(kStartMs))
            QSKIP("cupsd could not be started");
        // libcups reads the server once, at its first use in this process.
        qputenv("CUPS_SERVER", m_socket.toLocal8Bit());
        QString output;
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_socket) || m_cupsd->state() == QProcess::NotRunning, kStartMs);
        if (m_cupsd->state() == QProcess::NotRunning)
            QSKIP("cupsd stopped at once with this private configuration");
        QVERIFY2(runTool(QStringLiteral("/usr/sbin/lpadmin"),
                         {QStringLiteral("-p"), QString::fromLatin1(kQueue), QStringLiteral("-E"), QStringLiteral("-v"),
                          QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), QString::fromLatin1(kPpd),
                          QStringLiteral("-o"), QStringLiteral("PageSize=Letter")},
                         output),
                 qPrintable(output));
        m_before = pdfsIn(m_outFolder);
    }

    void cleanupTestCase()
    {
        for (const QString& made : m_made)
            QFile::remove(made);
        if (m_cupsd && m_cupsd->state() != QProcess::NotRunning) {
            m_cupsd->terminate();
            if (!m_cupsd->waitForFinished(kStartMs)) {
                m_cupsd->kill();
                m_cupsd->waitForFinished(kStartMs);
            }
        }
    }

    void photoAndJisPapersComeOutAtTheirSizes_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<double>("shortSide");
        QTest::addColumn<double>("longSide");
        QTest::addColumn<QString>("media"); // the queue's own media of that size, if it has one
        // cups-pdf has no L media: a custom size. Its JIS B5 is 518 x 727 pt, 0.7 mm off a custom
        // 182 x 257, so the B5 row also tells that the media's name was sent.
        QTest::newRow("L判") << QStringLiteral("L判") << 89.0 << 127.0 << QString();
        QTest::newRow("B5 (JIS)") << QStringLiteral("B5") << 182.0 << 257.0 << QStringLiteral("JISB5");
    }

    void photoAndJisPapersComeOutAtTheirSizes()
    {
        QFETCH(QString, paper);
        QFETCH(double, shortSide);
        QFETCH(double, longSide);
        QFETCH(QString, media);
        QVERIFY(QPrinterInfo::availablePrinterNames().contains(QString::fromLatin1(kQueue)));
        if (!media.isEmpty()) {
            // Sent by its name, the page is the queue's own media as its PPD gives it.
            const QSizeF own = ppdMediaMm(media);
            QVERIFY2(std::abs(own.width() - shortSide) <= 1 && std::abs(own.height() - longSide) <= 1,
                     qPrintable(media));
            shortSide = own.width();
            longSide = own.height();
        }
        AlbumWindowFixture f;
        const std::string album = f.dir.file("trip.abm");
        f.writePictures(album, 1);
        AlbumRecord& w = f.state.albums->working;
        resetAlbumRecord(w);
        setFieldText(w.path, album);
        w.kind = AlbumKind::Album;
        w.imageCount = 1;
        setFieldText(w.images[0].path, f.dir.file("img0.jpg"));
        w.hasFocus = 1;
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(QString::fromLatin1(kQueue));
        QCOMPARE(printer.printerName(), QString::fromLatin1(kQueue));
        ui::CNormalPrintDlg d(f.state, w, f.host.scripted, printer);
        auto* papers = d.findChild<QComboBox*>(QStringLiteral("1081"));
        const int index = papers->findText(paper);
        QVERIFY(index >= 0);
        papers->setCurrentIndex(index);
        emit papers->activated(index);
        const QStringList before = pdfsIn(m_outFolder);
        d.findChild<QPushButton*>(QStringLiteral("1017"))->click();
        QVERIFY(f.host.scripted.asked.isEmpty());

        QString made;
        const auto newPdf = [&] {
            for (const QString& name : pdfsIn(m_outFolder)) {
                if (!before.contains(name) && !m_before.contains(name)) {
                    made = m_outFolder + QLatin1Char('/') + name;
                    return true;
                }
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(newPdf(), kJobMs);
        m_made << made;
        // cups-pdf finishes the file before the job ends; its size is final once pdfinfo reads it.
        QSizeF sides;
        QTRY_VERIFY_WITH_TIMEOUT(!(sides = pageSides(made)).isEmpty(), kJobMs);
        QVERIFY2(std::abs(sides.width() - shortSide) <= 0.5 && std::abs(sides.height() - longSide) <= 0.5,
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(sides.width()).arg(sides.height())));
    }

private:
    test::TempDir m_dir;
    QString m_socket;
    QString m_outFolder;
    QStringList m_before;
    QStringList m_made;
    std::unique_ptr<QProcess> m_cupsd;
};

QTEST_MAIN(TestCupsPrint)
#include "test_cups_print.moc"
