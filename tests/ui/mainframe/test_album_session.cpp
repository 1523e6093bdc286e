// A user's whole session through the main window: new album, dropped
// images, typed texts, save as, close, reopen from the recent list; and the
// albums of the last session coming back at the next start.
#include "support/app_session.h"

#include "core/commands/command_ids.h"
#include "core/util/cp932.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/c_view_pictra.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/infobar/info_bar.h"
#include "ui/mainframe/album_documents.h"

#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QUrl>
#include <QtTest>

using namespace pictra;

namespace {

template <std::size_t N>
std::string text(const std::array<char, N>& field)
{
    return cp932ToUtf8(fieldText(field)).text;
}

void dropOn(ui::CMainFrame& frame, const QStringList& files)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& f : files)
        urls << QUrl::fromLocalFile(f);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame, &drop);
}

// Focuses entry `index` of the first page as a click would, and shows it.
void focusEntry(AppState& state, ui::CMainFrame& frame, int index)
{
    state.albums->working.hasFocus = 1;
    state.albums->working.focusIndex = index;
    state.albums->working.currentPage = 0;
    mirrorToActiveSlot(*state.albums);
    ui::loadShared(state, std::string(fieldText(state.albums->working.images[static_cast<std::size_t>(index)].path)));
    frame.refreshInfoBar();
}

// Japanese text arrives from the input method as a committed string.
void typeWithInputMethod(QWidget* edit, const QString& text)
{
    edit->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(edit, &event);
}

void saveArtifact(QWidget& widget, const char* name)
{
    const QString dir = qEnvironmentVariable("PICTRA_ARTIFACT_DIR");
    if (!dir.isEmpty())
        QVERIFY(widget.grab().save(dir + QLatin1Char('/') + QLatin1String(name)));
}

} // namespace

class TestAlbumSession : public QObject {
    Q_OBJECT
private slots:
    void wholeSessionSurvivesSaveCloseAndReopen();
    void lastSessionAlbumsComeBackOldestFirst();
};

void TestAlbumSession::wholeSessionSurvivesSaveCloseAndReopen()
{
    test::TempDir tmp;
    const std::string program = tmp.file("program");
    QStringList images;
    for (int i = 0; i < 4; ++i) {
        const std::string path = tmp.file("photos/photo" + std::to_string(i) + ".jpg");
        test::writeJpeg(path, 320 + 40 * i, 240, static_cast<std::uint32_t>(i + 1), i == 2);
        images << QString::fromStdString(path);
    }
    AppState state;
    test::ScriptedPrompts prompts;
    auto frame = test::startProgram(state, prompts, program);
    // A new program folder gets the sample album, opened at once.
    QCOMPARE(state.albums->openCount, 1);
    QVERIFY(state.albums->working.imageCount > 0);

    QVERIFY(frame->handleCommand(cmd::kNewAlbum));
    QCOMPARE(state.albums->openCount, 2);
    QCOMPARE(state.albums->working.imageCount, 0);
    dropOn(*frame, images);
    QCOMPARE(state.albums->working.imageCount, 4);

    focusEntry(state, *frame, 2);
    auto* summary = frame->infoBar()->findChild<QLineEdit*>(QStringLiteral("1006"));
    auto* year = frame->infoBar()->findChild<QLineEdit*>(QStringLiteral("1001"));
    QVERIFY(summary && year);
    typeWithInputMethod(summary, QStringLiteral("夕日の港"));
    year->selectAll();
    QTest::keyClicks(year, QStringLiteral("2023"));
    auto* memo = frame->infoBar()->findChild<QPlainTextEdit*>(QStringLiteral("1000"));
    typeWithInputMethod(memo, QStringLiteral("メモ"));
    QCOMPARE(text(state.albums->working.images[2].summary), std::string("夕日の港"));
    typeWithInputMethod(summary, QStringLiteral("😀")); // not in CP932: refused where it was typed
    QCOMPARE(summary->text(), QStringLiteral("夕日の港"));
    QCOMPARE(text(state.albums->working.images[2].summary), std::string("夕日の港"));
    QCOMPARE(state.albums->working.images[2].year, std::int16_t{2023});
    QCOMPARE(activeSlot(*state.albums)->images[2].summary, state.albums->working.images[2].summary);

    const std::string saved = tmp.file("albums/trip.abm");
    QVERIFY(QDir().mkpath(QString::fromStdString(tmp.file("albums"))));
    prompts.fileAnswers << QString::fromStdString(saved);
    QVERIFY(frame->handleCommand(cmd::kSave)); // untitled: asks for a name
    QVERIFY(QFile::exists(QString::fromStdString(saved)));
    ui::CChildFrame* window = frame->documents().activeFrame();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("trip.abm"));

    std::vector<ImageEntry> before(state.albums->working.images.begin(), state.albums->working.images.begin() + 4);
    window->close();
    QTRY_COMPARE(state.albums->openCount, 1);

    frame->rebuildRecentMenu();
    QVERIFY(frame->handleCommand(1)); // the most recent album
    QCOMPARE(state.albums->openCount, 2);
    const AlbumRecord& w = state.albums->working;
    QCOMPARE(std::string(fieldText(w.path)), saved);
    QCOMPARE(w.imageCount, 4);
    for (int i = 0; i < 4; ++i) {
        const ImageEntry& e = w.images[static_cast<std::size_t>(i)];
        QCOMPARE(fieldText(e.path), fieldText(before[static_cast<std::size_t>(i)].path));
        QCOMPARE(e.year, before[static_cast<std::size_t>(i)].year);
        QCOMPARE(e.summary, before[static_cast<std::size_t>(i)].summary);
        QCOMPARE(e.memo, before[static_cast<std::size_t>(i)].memo);
    }
    QCOMPARE(text(w.images[2].memo), std::string("メモ"));

    frame->mdi()->tileSubWindows();
    frame->resize(1200, 800);
    QCoreApplication::processEvents();
    // A click on the third cell focuses it and shows it in the information bar.
    ui::CViewPictra* view = frame->documents().activeFrame()->pageView();
    const Rect cell = state.albums->working.cells[2];
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
    QCOMPARE(state.albums->working.focusIndex, 2);
    QCOMPARE(frame->infoBar()->findChild<QLabel*>(QStringLiteral("1046"))->text(), QStringLiteral("400pixel × 240pixel"));
    saveArtifact(*frame, "main_window_memo.png");
    frame->infoBar()->findChild<QTabBar*>(QStringLiteral("1119"))->setCurrentIndex(1);
    QVERIFY(memo->isReadOnly());
    QVERIFY(memo->toPlainText().contains(QStringLiteral("■メーカー\nKorvale")));
    saveArtifact(*frame, "main_window_exif.png");
    frame->infoBar()->findChild<QTabBar*>(QStringLiteral("1119"))->setCurrentIndex(0);
    QCOMPARE(memo->toPlainText(), QStringLiteral("メモ"));
    prompts.yesNoAnswers << true;
    QVERIFY(frame->close());
}

