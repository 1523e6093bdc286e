// The installation folder and what to install ("サンプルデータ", "Pictra").
#pragma once

#include "core/setup/install_stages.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace pictra::setup {

class InstallFolderDialog : public QDialog {
public:
    // `options` gives the default folder and the source whose sizes are shown.
    InstallFolderDialog(const InstallOptions& options, QWidget* parent = nullptr);
    InstallOptions options() const;

private:
    InstallOptions m_options;
    QLineEdit* m_folder = nullptr;
    QCheckBox* m_samples = nullptr;
    QCheckBox* m_program = nullptr;
};

// "34.3MB": the size of what the stages with the given choices copy.
QString copySizeText(const InstallOptions& options, bool samples);

} // namespace pictra::setup
