// The usage agreement: "同意する" goes on with the installation, "同意しない" ends it.
#pragma once

#include <QDialog>

namespace pictra::setup {

class AgreementDialog : public QDialog {
public:
    explicit AgreementDialog(QWidget* parent = nullptr);
};

} // namespace pictra::setup
