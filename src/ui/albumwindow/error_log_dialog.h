// Dialog 190 "エラーログ": the appended images whose source files do not
// exist, one row each: number, base name, extension, folder.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

namespace pictra::ui {

class ErrorLogDialog : public QDialog {
    Q_OBJECT
public:
    ErrorLogDialog(const std::vector<std::string>& missingPaths, QWidget* parent);
};

} // namespace pictra::ui
