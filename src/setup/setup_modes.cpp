// Running the setup program: parsing its arguments and the three modes.
#include "setup/setup_modes.h"

#include "core/setup/desktop_places.h"
#include "core/setup/installation.h"
#include "core/setup/proposed_folder.h"
#include "core/setup/uninstall.h"
#include "setup/agreement_dialog.h"
#include "setup/install_folder_dialog.h"
#include "setup/install_progress_dialog.h"
#include "setup/setup_texts.h"
#include "setup/setup_window.h"
#include "setup/start_menu_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

#include <cstdio>

namespace pictra::setup {
namespace {

void printError(const QString& text) { std::fprintf(stderr, "pictra-setup: %s\n", text.toLocal8Bit().constData()); }

QString absolute(const QString& path) { return path.isEmpty() ? path : QDir::cleanPath(QDir(path).absolutePath()); }

RegistryStore openRegistry() { return RegistryStore(RegistryStore::defaultPath()); }

void tellUser(bool quiet, const QString& text, bool failure)
{
    if (quiet) {
        if (failure)
            printError(text);
        return;
    }
    QMessageBox box(failure ? QMessageBox::Warning : QMessageBox::Information, QString::fromUtf8(kMessageTitle),
                    text, QMessageBox::Ok);
    box.exec();
}

} // namespace

SetupArguments parseSetupArguments(const QStringList& arguments, QString& error)
{
    SetupArguments parsed;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        auto value = [&](QString& into) {
            if (i + 1 >= arguments.size()) {
                error = a + QStringLiteral(" needs a folder");
                return;
            }
            into = arguments[++i];
        };
        if (a == QLatin1String("--unattended")) {
            parsed.quiet = true;
            if (parsed.mode == SetupArguments::Mode::Dialogs)
                parsed.mode = SetupArguments::Mode::Unattended;
        } else if (a == QLatin1String("--uninstall")) {
            parsed.mode = SetupArguments::Mode::Uninstall;
        } else if (a == QLatin1String("--target")) {
            value(parsed.target);
        } else if (a == QLatin1String("--source")) {
            value(parsed.source);
        } else if (a == QLatin1String("--no-samples")) {
            parsed.samples = false;
        } else if (a == QLatin1String("--no-program")) {
            parsed.program = false;
        } else {
            error = QStringLiteral("unknown argument ") + a;
        }
        if (!error.isEmpty())
            return parsed;
    }
    if (parsed.mode == SetupArguments::Mode::Unattended && parsed.target.isEmpty())
        error = QStringLiteral("--unattended needs --target DIR");
    return parsed;
}

QString findDistributionFolder(const QString& programFolder)
{
    const QString beside = QDir(programFolder).filePath(QStringLiteral("ABM10"));
    if (QFileInfo(QDir(beside).filePath(QStringLiteral("pictra"))).isFile())
        return beside;
    return QDir::current().filePath(QStringLiteral("ABM10"));
}

QString defaultInstallFolder() { return QDir::home().filePath(QStringLiteral("ABM10")); }

bool windowsCanOpen(const QProcessEnvironment& environment)
{
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        if (!environment.value(QString::fromLatin1(name)).isEmpty())
            return true;
    return false;
}

QString desktopPdfViewer()
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("application/pdf")});
    if (!query.waitForFinished(3000) || query.exitCode() != 0)
        return {};
    QString id = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    if (id.endsWith(QLatin1String(".desktop")))
        id.chop(8);
    return id;
}

static InstallOutcome install(const InstallOptions& options, RegistryStore& registry, std::vector<InstallFailure>& failures)
{
    Result<DesktopPlaces> places = currentDesktopPlaces();
    if (!places) {
        failures.push_back({InstallStage::Icons, "$HOME", places.status()});
        return InstallOutcome::Failed;
    }
    Installation installation(options, *places, registry);
    installation.runAll();
    const InstallOutcome outcome = installation.finish();
    failures = installation.failures();
    return outcome;
}

