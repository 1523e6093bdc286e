// The setup program's start menu: install Pictra, ask about a PDF reader, or leave.
#pragma once

#include <QDialog>

namespace pictra::setup {

enum class StartChoice { Cancelled, Install, Reader };

class StartMenuDialog : public QDialog {
public:
    explicit StartMenuDialog(QWidget* parent = nullptr);
    StartChoice choice() const { return m_choice; }

private:
    StartChoice m_choice = StartChoice::Cancelled;
};

} // namespace pictra::setup
