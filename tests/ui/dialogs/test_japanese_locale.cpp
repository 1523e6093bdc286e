// Qt's own file dialog in Japanese even when started with LANG=C: dates,
// sizes and type names the way a Japanese user reads them, and sizes never
// cut by their column.
#include "support/modal_dialogs.h"
#include "support/temp_dir.h"
#include "ui/dialogs/qt_translations.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLocale>
#include <QTreeView>
#include <QtTest>

#include <string>

using namespace pictra;

namespace {

// Before main, as the program does before its application object exists.
[[maybe_unused]] const bool kJapaneseSystemLocale = (pictra::ui::preferJapaneseSystemLocale(), true);

enum Column { Name, Size, Type, Modified };

// The text shown in `column` for the row of file `name`.
QString shown(QTreeView& view, const QString& folder, const QString& name, int column)
{
    auto* model = qobject_cast<QFileSystemModel*>(view.model());
    return model ? model->index(folder + QLatin1Char('/') + name, column).data().toString() : QString();
}

} // namespace

class TestJapaneseLocale : public QObject {
    Q_OBJECT
private slots:
    void localesAreJapaneseWhateverTheEnvironmentSaid()
    {
        QCOMPARE(QLocale().language(), QLocale::Japanese);
        QCOMPARE(QLocale::system().language(), QLocale::Japanese);
    }

    void fileDialogShowsJapaneseDatesSizesAndTypes()
    {
        test::TempDir dir;
        test::writeBytes(dir.file("small.jpg"), std::string(100, 'x'));
        test::writeBytes(dir.file("big.bin"), std::string(1047000, '\0')); // just under 1 MiB: the widest size text
        const QString folder = QString::fromStdString(dir.path());
        QFileDialog dialog(nullptr, QStringLiteral("開く"), folder);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setViewMode(QFileDialog::Detail);
        dialog.resize(640, 400);
        dialog.show();
        auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(view);
        QTRY_VERIFY(!shown(*view, folder, QStringLiteral("big.bin"), Modified).isEmpty());

        const QDateTime modified = QFileInfo(dir.file("big.bin").c_str()).lastModified();
        QCOMPARE(shown(*view, folder, QStringLiteral("big.bin"), Modified),
                 QLocale(QLocale::Japanese, QLocale::Japan).toString(modified, QLocale::ShortFormat));
        QVERIFY(shown(*view, folder, QStringLiteral("small.jpg"), Size).contains(QStringLiteral("バイト")));
        QCOMPARE(shown(*view, folder, QStringLiteral("small.jpg"), Type).trimmed(), QStringLiteral("JPEG 画像"));
        QCOMPARE(shown(*view, folder, QStringLiteral("big.bin"), Type), QStringLiteral("不明"));
        QCOMPARE(view->model()->headerData(Modified, Qt::Horizontal).toString(), QStringLiteral("更新日"));

        // The size column is wide enough for every size it shows.
        for (const QString& name : {QStringLiteral("small.jpg"), QStringLiteral("big.bin")}) {
            const QString size = shown(*view, folder, name, Size);
            QVERIFY2(view->fontMetrics().horizontalAdvance(size) < view->header()->sectionSize(Size), qPrintable(size));
        }
        test::saveArtifact(dialog, "japanese_file_dialog.png");
    }
};

QTEST_MAIN(TestJapaneseLocale)
#include "test_japanese_locale.moc"
