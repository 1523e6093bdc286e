// Entry point of the pictra program.
#include "app/app_state.h"
#include "ui/mainframe/c_main_frame.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    pictra::AppState state;
    pictra::ui::CMainFrame frame(state);
    frame.show();
    return app.exec();
}
