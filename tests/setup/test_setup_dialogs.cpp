// The setup program's windows as a user meets them: the start menu over the
// background, and the stages running with their marks, the bar and the file
// names (against a made-up distribution inside the test's folder).
#include "setup/agreement_dialog.h"
#include "setup/install_folder_dialog.h"
#include "setup/install_progress_dialog.h"
#include "setup/setup_window.h"
#include "setup/start_menu_dialog.h"

#include "core/setup/installation.h"
#include "support/temp_dir.h"

#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <filesystem>

namespace fs = std::filesystem;
using namespace pictra;

namespace {

void saveArtifact(const QImage& image, const char* name)
{
    const QString dir = qEnvironmentVariable("PICTRA_ARTIFACT_DIR");
    if (!dir.isEmpty())
        QVERIFY(image.save(dir + QLatin1Char('/') + QLatin1String(name)));
}

// The dialog as the user sees it: centred over the background window.
QImage overBackground(QWidget& dialog)
{
    setup::SetupWindow window;
    window.resize(1024, 768);
    QImage screen = window.grab().toImage();
    const QImage front = dialog.grab().toImage();
    QPainter p(&screen);
    p.drawImage((screen.width() - front.width()) / 2, (screen.height() - front.height()) / 2, front);
    return screen;
}

void makeDistribution(const std::string& medium)
{
    test::writeBytes(medium + "/pictra-setup", "setup");
    for (const char* name : {"ABM10/pictra", "ABM10/pictra-cli", "ABM10/pictra-thumbnailer"}) {
        test::writeBytes(medium + "/" + name, "program");
        fs::permissions(medium + "/" + name, fs::perms::owner_all);
    }
    test::writeBytes(medium + "/ABM10/pictra.pdf", "manual");
    test::writeBytes(medium + "/ABM10/PARAM/wrk_mode.dat", "settings");
    test::writeBytes(medium + "/ABM10/IMAGE/sample1.jpg", "picture");
}

// A made-up distribution and an installation of it into the test's folder.
struct SetupFixture {
    SetupFixture() { makeDistribution(tmp.file("medium")); }
    test::TempDir tmp;
    RegistryStore registry{tmp.file("pictra.reg")};
    Installation installation{{tmp.file("medium/ABM10"), tmp.file("ABM10"), true, true},
                              {tmp.file("data"), tmp.file("config")}, registry};
};

} // namespace

class TestSetupDialogs : public QObject {
    Q_OBJECT
private slots:
    void startMenuOffersTheThreeChoices();
    void stagesShowTheirMarksAndFinish();
    void cancelBeforeTheStartCopiesNothing();
    void windowsOpenCentredOnTheScreen();
};

void TestSetupDialogs::startMenuOffersTheThreeChoices()
{
    setup::StartMenuDialog menu;
    auto* install = menu.findChild<QPushButton*>(QStringLiteral("1012"));
    QVERIFY(install && menu.findChild<QPushButton*>(QStringLiteral("3")) && menu.findChild<QPushButton*>(QStringLiteral("2")));
    QCOMPARE(install->text(), QStringLiteral("Pictraのインストール"));
    menu.show();
    saveArtifact(overBackground(menu), "setup_start.png");
    install->click();
    QCOMPARE(menu.choice(), setup::StartChoice::Install);
}

void TestSetupDialogs::stagesShowTheirMarksAndFinish()
{
    SetupFixture f;
    setup::InstallProgressDialog dialog(f.installation);
    dialog.show();
    bool sawMark = false;
    dialog.onStageStarted = [&](InstallStage stage) {
        if (stage != InstallStage::Help)
            return;
        auto* mark = dialog.findChild<QLabel*>(QStringLiteral("1105"));
        sawMark = mark && mark->text() == QStringLiteral("〆");
        dialog.findChild<QLabel*>(QStringLiteral("888"))->setText(QStringLiteral("pictra.pdf"));
        saveArtifact(overBackground(dialog), "setup_stages.png");
    };
    dialog.findChild<QPushButton*>(QStringLiteral("1"))->click();
    QVERIFY(sawMark);
    QCOMPARE(dialog.findChild<QProgressBar*>()->value(), 8);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(f.installation.finish(), InstallOutcome::Installed);
    QVERIFY(fs::exists(f.tmp.file("ABM10/pictra")));
}

void TestSetupDialogs::cancelBeforeTheStartCopiesNothing()
{
    SetupFixture f;
    setup::InstallProgressDialog dialog(f.installation);
    dialog.findChild<QPushButton*>(QStringLiteral("2"))->click();
    QCOMPARE(f.installation.finish(), InstallOutcome::Cancelled);
    QVERIFY(!fs::exists(f.tmp.file("ABM10")));
    QVERIFY(!f.registry.readString(kPictraRegistryKey, kProgramFolderValue));
}

void TestSetupDialogs::windowsOpenCentredOnTheScreen()
{
    // The full-screen background is still small when the first dialog opens.
    setup::SetupWindow window;
    window.setGeometry(0, 0, 200, 150);
    window.show();
    SetupFixture f;
    setup::AgreementDialog agreement(&window);
    setup::StartMenuDialog menu;
    setup::InstallFolderDialog folder({f.tmp.file("medium/ABM10"), f.tmp.file("ABM10"), true, true});
    setup::InstallProgressDialog progress(f.installation);
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    for (QDialog* dialog : std::initializer_list<QDialog*>{&agreement, &menu, &folder, &progress}) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const QPoint offset = dialog->frameGeometry().center() - centre;
        // The frame is known only once shown: a few pixels of it are allowed.
        QVERIFY2(offset.manhattanLength() <= 8, qPrintable(dialog->windowTitle()));
        dialog->hide();
    }
}

QTEST_MAIN(TestSetupDialogs)
#include "test_setup_dialogs.moc"
