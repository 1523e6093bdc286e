// NavigationTip: the one tooltip of the program that album pages use to show
// an image's summary under the mouse. It shows a text only when navigation
// is on, after the navigation delay, and never the same text twice in a row.
// It closes whenever a menu (a context menu or one of the menu bar) opens,
// so it never covers the menu's items.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace pictra::ui {

class NavigationTip : public QObject {
    Q_OBJECT
public:
    explicit NavigationTip(QObject* parent = nullptr);

    // Navigation on/off and the delay in milliseconds, from the settings.
    void configure(bool enabled, int delayMs);

    // Shows `text` for `view` near the last relayed mouse position. Nothing
    // happens for the text already shown.
    void show(QWidget* view, const QString& text);
    void hide();
    // The view's mouse moved (global position).
    void relay(QWidget* view, const QPoint& globalPos);

    bool isShown() const { return m_shown; }
    const QString& text() const { return m_text; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showNow();

    bool m_enabled = true;
    QTimer m_delay;
    bool m_shown = false;
    QString m_text;
    QPointer<QWidget> m_view;
    QPoint m_pos;
};

} // namespace pictra::ui
