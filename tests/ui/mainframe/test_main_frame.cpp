#include "app/app_state.h"
#include "ui/mainframe/c_main_frame.h"

#include <QtTest>

class TestMainFrame : public QObject {
    Q_OBJECT
private slots:
    void showsTheProgramTitle()
    {
        pictra::AppState state;
        pictra::ui::CMainFrame frame(state);
        frame.show();
        QCOMPARE(frame.windowTitle(), QStringLiteral("Pictra  Version1.04"));
    }
};

QTEST_MAIN(TestMainFrame)
#include "test_main_frame.moc"
