// Qt's standard buttons speak Japanese once the translations are installed.
#include "ui/dialogs/qt_translations.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TestQtTranslations : public QObject {
    Q_OBJECT
private slots:
    void yesAndNoButtonsReadJapanese()
    {
        QVERIFY(pictra::ui::installQtJapanese(*QCoreApplication::instance()));
        QMessageBox box(QMessageBox::Warning, QStringLiteral("注意"), QStringLiteral("Pictraを終了しますがよろしいですか。"),
                        QMessageBox::Yes | QMessageBox::No);
        QVERIFY(box.button(QMessageBox::Yes)->text().contains(QStringLiteral("はい")));
        QVERIFY(box.button(QMessageBox::No)->text().contains(QStringLiteral("いいえ")));
    }
};

QTEST_MAIN(TestQtTranslations)
#include "test_qt_translations.moc"
