// A picture the album already holds is named and asked about before an add
// repeats it: はい adds it again, いいえ adds only the others, ｷｬﾝｾﾙ nothing.
#include "support/app_session.h"
#include "support/modal_dialogs.h"

#include "core/commands/command_ids.h"
#include "core/util/fixed_text.h"
#include "ui/mainframe/album_documents.h"
#include "ui/mainframe/drop_handler.h"
#include "ui/prompts/user_prompts.h"

#include <QMessageBox>
#include <QtTest>

#include <unistd.h>

using namespace pictra;

using Program = test::StartedProgram;

namespace {

int imageCount(const Program& p) { return p.state.albums->working.imageCount; }

} // namespace

class TestDuplicateGuard : public QObject {
    Q_OBJECT
private slots:
    void aPictureDroppedTwiceIsNamedAndAskedAbout()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        QVERIFY(frame->documents().newAlbum());
        const std::string beach = tmp.file("photos/beach.jpg");
        const std::string hill = tmp.file("photos/hill.jpg");
        test::writeJpeg(beach, 64, 48, 1);
        test::writeJpeg(hill, 64, 48, 2);
        frame->drops().dropFiles({beach});
        QCOMPARE(imageCount(p), 1);
        const qsizetype asked = prompts.asked.size();

        // いいえ: the repeats (the same file by another path, the same
        // picture at a smaller size) stay out, the other picture goes in.
        const std::string smaller = tmp.file("photos/beach-smaller.jpg");
        test::writeJpeg(smaller, 56, 42, 1);
        prompts.yesNoCancelAnswers << ui::YesNoCancel::No;
        frame->drops().dropFiles({tmp.path() + "/photos/./beach.jpg", hill, smaller});
        QCOMPARE(prompts.asked.size(), asked + 1);
        const QString question = prompts.asked.last();
        QVERIFY2(question.contains(QStringLiteral("すでにアルバムにあります")) && question.contains(QString::fromStdString(beach)) &&
                     question.contains(QStringLiteral("同じファイル")) && question.contains(QStringLiteral("同じ内容")) &&
                     question.contains(QString::fromStdString(smaller)) && !question.contains(QString::fromStdString(hill)),
                 qPrintable(question));
        QCOMPARE(imageCount(p), 2);
        QCOMPARE(std::string(fieldText(state.albums->working.images[1].path)), hill);

        // The question as the user sees it.
        auto box = ui::makeYesNoCancelBox(frame.get(), question);
        box->show();
        QVERIFY(test::saveArtifact(*box, "duplicate_question.png"));
        box->close();

        // ｷｬﾝｾﾙ: nothing of the drop goes in, not even a new picture.
        const std::string sea = tmp.file("photos/sea.jpg");
        test::writeJpeg(sea, 64, 48, 3);
        prompts.yesNoCancelAnswers << ui::YesNoCancel::Cancel;
        frame->drops().dropFiles({sea, beach});
        QCOMPARE(imageCount(p), 2);

        // はい: another path to the same file goes in again, as asked.
        QCOMPARE(::symlink(beach.c_str(), tmp.file("photos/beach-link.jpg").c_str()), 0);
        prompts.yesNoCancelAnswers << ui::YesNoCancel::Yes;
        frame->drops().dropFiles({tmp.file("photos/beach-link.jpg")});
        QVERIFY(prompts.asked.last().contains(QStringLiteral("beach-link.jpg")));
        QCOMPARE(imageCount(p), 3);

        // New pictures alone are added without a word.
        const qsizetype before = prompts.asked.size();
        frame->drops().dropFiles({sea});
        QCOMPARE(imageCount(p), 4);
        QCOMPARE(prompts.asked.size(), before);
    }

    void pasteIntoTheSameAlbumAsksToo()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        QVERIFY(frame->documents().newAlbum());
        const std::string beach = tmp.file("photos/beach.jpg");
        test::writeJpeg(beach, 64, 48, 1);
        frame->drops().dropFiles({beach});
        QVERIFY(frame->handleCommand(cmd::kCopy));
        prompts.yesNoCancelAnswers << ui::YesNoCancel::No;
        frame->handleCommand(cmd::kPaste);
        QCOMPARE(imageCount(p), 1);
        QVERIFY(prompts.asked.last().contains(QString::fromStdString(beach)));
        prompts.yesNoCancelAnswers << ui::YesNoCancel::Yes;
        QVERIFY(frame->handleCommand(cmd::kPaste));
        QCOMPARE(imageCount(p), 2);
    }
};

QTEST_MAIN(TestDuplicateGuard)
#include "test_duplicate_guard.moc"
