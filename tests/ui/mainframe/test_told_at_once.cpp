// Files an add cannot read are named, with the reason, before anything is
// added; a cut-off JPEG is named as damaged and added only when the user
// says so; a file that is not an album leaves no window behind.
#include "support/app_session.h"
#include "support/modal_dialogs.h"

#include "core/commands/command_ids.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/mainframe/album_documents.h"
#include "ui/mainframe/drop_handler.h"
#include "ui/search/search_hand_over.h"

#include <QMdiArea>
#include <QPushButton>
#include <QtTest>

#include <filesystem>

using namespace pictra;

namespace {

struct Program : test::StartedProgram {
    std::string good = tmp.file("img/good.jpg");
    std::string text = tmp.file("img/notes.jpg");  // a text file named .jpg
    std::string typed = tmp.file("img/paint.xcf"); // a type the program does not read
    std::string cut = tmp.file("img/cut.jpg");     // a JPEG that ends half way

    Program()
    {
        test::writeJpeg(good, 64, 48, 1);
        test::writeBytes(text, "shopping list");
        test::writeBytes(typed, "gimp xcf v011");
        auto jpeg = test::encodeWithTurbo(test::makePhotoLike(320, 240, 4), 85, test::TurboSampling::S420);
        jpeg.resize(jpeg.size() / 2);
        test::writeBytes(cut, std::string(jpeg.begin(), jpeg.end()));
    }

    const AlbumRecord& album() const { return state.albums->working; }
    bool holds(const std::string& path) const
    {
        for (int i = 0; i < album().imageCount; ++i)
            if (fieldText(album().images[static_cast<std::size_t>(i)].path) == path)
                return true;
        return false;
    }
    int windows() const { return static_cast<int>(frame->mdiArea().subWindowList().size()); }
};

bool names(const QString& message, const std::string& path, const QString& reason)
{
    return message.contains(QString::fromStdString(path) + QStringLiteral("\n　") + reason);
}

const QString kBroken = QStringLiteral("画像ファイルが壊れています。");
const QString kUnsupported = QStringLiteral("この形式または色数の画像には対応していません。");
const QString kDamagedQuestion = QStringLiteral("壊れているため、途中までしか読めません");

} // namespace

class TestToldAtOnce : public QObject {
    Q_OBJECT
private slots:
    void insertNamesUnreadableFilesBeforeTheyEnterTheList()
    {
        Program p;
        QVERIFY(p.frame->documents().newAlbum());
        p.prompts.filesAnswers << QStringList{QString::fromStdString(p.good), QString::fromStdString(p.text),
                                              QString::fromStdString(p.typed)};
        int asked = -1;
        int listed = -1;
        const auto expected101 = test::whenDialogOpens([&](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("1017"))->click(); // 開く
            asked = static_cast<int>(p.prompts.asked.size());
            listed = p.album().imageCount; // nothing is in the album yet
            dialog.findChild<QPushButton*>(QStringLiteral("1"))->click();    // 挿入
        });
        QVERIFY(p.frame->handleCommand(cmd::kInputFromFile));
        QCOMPARE(listed, 0);
        QVERIFY(asked >= 1);
        const QString message = p.prompts.asked[asked - 1];
        QVERIFY2(names(message, p.text, kBroken), qPrintable(message));
        QVERIFY2(names(message, p.typed, kUnsupported), qPrintable(message));
        QCOMPARE(p.album().imageCount, 1);
        QVERIFY(p.holds(p.good));
    }

    void aCutOffJpegIsNamedAsDamagedAndAddedOnlyWhenWanted_data()
    {
        QTest::addColumn<bool>("take");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }

    void aCutOffJpegIsNamedAsDamagedAndAddedOnlyWhenWanted()
    {
        QFETCH(bool, take);
        Program p;
        QVERIFY(p.frame->documents().newAlbum());
        p.prompts.yesNoAnswers << take;
        p.frame->drops().dropFiles({p.good, p.text, p.cut});
        const QStringList& asked = p.prompts.asked;
        QVERIFY(asked.size() >= 2);
        QVERIFY2(names(asked[asked.size() - 2], p.text, kBroken), qPrintable(asked[asked.size() - 2]));
        QVERIFY2(asked.last().contains(kDamagedQuestion) && asked.last().contains(QString::fromStdString(p.cut)),
                 qPrintable(asked.last()));
        QCOMPARE(p.holds(p.cut), take);
        QVERIFY(p.holds(p.good));
        QVERIFY(!p.holds(p.text));
        QCOMPARE(p.album().imageCount, take ? 2 : 1);
    }

    void theSearchHandOverNamesWhatItCannotAdd()
    {
        Program p;
        QVERIFY(p.frame->documents().newAlbum());
        p.prompts.yesNoAnswers << false; // leave the damaged one out
        const std::vector<std::string> added =
            ui::addableWithStoreCopies(p.state, p.prompts, p.frame.get(), {p.good, p.text, p.cut});
        QCOMPARE(added, std::vector<std::string>{p.good});
        const QStringList& asked = p.prompts.asked;
        QVERIFY2(names(asked[asked.size() - 2], p.text, kBroken), qPrintable(asked[asked.size() - 2]));
        QVERIFY(asked.last().contains(kDamagedQuestion));
    }

    void aFileThatIsNotAnAlbumLeavesNoWindow_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("text") << QStringLiteral("text");
        QTest::newRow("picture") << QStringLiteral("picture");
        QTest::newRow("album cut short") << QStringLiteral("cut album");
    }

    void aFileThatIsNotAnAlbumLeavesNoWindow()
    {
        QFETCH(QString, kind);
        Program p;
        QVERIFY(p.frame->documents().newAlbum());
        p.frame->drops().dropFiles({p.good}); // the active window is not empty: an open would make a new one
        const std::string bad = p.tmp.file("albums/bad.abm");
        std::filesystem::create_directories(p.tmp.file("albums"));
        if (kind == QStringLiteral("text")) {
            test::writeBytes(bad, "not an album");
        } else if (kind == QStringLiteral("picture")) {
            std::filesystem::copy_file(p.good, bad);
        } else {
            p.prompts.fileAnswers << QString::fromStdString(p.tmp.file("albums/whole.abm"));
            QVERIFY(p.frame->handleCommand(cmd::kSaveAs));
            const auto size = std::filesystem::file_size(p.tmp.file("albums/whole.abm"));
            std::filesystem::copy_file(p.tmp.file("albums/whole.abm"), bad);
            std::filesystem::resize_file(bad, size - 100); // the entries are whole, a store copy is not
        }
        const int windows = p.windows();
        const int open = p.state.albums->openCount;
        QVERIFY(!p.frame->documents().openAlbum(bad));
        QVERIFY2(p.prompts.asked.last().contains(QStringLiteral("アルバムを開けませんでした")),
                 qPrintable(p.prompts.asked.last()));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(p.windows(), windows);
        QCOMPARE(p.state.albums->openCount, open);
    }
};

QTEST_MAIN(TestToldAtOnce)
#include "test_told_at_once.moc"
