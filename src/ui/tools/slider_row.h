// SliderRow: one parameter of a tool dialog as a label, a slider, an edit
// box with its unit and an up-down control. The slider writes its position
// into the edit box when a scroll ends; the edit box's number ("%d") is the
// parameter, and while the dialog is ready it also moves the slider. A number
// outside the slider's range is refused: the box turns red and the parameter
// (and so the preview and what is kept) stays at the last accepted value.
#pragma once

#include <QObject>

#include <functional>

class QBoxLayout;
class QLineEdit;
class QSlider;
class QWidget;

namespace pictra::ui {

class UpDownControl;

struct SliderRowIds {
    int slider;
    int edit;
    int upDown;
};

class SliderRow : public QObject {
    Q_OBJECT
public:
    // `changed` receives every number typed or written into the edit box.
    SliderRow(QWidget& dialog, QBoxLayout& into, const QString& label, const QString& unit, SliderRowIds ids,
              int minimum, int maximum, int start, std::function<void(int)> changed);

    // Lets the edit box move the slider (the dialog's ready flag).
    void setReady() { m_ready = true; }
    QSlider& slider() { return *m_slider; }
    QLineEdit& edit() { return *m_edit; }

private:
    void editChanged();

    QSlider* m_slider = nullptr;
    QLineEdit* m_edit = nullptr;
    UpDownControl* m_upDown = nullptr;
    std::function<void(int)> m_changed;
    int m_minimum = 0;
    int m_maximum = 0;
    bool m_ready = false;
};

} // namespace pictra::ui
