// The installation progress dialog.
#include "setup/install_progress_dialog.h"

#include "setup/screen_centre.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace pictra::setup {
namespace {

// The mark controls beside the stages (1102 is not used).
constexpr std::array<int, kInstallStages.size()> kMarkIds = {1100, 1101, 1103, 1104, 1105, 1106, 1107, 1108};

} // namespace

InstallProgressDialog::InstallProgressDialog(Installation& installation, QWidget* parent)
    : QDialog(parent), m_installation(installation)
{
    setWindowTitle(QStringLiteral("インストール"));
    auto* grid = new QGridLayout(this);
    for (std::size_t i = 0; i < kInstallStages.size(); ++i) {
        auto* mark = new QLabel(this);
        mark->setObjectName(QString::number(kMarkIds[i]));
        mark->setFixedWidth(24);
        m_marks[i] = mark;
        const std::string_view label = stageLabel(kInstallStages[i]);
        grid->addWidget(mark, static_cast<int>(i), 0);
        grid->addWidget(new QLabel(QString::fromUtf8(label.data(), static_cast<int>(label.size())), this),
                        static_cast<int>(i), 1);
    }
    const int row = static_cast<int>(kInstallStages.size());
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, static_cast<int>(kInstallStages.size()));
    m_bar->setValue(0);
    m_bar->setMinimumWidth(360);
    grid->addWidget(m_bar, row, 0, 1, 3);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("888"));
    grid->addWidget(m_status, row + 1, 0, 1, 3);
    m_start = new QPushButton(QStringLiteral("開始"), this);
    m_start->setObjectName(QStringLiteral("1"));
    m_cancel = new QPushButton(QStringLiteral("中止"), this);
    m_cancel->setObjectName(QStringLiteral("2"));
    grid->addWidget(m_start, row + 2, 1, Qt::AlignRight);
    grid->addWidget(m_cancel, row + 2, 2);
    connect(m_start, &QPushButton::clicked, this, &InstallProgressDialog::start);
    connect(m_cancel, &QPushButton::clicked, this, &InstallProgressDialog::requestCancel);
    centreOnScreen(*this);
}

void InstallProgressDialog::requestCancel()
{
    if (!m_started) {
        m_installation.cancel();
        reject();
        return;
    }
    m_cancelRequested = true; // acted on before the next file
}

void InstallProgressDialog::start()
{
    if (m_started)
        return;
    m_started = true;
    m_start->setEnabled(false);
    // Each file lets pending events run, so "中止" and repaints get through.
    const InstallFileObserver onFile = [this](std::string_view name) {
        m_status->setText(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
        QCoreApplication::processEvents();
        return !m_cancelRequested;
    };
    for (std::size_t i = 0; i < kInstallStages.size(); ++i) {
        const InstallStage stage = kInstallStages[i];
        m_marks[i]->setText(QStringLiteral("〆"));
        if (onStageStarted)
            onStageStarted(stage);
        QCoreApplication::processEvents();
        if (m_cancelRequested)
            m_installation.cancel();
        m_installation.runStage(stage, onFile);
        m_marks[i]->clear();
        m_bar->setValue(static_cast<int>(i) + 1);
    }
    m_status->clear();
    m_cancel->setEnabled(false);
    accept();
}

} // namespace pictra::setup
