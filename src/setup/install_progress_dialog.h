// The eight stages with their marks and the progress bar. "開始" runs the
// stages of the installation it is given; "中止" stops it (before the start
// or between two files), and the run then registers nothing.
#pragma once

#include "core/setup/installation.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace pictra::setup {

class InstallProgressDialog : public QDialog {
public:
    InstallProgressDialog(Installation& installation, QWidget* parent = nullptr);

    // Called as each stage begins (tests take their screenshot there).
    std::function<void(InstallStage)> onStageStarted;

    void start();
    bool started() const { return m_started; }

private:
    void requestCancel();

    Installation& m_installation;
    std::array<QLabel*, kInstallStages.size()> m_marks{};
    QProgressBar* m_bar = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_started = false;
    bool m_cancelRequested = false;
};

} // namespace pictra::setup
