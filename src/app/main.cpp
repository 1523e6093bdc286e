// Entry point of the pictra program. A start while another Pictra runs on the
// same program folder hands its album to that instance and ends.
#include "core/app/app_state.h"
#include "app/pictra_startup.h"
#include "core/commands/open_command.h"
#include "core/platform/program_folder.h"
#include "core/util/command_options.h"
#include "ui/dialogs/qt_translations.h"
#include "ui/prompts/file_dialog_columns.h"
#include "ui/mainframe/c_main_frame.h"
#include "ui/mainframe/single_instance.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: pictra [ALBUM.abm]\n"
    "\n"
    "Starts Pictra, the photo album program, and opens ALBUM.abm in it. While\n"
    "Pictra runs on the same program folder, a second start hands ALBUM.abm to the\n"
    "running program and ends.\n"
    "Qt's own options (-platform NAME, -style NAME, ...) are taken as well.\n"
    "  -h, --help  show this text\n"
    "Exit status: 0 done, 1 the program folder could not be prepared, 2 wrong\n"
    "arguments.\n";

// The arguments Qt left after taking its own options.
std::vector<std::string> programArguments(const QStringList& arguments)
{
    std::vector<std::string> out;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        out.push_back(arguments.at(i).toStdString());
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    // Before QApplication: the help needs no display and opens no window.
    if (pictra::checkOptions(std::vector<std::string>(argv + 1, argv + argc), {}).verdict ==
        pictra::OptionVerdict::Help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    pictra::ui::preferJapaneseSystemLocale();
    QApplication app(argc, argv);
    // After it: Qt has taken its own options out of the arguments.
    if (const auto check = pictra::checkOptions(programArguments(app.arguments()), {});
        check.verdict == pictra::OptionVerdict::Unknown) {
        std::fprintf(stderr, "pictra: %s\n", pictra::unknownOptionHint(check.unknown, "pictra").c_str());
        return 2;
    }
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
