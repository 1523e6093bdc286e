// A later start of the program hands its album to the running instance.
#include "core/commands/open_command.h"
#include "support/app_session.h"
#include "ui/mainframe/album_documents.h"
#include "ui/mainframe/c_main_frame.h"
#include "ui/mainframe/single_instance.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <filesystem>

using namespace pictra;

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void secondStartSendsTheOpenCommandAndEnds()
    {
        // The program names its socket after the program folder it resolves:
        // the default one, with no "_dir" left by another test.
        RegistryStore registry{RegistryStore::defaultPath()};
        QVERIFY(!registry.readString(kPictraRegistryKey, "_dir") ||
                registry.deleteValue(kPictraRegistryKey, "_dir") == Status::Ok);
        const QString folder = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/pictra");
        ui::SingleInstanceServer server;
        QVERIFY(server.listen(ui::singleInstanceName(folder)));
        QSignalSpy received(&server, &ui::SingleInstanceServer::commandReceived);

        QProcess second;
        second.start(qEnvironmentVariable("PICTRA_BINARY_DIR") + QStringLiteral("/src/app/pictra"),
                     {QStringLiteral("/tmp/旅行 (1).abm")});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE(received.count(), 1);
        const QString text = received.at(0).at(0).toString();
        QCOMPARE(text, QStringLiteral("[open(\"/tmp/旅行 (1).abm\")]"));
        QCOMPARE(parseOpenCommand(text.toStdString()), std::optional<std::string>("/tmp/旅行 (1).abm"));
    }

    void aSecondStartOpensItsAlbumInTheRunningProgram()
    {
        test::StartedProgram p;
        const std::string folder = p.tmp.file("program");
        ui::SingleInstanceServer server;
        QVERIFY(server.listen(ui::singleInstanceName(QString::fromStdString(folder))));
        QObject::connect(&server, &ui::SingleInstanceServer::commandReceived, p.frame.get(),
                         &ui::CMainFrame::executeShellCommand);
        const std::string album = p.tmp.file("旅行 (2).abm");
        std::filesystem::copy_file(folder + "/USER/サンプル.abm", album);

        QProcess second;
        second.start(qEnvironmentVariable("PICTRA_BINARY_DIR") + QStringLiteral("/src/app/pictra"),
                     {QString::fromStdString(album)});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        const auto isOpen = [&] {
            const std::vector<std::string> open = p.frame->documents().openAlbumPaths();
            return std::find(open.begin(), open.end(), album) != open.end();
        };
        QTRY_VERIFY(isOpen());
    }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
