// PageUpDown: the small arrow pair beside a page label ("2/3"). The first
// arrow (up, or left when horizontal) steps to the lower value, the second
// to the higher; each arrow is disabled at its end of the range.
#pragma once

#include <QWidget>

class QToolButton;

namespace pictra::ui {

class PageUpDown : public QWidget {
    Q_OBJECT
public:
    PageUpDown(Qt::Orientation orientation, QWidget* parent);

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    // Changes emit nothing; only the arrows do.
    void setRange(int minimum, int maximum);
    void setValue(int value);

    QToolButton* lowerButton() const { return m_lower; }
    QToolButton* higherButton() const { return m_higher; }

signals:
    void valueChanged(int value);

private:
    void step(int by);
    void updateButtons();

    QToolButton* m_lower = nullptr;
    QToolButton* m_higher = nullptr;
    int m_minimum = 0;
    int m_maximum = 0;
    int m_value = 0;
};

} // namespace pictra::ui