int runUnattended(const SetupArguments& arguments)
{
    InstallOptions options;
    options.source = absolute(arguments.source).toStdString();
    options.target = absolute(arguments.target).toStdString();
    options.samples = arguments.samples;
    options.program = arguments.program;
    if (const Status s = Installation::check(options); s != Status::Ok) {
        printError(refusalMessage(s, arguments.target));
        return 1;
    }
    RegistryStore registry = openRegistry();
    std::vector<InstallFailure> failures;
    const InstallOutcome outcome = install(options, registry, failures);
    if (outcome != InstallOutcome::Installed) {
        printError(outcomeMessage(outcome, failures, {}));
        return 1;
    }
    return 0;
}

int runUninstall(const SetupArguments& arguments)
{
    RegistryStore registry = openRegistry();
    QString folder = arguments.target;
    if (folder.isEmpty())
        folder = QString::fromStdString(registry.readString(kPictraRegistryKey, kProgramFolderValue).value_or(""));
    folder = absolute(folder);
    if (folder.isEmpty()) {
        tellUser(arguments.quiet, QStringLiteral("削除する Pictra のフォルダが分かりません。"), true);
        return 1;
    }
    if (!arguments.quiet) {
        QMessageBox ask(QMessageBox::Question, QString::fromUtf8(kMessageTitle),
                        QStringLiteral("「%1」の Pictra を削除します。よろしいですか？").arg(folder),
                        QMessageBox::Yes | QMessageBox::No);
        if (ask.exec() != QMessageBox::Yes)
            return 1;
    }
    Result<DesktopPlaces> places = currentDesktopPlaces();
    if (!places) {
        tellUser(arguments.quiet, QStringLiteral("ホームフォルダが分かりません。"), true);
        return 1;
    }
    const Result<UninstallReport> report = uninstallPictra(folder.toStdString(), *places, registry);
    const bool failed = !report || !report->failed.empty();
    tellUser(arguments.quiet, uninstallMessage(report, folder), failed);
    return failed ? 1 : 0;
}

int runDialogs(const SetupArguments& arguments)
{
    SetupWindow window;
    InstallOptions options;
    options.source = absolute(arguments.source).toStdString();
    // A reinstall proposes the folder installed before.
    const QString proposed = QString::fromStdString(
        proposedInstallFolder(openRegistry(), defaultInstallFolder().toStdString()));
    options.target = absolute(arguments.target.isEmpty() ? proposed : arguments.target).toStdString();

    while (true) {
        StartMenuDialog menu;
        menu.exec();
        if (menu.choice() == StartChoice::Cancelled)
            return 1;
        if (menu.choice() == StartChoice::Install)
            break;
        QMessageBox::information(&menu, QString::fromUtf8(kMessageTitle), pdfViewerMessage(desktopPdfViewer()));
    }
    // Sized to the screen first: without a window manager the full-screen
    // request alone leaves the background at its default size.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->geometry());
    window.showFullScreen();

    AgreementDialog agreement(&window);
    if (agreement.exec() != QDialog::Accepted)
        return 1;
    window.hide();

    while (true) {
        InstallFolderDialog chooser(options);
        if (chooser.exec() != QDialog::Accepted)
            return 1;
        options = chooser.options();
        options.target = absolute(QString::fromStdString(options.target)).toStdString();
        const Status s = Installation::check(options);
        if (s == Status::Ok)
            break;
        QMessageBox::warning(&chooser, QString::fromUtf8(kMessageTitle), refusalMessage(s, QString::fromStdString(options.target)));
    }

    RegistryStore registry = openRegistry();
    Result<DesktopPlaces> places = currentDesktopPlaces();
    if (!places) {
        QMessageBox::warning(nullptr, QString::fromUtf8(kMessageTitle), QStringLiteral("ホームフォルダが分かりません。"));
        return 1;
    }
    Installation installation(options, *places, registry);
    if (installation.copiesFiles()) {
        InstallProgressDialog progress(installation);
        progress.exec();
        if (!progress.started())
            installation.cancel();
    } else {
        installation.runAll(); // into the distribution itself: only the registration stages
    }
    const InstallOutcome outcome = installation.finish();
    QMessageBox box(outcome == InstallOutcome::Installed ? QMessageBox::Warning : QMessageBox::Critical,
                    QString::fromUtf8(kMessageTitle), outcomeMessage(outcome, installation.failures(), desktopPdfViewer()),
                    QMessageBox::Ok);
    box.exec();
    return outcome == InstallOutcome::Installed ? 0 : 1;
}

} // namespace pictra::setup
