#include "support/album_window_fixture.h"

#include "core/platform/program_paths.h"
#include "core/print/paper_table.h"
#include "core/settings/settings_file.h"
#include "core/util/file_io.h"
#include "ui/options/option_controls.h"
#include "ui/options/options_apply.h"
#include "ui/options/options_sheet.h"

#include <QCheckBox>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QtTest>

#include <chrono>
#include <cstring>
#include <filesystem>

using pictra::test::AlbumWindowFixture;
using namespace pictra;

namespace {

// The sheet over the fixture's settings, with the file written as they are.
struct SheetFixture : AlbumWindowFixture {
    SheetFixture()
    {
        state.settings = defaultWorkModeSettings();
        state.settings.reserved0 = 77;   // fields without a control
        state.settings.reserved52 = -3;
        QVERIFY2(makeFolders(dir.file("PARAM")), "PARAM");
        QCOMPARE(saveSettings(state.programFolder, state.settings), Status::Ok);
        stored = fileBytes();
    }

    std::vector<std::uint8_t> fileBytes() const
    {
        auto bytes = readFile(paramFilePath(state.programFolder, kWorkModeFile));
        return bytes ? *bytes : std::vector<std::uint8_t>{};
    }

    ui::COptionsSheet& sheet()
    {
        if (!m_sheet)
            m_sheet = std::make_unique<ui::COptionsSheet>(state.settings, host.prompts(), nullptr);
        return *m_sheet;
    }
    QWidget* page(const char* id) { return sheet().findChild<QWidget*>(QString::fromLatin1(id)); }
    template <typename T = QLineEdit>
    T* control(const char* pageId, const char* id)
    {
        return page(pageId)->findChild<T*>(QString::fromLatin1(id));
    }
    void type(const char* pageId, const char* id, const QString& text) { control(pageId, id)->setText(text); }

    // "OK", then what the program does with an accepted sheet.
    bool pressOk()
    {
        sheet().findChild<QPushButton*>(QStringLiteral("1"))->click();
        if (sheet().result() != QDialog::Accepted)
            return false;
        ui::applyOptions(state, host, sheet().edited(), nullptr);
        return true;
    }

    std::vector<std::uint8_t> stored;
    std::unique_ptr<ui::COptionsSheet> m_sheet;
};

void saveArtifact(QWidget& widget, const char* name)
{
    const QString dir = qEnvironmentVariable("PICTRA_ARTIFACT_DIR");
    if (!dir.isEmpty())
        QVERIFY(widget.grab().save(dir + QLatin1Char('/') + QLatin1String(name)));
}

} // namespace

