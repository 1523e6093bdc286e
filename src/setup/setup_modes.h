// The setup program's ways of running: the dialogs, the unattended
// installation and the uninstallation, and what they share.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace pictra::setup {

struct SetupArguments {
    enum class Mode { Dialogs, Unattended, Uninstall } mode = Mode::Dialogs;
    QString source;   // --source (default: ABM10 beside the program, else in the current folder)
    QString target;   // --target
    bool samples = true;
    bool program = true;
    bool quiet = false; // --unattended with --uninstall: no windows
};

// Parses the command line (without the program name). Empty `error` when fine.
SetupArguments parseSetupArguments(const QStringList& arguments, QString& error);

// The distribution folder: ABM10 beside the setup program when it holds the
// program, else ABM10 in the current folder.
QString findDistributionFolder(const QString& programFolder);

// ~/ABM10.
QString defaultInstallFolder();

// Whether windows can open: a platform chosen with QT_QPA_PLATFORM, or an
// X11 or Wayland display named in the environment. Without one Qt's
// widgets abort the process.
bool windowsCanOpen(const QProcessEnvironment& environment);

// The desktop's PDF viewer ("" when none is registered).
QString desktopPdfViewer();

// Each returns the process's exit status: 0 done, 1 failed or refused.
int runUnattended(const SetupArguments& arguments);
int runUninstall(const SetupArguments& arguments);
int runDialogs(const SetupArguments& arguments);

} // namespace pictra::setup
