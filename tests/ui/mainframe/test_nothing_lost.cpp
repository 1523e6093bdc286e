// Nothing is lost without a word: a save that would drop pictures asks
// first, and images an album has no room for are counted to the user.
#include "support/app_session.h"

#include "core/album/file_name_list.h"
#include "core/album/window_records.h"
#include "core/commands/command_ids.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/mainframe/album_documents.h"
#include "ui/mainframe/drop_handler.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace pictra;

using Program = test::StartedProgram;

// A new album of 999 images (the first of three pictures written, over and
// over); returns the three pictures.
std::vector<std::string> albumWithRoomForOne(Program& p)
{
    auto& [tmp, state, prompts, frame] = p;
    if (!frame->documents().newAlbum())
        return {};
    std::vector<std::string> images;
    for (int i = 0; i < 3; ++i) {
        images.push_back(tmp.file("img/p" + std::to_string(i) + ".jpg"));
        test::writeJpeg(images.back(), 32, 24, static_cast<std::uint32_t>(i + 1));
    }
    frame->drops().dropFiles({images[0]});
    AlbumTable& t = *state.albums;
    for (int i = 1; i < kMaxAlbumImages - 1; ++i)
        t.working.images[static_cast<std::size_t>(i)] = t.working.images[0];
    t.working.imageCount = kMaxAlbumImages - 1;
    mirrorToActiveSlot(t);
    return images;
}

class TestNothingLost : public QObject {
    Q_OBJECT
private slots:
    void aSaveWithoutSomeStoreCopiesNamesThemAndAsks()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        QVERIFY(frame->documents().newAlbum());
        const std::string kept = tmp.file("img/kept.jpg");
        const std::string lost = tmp.file("img/lost.jpg");
        test::writeJpeg(kept, 64, 48, 1);
        test::writeJpeg(lost, 64, 48, 2);
        frame->drops().dropFiles({kept, lost});
        QCOMPARE(state.albums->working.imageCount, 2);
        const std::string untitled(fieldText(state.albums->working.path));
        QVERIFY(QFile::remove(QString::fromStdString(storeCopyPath(state.programFolder, untitled, lost))));

        const std::string target = tmp.file("albums/trip.abm");
        QVERIFY(QDir().mkpath(QString::fromStdString(tmp.file("albums"))));
        const auto asked = prompts.asked.size();
        prompts.fileAnswers << QString::fromStdString(target);
        prompts.yesNoAnswers << false;
        frame->handleCommand(cmd::kSave);
        QCOMPARE(prompts.asked.size(), asked + 1);
        const QString question = prompts.asked.last();
        QVERIFY2(question.contains(QString::fromStdString(lost)) && !question.contains(QString::fromStdString(kept)),
                 qPrintable(question));
        QVERIFY(question.endsWith(QStringLiteral("保存しますか?")));
        QVERIFY(!QFile::exists(QString::fromStdString(target))); // "no" writes nothing
        QCOMPARE(std::string(fieldText(state.albums->working.path)), untitled);

        prompts.fileAnswers << QString::fromStdString(target);
        prompts.yesNoAnswers << true;
        frame->handleCommand(cmd::kSave);
        QVERIFY(QFile::exists(QString::fromStdString(target)));
        QCOMPARE(std::string(fieldText(state.albums->working.path)), target);
    }

    void anAppendThatFillsTheAlbumSaysHowManyWereLeftOut()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        const std::vector<std::string> images = albumWithRoomForOne(p);
        QCOMPARE(images.size(), std::size_t{3});
        AlbumTable& t = *state.albums;

        FileNameList list;
        QVERIFY(list.add(images[1]) && list.add(images[2]));
        const auto asked = prompts.asked.size();
        frame->documents().activeFrame()->appendImages(list);
        QCOMPARE(t.working.imageCount, kMaxAlbumImages);
        QCOMPARE(prompts.asked.size(), asked + 1);
        QVERIFY2(prompts.asked.last().contains(QStringLiteral("1枚は追加されませんでした")), qPrintable(prompts.asked.last()));

        // Full already: the whole list is counted.
        frame->documents().activeFrame()->appendImages(list);
        QCOMPARE(t.working.imageCount, kMaxAlbumImages);
        QVERIFY2(prompts.asked.last().contains(QStringLiteral("2枚は追加されませんでした")), qPrintable(prompts.asked.last()));
        t.working.imageCount = 0; // nothing to ask about at exit
        mirrorToActiveSlot(t);
    }

    void aDropIntoANearlyFullAlbumWritesNoStoreCopyForWhatItLeavesOut()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        const std::vector<std::string> images = albumWithRoomForOne(p);
        QCOMPARE(images.size(), std::size_t{3});
        AlbumTable& t = *state.albums;

        const auto asked = prompts.asked.size();
        frame->drops().dropFiles({images[1], images[2]});
        QCOMPARE(t.working.imageCount, kMaxAlbumImages);
        QCOMPARE(prompts.asked.size(), asked + 1);
        QVERIFY2(prompts.asked.last().contains(QStringLiteral("1枚は追加されませんでした")), qPrintable(prompts.asked.last()));
        const std::string album(fieldText(t.working.path));
        QVERIFY(QFile::exists(QString::fromStdString(storeCopyPath(state.programFolder, album, images[1]))));
        QVERIFY(!QFile::exists(QString::fromStdString(storeCopyPath(state.programFolder, album, images[2]))));
        t.working.imageCount = 0; // nothing to ask about at exit
        mirrorToActiveSlot(t);
    }

    void aPasteTooLargeForTheAlbumSaysHowManyWereLeftOut()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        QCOMPARE(albumWithRoomForOne(p).size(), std::size_t{3});
        AlbumTable& t = *state.albums;
        SelectionBlock& block = state.selection;
        block.clipboard = {t.working.images[0], t.working.images[0]};
        block.clipboardFilled = true;
        block.clipboardAlbum = fieldText(t.working.path);

        QVERIFY(frame->handleCommand(cmd::kPaste));
        QCOMPARE(t.working.imageCount, kMaxAlbumImages - 1); // all or nothing
        QVERIFY(block.clipboardFilled);
        QVERIFY2(prompts.asked.last().contains(QStringLiteral("2枚は追加されませんでした")), qPrintable(prompts.asked.last()));
        t.working.imageCount = 0;
        mirrorToActiveSlot(t);
    }
};

QTEST_MAIN(TestNothingLost)
#include "test_nothing_lost.moc"
