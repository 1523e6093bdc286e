// The program's accelerators keep working while the keyboard is in the
// information bar. A line edit claims Ctrl+Home, Ctrl+End and Ctrl+Delete for
// its own cursor keys, which would silence the album's page and delete
// commands; the album's accelerators win instead. Copy, cut and paste stay
// with the text the user is typing in, and so does Enter in the memo.
#pragma once

#include <QObject>

class QKeyEvent;

namespace pictra::ui {

// True when `key` is the shortcut of one of the program's commands.
bool isProgramAccelerator(const QKeyEvent& key);

class AcceleratorPass : public QObject {
public:
    using QObject::QObject;
    // Installs the pass on an edit of the bar; `multiLine` for the memo.
    void watch(QWidget* edit, bool multiLine);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace pictra::ui
