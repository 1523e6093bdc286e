// Entry point of the pictra program.
#include "app/app_state.h"
#include "app/program_startup.h"
#include "ui/mainframe/c_main_frame.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    pictra::AppState state;
    // A folder that cannot be prepared is not fatal: the settings fall back
    // to their defaults and commands that need a file fail one by one.
    (void)pictra::prepareProgramFolder(state);
    pictra::ui::CMainFrame frame(state);
    frame.show();
    return app.exec();
}
