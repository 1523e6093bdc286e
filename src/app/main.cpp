// Entry point of the pictra program. A start while another Pictra runs on the
// same program folder hands its album to that instance and ends.
#include "core/app/app_state.h"
#include "app/pictra_startup.h"
#include "core/commands/open_command.h"
#include "core/platform/program_folder.h"
#include "ui/dialogs/qt_translations.h"
#include "ui/prompts/file_dialog_columns.h"
#include "ui/mainframe/c_main_frame.h"
#include "ui/mainframe/single_instance.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char** argv)
{
    pictra::ui::preferJapaneseSystemLocale();
    QApplication app(argc, argv);
    (void)pictra::ui::installQtJapanese(app); // without them Qt's buttons stay in English
    pictra::ui::fitFileDialogColumns(app);
    pictra::AppState state;
    pictra::StartOptions options;
    options.programDir = QCoreApplication::applicationDirPath().toStdString();
    const QStringList args = app.arguments();
    if (args.size() > 1)
        options.album = QFileInfo(args.at(1)).absoluteFilePath().toStdString();

    const auto folder = pictra::resolveProgramFolder(state.registry);
    const QString name = pictra::ui::singleInstanceName(QString::fromStdString(folder ? *folder : std::string()));
    const QString command = options.album ? QString::fromStdString(pictra::makeOpenCommand(*options.album)) : QString();
    if (pictra::ui::sendToRunningInstance(name, command))
        return 0;
    pictra::ui::SingleInstanceServer server;
    server.listen(name);

    auto frame = pictra::startPictra(state, options);
    if (!frame)
        return 1;
    QObject::connect(&server, &pictra::ui::SingleInstanceServer::commandReceived, frame.get(),
                     &pictra::ui::CMainFrame::executeShellCommand);
    return app.exec();
}
