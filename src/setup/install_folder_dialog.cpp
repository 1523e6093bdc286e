// The installation folder and choices.
#include "setup/install_folder_dialog.h"

#include "setup/screen_centre.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>

namespace pictra::setup {

QString copySizeText(const InstallOptions& options, bool samples)
{
    InstallOptions only = options;
    only.samples = samples;
    only.program = !samples;
    std::uintmax_t bytes = 0;
    for (InstallStage stage : kInstallStages)
        for (const CopyJob& job : stageCopies(stage, only)) {
            std::error_code ec;
            const std::uintmax_t size = std::filesystem::file_size(job.from, ec);
            if (!ec)
                bytes += size;
        }
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 2) + QStringLiteral("MB");
}

InstallFolderDialog::InstallFolderDialog(const InstallOptions& options, QWidget* parent)
    : QDialog(parent), m_options(options)
{
    setWindowTitle(QStringLiteral("インストール先の指定"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("インストール先のフォルダ:"), this), 0, 0, 1, 2);
    m_folder = new QLineEdit(QString::fromStdString(options.target), this);
    m_folder->setObjectName(QStringLiteral("1001"));
    m_folder->setMinimumWidth(380);
    grid->addWidget(m_folder, 1, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("インストールするもの:"), this), 2, 0, 1, 2);
    m_program = new QCheckBox(QStringLiteral("Pictra"), this);
    m_program->setObjectName(QStringLiteral("1006"));
    m_program->setChecked(true);
    m_samples = new QCheckBox(QStringLiteral("サンプルデータ"), this);
    m_samples->setObjectName(QStringLiteral("1000"));
    m_samples->setChecked(true);
    grid->addWidget(m_program, 3, 0);
    grid->addWidget(new QLabel(copySizeText(options, false), this), 3, 1, Qt::AlignRight);
    grid->addWidget(m_samples, 4, 0);
    grid->addWidget(new QLabel(copySizeText(options, true), this), 4, 1, Qt::AlignRight);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
    grid->addWidget(buttons, 5, 0, 1, 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    centreOnScreen(*this);
}

InstallOptions InstallFolderDialog::options() const
{
    InstallOptions chosen = m_options;
    chosen.target = m_folder->text().trimmed().toStdString();
    chosen.samples = m_samples->isChecked();
    chosen.program = m_program->isChecked();
    return chosen;
}

} // namespace pictra::setup
