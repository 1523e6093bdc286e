// pictra-setup: installs Pictra for the current user from the distribution
// folder ABM10 beside it, or removes an installation.
//   pictra-setup                       the dialogs
//   pictra-setup --unattended --target DIR [--no-samples] [--no-program] [--source DIR]
//   pictra-setup --uninstall [--target DIR] [--unattended]
//   pictra-setup --help
// Exit status: 0 done, 1 failed or cancelled, 2 wrong arguments.
#include "setup/setup_modes.h"
#include "setup/setup_usage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProcessEnvironment>
#include <QTranslator>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    using pictra::setup::SetupArguments;
    if (const auto answered = pictra::setup::answerHelpOrUnknownOption(argc, argv))
        return *answered;
    QStringList rawArguments;
    for (int i = 1; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    QString error;
    SetupArguments arguments = pictra::setup::parseSetupArguments(rawArguments, error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "pictra-setup: %s\n", error.toLocal8Bit().constData());
        return 2;
    }
    // Without a display Qt's windows would abort: an uninstall goes on
    // unattended, an installation says how to run without windows.
    if (!arguments.quiet && !pictra::setup::windowsCanOpen(QProcessEnvironment::systemEnvironment())) {
        if (arguments.mode != SetupArguments::Mode::Uninstall) {
            std::fputs("pictra-setup: 画面がないためウインドウを開けません。"
                       "--unattended --target DIR で実行して下さい。\n", stderr);
            return 1;
        }
        std::fputs("pictra-setup: 画面がないため、確認せずにアンインストールします（--unattended と同じ）。\n", stderr);
        arguments.quiet = true;
    }
    // Without windows no display is needed: administrators run this over ssh.
    std::unique_ptr<QCoreApplication> app;
    if (arguments.quiet)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    QTranslator qtJapanese;
    if (qtJapanese.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app->installTranslator(&qtJapanese);

    if (arguments.source.isEmpty())
        arguments.source = pictra::setup::findDistributionFolder(QCoreApplication::applicationDirPath());
    switch (arguments.mode) {
    case SetupArguments::Mode::Unattended: return pictra::setup::runUnattended(arguments);
    case SetupArguments::Mode::Uninstall: return pictra::setup::runUninstall(arguments);
    case SetupArguments::Mode::Dialogs: break;
    }
    return pictra::setup::runDialogs(arguments);
}
