// Dialog 190 "エラーログ": the images of an album whose source files do not
// exist, one row each (number, base name, extension, folder), each file
// once, under words that name the album, say what is missing and what the
// user can do about it.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

namespace pictra::ui {

class ErrorLogDialog : public QDialog {
    Q_OBJECT
public:
    // `albumPath` names the album that was opened; empty for images just
    // added to an album.
    ErrorLogDialog(const std::string& albumPath, const std::vector<std::string>& missingPaths, QWidget* parent);
};

} // namespace pictra::ui
