#include "app/app_state.h"
#include "support/test_album_host.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/c_view_pictra.h"

#include <QComboBox>
#include <QtTest>

class TestAlbumWindow : public QObject {
    Q_OBJECT
private slots:
    void opensInTheMdiArea()
    {
        pictra::AppState state;
        pictra::test::TestAlbumHost host;
        auto* frame = new pictra::ui::CChildFrame(state, host, pictra::AlbumKind::Album);
        QCOMPARE(host.mdiArea().subWindowList().size(), 1);
        QVERIFY(frame->pageView()->findChild<QComboBox*>(QStringLiteral("1081")));
    }
};

QTEST_MAIN(TestAlbumWindow)
#include "test_album_window.moc"
