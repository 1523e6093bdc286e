// Pictures that cannot be added or shown are told: a drop lists the images
// it left out and why, and a cell whose picture is gone is crossed.
#include "support/app_session.h"

#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/c_view_pictra.h"
#include "ui/mainframe/album_documents.h"
#include "ui/mainframe/drop_handler.h"

#include <QFile>
#include <QImage>
#include <QtTest>

using namespace pictra;

using Program = test::StartedProgram;

class TestDropFailures : public QObject {
    Q_OBJECT
private slots:
    void aDropListsTheImagesItLeftOutWithTheReason()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        QVERIFY(frame->documents().newAlbum());
        const std::string good = tmp.file("img/good.jpg");
        const std::string junk = tmp.file("img/junk.jpg");
        test::writeJpeg(good, 64, 48, 1);
        test::writeBytes(junk, "not a picture");
        const int asked = static_cast<int>(prompts.asked.size());
        frame->drops().dropFiles({good, junk, tmp.file("img/gone.tif")});
        QCOMPARE(state.albums->working.imageCount, 1);
        QCOMPARE(std::string(fieldText(state.albums->working.images[0].path)), good);
        QCOMPARE(static_cast<int>(prompts.asked.size()), asked + 1);
        const QString message = prompts.asked.last();
        QVERIFY2(message.contains(QStringLiteral("junk.jpg\n　画像ファイルが壊れています。")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("gone.tif\n　ファイルが見つかりません。")), qPrintable(message));
    }

    void aDropNamesTheImagesWhoseFileNameIsTakenAndAsksAboutTheOthers()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        QVERIFY(frame->documents().newAlbum());
        const std::string first = tmp.file("a/beach.jpg");
        const std::string twin = tmp.file("b/beach.jpg"); // would take the first one's store copy
        const std::string other = tmp.file("b/hill.jpg");
        std::uint32_t seed = 1; // three different pictures: only the names clash
        for (const std::string& path : {first, twin, other})
            test::writeJpeg(path, 64, 48, seed++);
        frame->drops().dropFiles({first});
        const std::string album(fieldText(state.albums->working.path));
        const auto copyOf = [&](const std::string& image) {
            return QFile::exists(QString::fromStdString(storeCopyPath(state.programFolder, album, image)));
        };

        prompts.yesNoAnswers << false;
        frame->drops().dropFiles({twin, other});
        QVERIFY2(prompts.asked.last().contains(QString::fromStdString(twin)) &&
                     prompts.asked.last().endsWith(QStringLiteral("追加しますか?")),
                 qPrintable(prompts.asked.last()));
        QCOMPARE(state.albums->working.imageCount, 1); // "no" adds nothing, and writes no copy
        QVERIFY(!copyOf(other));

        frame->drops().dropFiles({twin, other}); // "yes": the others go in
        QCOMPARE(state.albums->working.imageCount, 2);
        QCOMPARE(std::string(fieldText(state.albums->working.images[1].path)), other);
        QVERIFY(copyOf(other));

        const auto asked = prompts.asked.size();
        frame->drops().dropFiles({twin}); // nothing else to ask about: told only
        QCOMPARE(prompts.asked.size(), asked + 1);
        QVERIFY(!prompts.asked.last().contains(QStringLiteral("追加しますか")));
        QCOMPARE(state.albums->working.imageCount, 2);
    }

    void aCellWhosePictureIsGoneIsCrossed()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        QVERIFY(frame->documents().newAlbum());
        const std::string kept = tmp.file("img/kept.jpg");
        const std::string gone = tmp.file("img/gone.jpg");
        test::writeJpeg(kept, 320, 240, 2);
        test::writeJpeg(gone, 320, 240, 3);
        frame->drops().dropFiles({kept, gone});
        QCOMPARE(state.albums->working.imageCount, 2);
        QVERIFY(QFile::remove(QString::fromStdString(gone)));

        ui::CViewPictra* view = frame->documents().activeFrame()->pageView();
        view->repaintPage();
        const QImage page = view->grab().toImage();
        const QString dir = qEnvironmentVariable("PICTRA_ARTIFACT_DIR");
        if (!dir.isEmpty())
            QVERIFY(page.save(dir + QStringLiteral("/drop_failures_crossed_cell.png")));
        const Rect& crossed = state.albums->working.cells[1];
        const QColor centre = page.pixelColor((crossed.left + crossed.right) / 2, (crossed.top + crossed.bottom) / 2);
        QCOMPARE(centre, QColor(160, 160, 160));
        const Rect& shown = state.albums->working.cells[0];
        QVERIFY(page.pixelColor((shown.left + shown.right) / 2, (shown.top + shown.bottom) / 2) != QColor(160, 160, 160));
    }
};

QTEST_MAIN(TestDropFailures)
#include "test_drop_failures.moc"
