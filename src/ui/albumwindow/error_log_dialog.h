// Dialog 190 "エラーログ": the images of an album whose source files do not
// exist, one row each (number, base name, extension, folder), each file
// once, under words that name the album, say what is missing and what the
// user can do about it, and for an opened album a button that searches for
// the moved originals.
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

namespace pictra::ui {

class ErrorLogDialog : public QDialog {
    Q_OBJECT
public:
    // `albumPath` names the album that was opened; empty for images just
    // added to an album. With `findOriginals` the log offers a button that
    // closes it and runs that (the search for the moved originals).
    ErrorLogDialog(const std::string& albumPath, const std::vector<std::string>& missingPaths, QWidget* parent,
                   std::function<void()> findOriginals = {});
};

} // namespace pictra::ui