void TestAlbumSession::lastSessionAlbumsComeBackOldestFirst()
{
    test::TempDir tmp;
    const std::string program = tmp.file("program");
    const std::string first = tmp.file("a/first.abm");
    const std::string second = tmp.file("b/second.abm");
    {
        AppState state;
        test::ScriptedPrompts prompts;
        auto frame = test::startProgram(state, prompts, program);
        for (const std::string& path : {first, second}) {
            QVERIFY(QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath()));
            frame->handleCommand(cmd::kNewAlbum);
            test::writeJpeg(tmp.file("img/" + BaseName(path) + ".jpg"), 64, 48, 7);
            dropOn(*frame, QStringList{QString::fromStdString(tmp.file("img/" + BaseName(path) + ".jpg"))});
            prompts.fileAnswers << QString::fromStdString(path);
            frame->handleCommand(cmd::kSaveAs);
        }
        // The sample album was opened too; close it so exactly two remain.
        frame->mdi()->subWindowList().first()->close();
        QTRY_COMPARE(state.albums->openCount, 2);
        prompts.yesNoAnswers << false;
        QVERIFY(!frame->close()); // "No" keeps the program running
        QVERIFY(prompts.asked.contains(QStringLiteral("Pictraを終了しますがよろしいですか。")));
        prompts.yesNoAnswers << true;
        QVERIFY(frame->close());
        QVERIFY(!QDir(QString::fromStdString(program + "/CMP/first")).exists());
        QVERIFY(state.registry.readDword(kPictraRegistryKey, "wnd_pt3")); // the window rectangle was kept
    }
    AppState state; // the shipped settings restore the last session
    test::ScriptedPrompts prompts;
    auto frame = test::startProgram(state, prompts, program);
    QCOMPARE(state.albums->openCount, 2);
    QCOMPARE(std::string(fieldText(state.albums->windowSlots[0].path)), first);
    QCOMPARE(std::string(fieldText(state.albums->windowSlots[1].path)), second);
    QCOMPARE(state.albums->windowSlots[0].imageCount, 1);
    QVERIFY(frame->close());
}

QTEST_MAIN(TestAlbumSession)
#include "test_album_session.moc"
