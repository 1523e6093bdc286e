// Centring a setup window on the screen.
#include "setup/screen_centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace pictra::setup {

void centreOnScreen(QWidget& window)
{
    window.adjustSize();
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), window.frameGeometry().size());
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft()); // an explicit place: Qt no longer moves it over its parent
}

} // namespace pictra::setup