class TestOptionsSheet : public QObject {
    Q_OBJECT
private slots:
    void pagesComeInOrderAndShowTheSettings()
    {
        SheetFixture f;
        QTabWidget* tabs = f.sheet().pages();
        QStringList titles;
        for (int i = 0; i < tabs->count(); ++i)
            titles << tabs->tabText(i);
        QCOMPARE(titles, (QStringList{"ﾓｰﾄﾞ", "ﾊﾟﾗﾒｰﾀ", "アルバム", "印刷", "Jpeg", "撮影情報"}));
        QCOMPARE(f.sheet().windowTitle(), QStringLiteral("オプション"));
        QVERIFY(f.control<QCheckBox>("137", "1070")->isChecked());
        QVERIFY(!f.control<QCheckBox>("137", "1072")->isChecked());
        QCOMPARE(f.control("136", "1000")->text(), QStringLiteral("3000"));
        QCOMPARE(f.control("135", "1000")->text(), QStringLiteral("4"));
        QCOMPARE(f.control("174", "1001")->text(), QStringLiteral("Pictra 1.04"));
        f.sheet().resize(460, 420);
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            saveArtifact(f.sheet(), i == 3 ? "options_sheet.png" : qPrintable(QStringLiteral("options_sheet_%1.png").arg(i)));
        }
    }

    void qualityOutsideItsRangeBecomes80()
    {
        SheetFixture f;
        const std::pair<const char*, int> cases[] = {{"0", 80}, {"100", 100}, {"101", 80}, {"55", 55}};
        QLabel* note = f.sheet().findChild<QLabel*>(QStringLiteral("jpegQualityNote"));
        QVERIFY(note);
        for (const auto& [text, stored] : cases) {
            f.type("174", "1000", QString::fromLatin1(text));
            QCOMPARE(f.sheet().edited().jpegQuality, stored);
            // The sheet tells the user whenever it stores 80 for what was typed.
            QCOMPARE(!note->isHidden(), stored == 80);
        }
        QCOMPARE(f.control("174", "1000")->text(), QStringLiteral("55"));
    }

    void navigationOffDisablesTheDelayWhoseValueIsStillWritten()
    {
        SheetFixture f;
        f.type("136", "1001", QStringLiteral("800"));
        f.control<QCheckBox>("136", "1070")->click();
        QVERIFY(!f.control("136", "1001")->isEnabled());
        QVERIFY(f.pressOk());
        const WorkModeSettings written = decodeSettings(f.fileBytes());
        QCOMPARE(written.tipEnabled, 0);
        QCOMPARE(written.tipDelayMs, 800);
    }

    void cancelAndUnchangedOkKeepFileTimerAndLayout()
    {
        SheetFixture f;
        auto* frame = f.openAlbum("/albums/a.abm", 20, 4, 3);
        f.state.slideShow.state = SlideState::Forward;
        const AlbumRecord before = f.record(*frame);
        {
            ui::COptionsSheet sheet(f.state.settings, f.host.prompts(), nullptr);
            sheet.findChild<QWidget*>(QStringLiteral("136"))
                ->findChild<QLineEdit*>(QStringLiteral("1000"))
                ->setText(QStringLiteral("900"));
            sheet.findChild<QPushButton*>(QStringLiteral("2"))->click();
            QCOMPARE(sheet.result(), int(QDialog::Rejected));
        }
        QCOMPARE(f.fileBytes(), f.stored);

        const std::string file = paramFilePath(f.state.programFolder, kWorkModeFile);
        const auto old = std::filesystem::last_write_time(file) - std::chrono::hours(1);
        std::filesystem::last_write_time(file, old);
        QVERIFY(f.pressOk());
        QVERIFY(std::filesystem::last_write_time(file) > old); // written again
        QCOMPARE(f.fileBytes(), f.stored); // all 205 bytes, fields without a control included
        QCOMPARE(f.host.slideInterval, 0);
        QVERIFY(std::memcmp(&f.record(*frame), &before, sizeof before) == 0);
    }

    void printPaperTakesTheTableSizes()
    {
        SheetFixture f;
        auto* paper = f.control<QComboBox>("170", "1081");
        QCOMPARE(paper->currentText(), QStringLiteral("A4"));
        QVERIFY(!f.control("170", "1000")->isEnabled());
        const int twoL = paper->findText(QStringLiteral("２L判"));
        QVERIFY(twoL >= 0);
        paper->setCurrentIndex(twoL);
        emit paper->activated(twoL);
        QCOMPARE(f.sheet().edited().print.paperWidth, 178);
        QCOMPARE(f.sheet().edited().print.paperHeight, 127);
        QCOMPARE(f.control("170", "1000")->text(), QStringLiteral("178"));
        const int free = paper->findText(QStringLiteral("FREEｻｲｽﾞ"));
        paper->setCurrentIndex(free);
        emit paper->activated(free);
        QVERIFY(f.control("170", "1000")->isEnabled());
        f.type("170", "1001", QStringLiteral("100"));
        QVERIFY(f.pressOk());
        const WorkModeSettings written = decodeSettings(f.fileBytes());
        QCOMPARE(storedPaperName(written.print), std::string("FREEｻｲｽﾞ"));
        QCOMPARE(written.print.paperWidth, 178);
        QCOMPARE(written.print.paperHeight, 100);
    }

    void refusedValuesAreRedAndBlockOk()
    {
        SheetFixture f;
        f.type("135", "1000", QStringLiteral("20")); // 20 x 3 fits; 20 x 6 does not
        f.type("135", "1001", QStringLiteral("6"));
        f.type("136", "1000", QStringLiteral("50"));
        auto* columns = f.control<ui::OptionEdit>("135", "1000");
        QVERIFY(columns->marked());
        QVERIFY(f.control<ui::OptionEdit>("136", "1000")->marked());
        QVERIFY(!f.control<ui::OptionEdit>("136", "1002")->marked());
        QVERIFY(!f.pressOk());
        QCOMPARE(f.host.scripted.asked.size(), 1);
        QVERIFY(f.host.scripted.asked[0].contains(QStringLiteral("スライド間隔")));
        QVERIFY(f.host.scripted.asked[0].contains(QStringLiteral("100以下")));
        QCOMPARE(f.fileBytes(), f.stored);
        f.type("135", "1001", QStringLiteral("5"));
        f.type("136", "1000", QStringLiteral("100"));
        QVERIFY(!columns->marked());
        QVERIFY(f.pressOk());
        QCOMPARE(f.state.settings.columns, 20);
    }

    void newColumnsShowInEveryAlbumWindowAtOnce()
    {
        SheetFixture f;
        auto* a = f.openAlbum("/albums/a.abm", 30, 4, 3);
        auto* b = f.openAlbum("/albums/b.abm", 12, 4, 3);
        f.state.slideShow.state = SlideState::Forward;
        f.type("135", "1000", QStringLiteral("5"));
        f.type("136", "1000", QStringLiteral("1500"));
        QVERIFY(f.pressOk());
        for (ui::CChildFrame* frame : {a, b}) {
            QCOMPARE(int(f.record(*frame).columns), 5);
            QCOMPARE(frame->pageView()->findChild<QSlider*>(QStringLiteral("1083"))->value(), 5);
            // Five cells in the first row: the sixth starts a new row.
            QCOMPARE(f.record(*frame).cells[4].top, f.record(*frame).cells[0].top);
            QVERIFY(f.record(*frame).cells[5].top > f.record(*frame).cells[0].top);
        }
        QCOMPARE(int(f.state.albums->working.columns), 5);
        QCOMPARE(f.host.slideInterval, 1500);
    }

    void aFailedWriteIsToldAndTheSettingsStillApply()
    {
        SheetFixture f;
        std::filesystem::remove_all(f.dir.file("PARAM"));
        f.type("174", "1000", QStringLiteral("60"));
        QVERIFY(f.pressOk());
        QCOMPARE(f.host.scripted.asked.size(), 1);
        QVERIFY(f.host.scripted.asked[0].startsWith(QStringLiteral("設定を保存できませんでした")));
        QCOMPARE(f.state.settings.jpegQuality, 60);
    }
};

QTEST_MAIN(TestOptionsSheet)
#include "test_options_sheet.moc"
