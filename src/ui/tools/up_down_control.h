// UpDownControl: the pair of small arrow buttons beside an edit box. Each
// click steps the number in its edit box by one within the range and
// writes it back as text, which runs the edit's own handler.
#pragma once

#include <QWidget>

class QLineEdit;

namespace pictra::ui {

class UpDownControl : public QWidget {
    Q_OBJECT
public:
    UpDownControl(int controlId, QLineEdit& buddy, int minimum, int maximum, QWidget* parent);

    void setRange(int minimum, int maximum);
    // One step up (+1) or down (-1).
    void step(int direction);

private:
    QLineEdit& m_buddy;
    int m_min;
    int m_max;
};

} // namespace pictra::ui
