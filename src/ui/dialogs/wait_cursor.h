// The wait cursor for the length of a long operation (reading, saving,
// dropping, exporting): shown on construction, taken back on destruction.
#pragma once

#include <QApplication>
#include <QCursor>

namespace pictra::ui {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace pictra::ui
