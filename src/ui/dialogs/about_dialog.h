// The version dialog: program icon, "Pictra  Version1.04" and OK.
#pragma once

#include <QDialog>

namespace pictra::ui {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace pictra::ui
