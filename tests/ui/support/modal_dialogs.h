// Driving modal dialogs in ui tests: the steps run once the dialog's own
// event loop has started; a dialog the steps leave open is cancelled so a
// failing test never hangs, and a dialog that never opens fails the test.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <source_location>

namespace pictra::test {

// Watches for the modal dialog that the code under test opens next (one that
// was not already the active modal widget) and runs `steps` on it. Keep the
// returned object until that code has run: when it goes out of scope without
// the dialog having opened, the test fails at the line that expected it.
class DialogExpectation {
public:
    DialogExpectation(std::function<void(QDialog&)> steps, std::source_location where)
        : m_where(where), m_before(QApplication::activeModalWidget()), m_timer(std::make_unique<QTimer>())
    {
        m_timer->setInterval(0);
        QObject::connect(m_timer.get(), &QTimer::timeout, [this, steps = std::move(steps)] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* dialog = qobject_cast<QDialog*>(modal);
            if (!dialog || modal == m_before)
                return;
            m_timer->stop();
            *m_opened = true;
            steps(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        m_timer->start();
    }
    DialogExpectation(const DialogExpectation&) = delete;
    DialogExpectation& operator=(const DialogExpectation&) = delete;
    ~DialogExpectation()
    {
        m_timer->stop();
        if (!*m_opened)
            QTest::qFail("the expected dialog never opened", m_where.file_name(), static_cast<int>(m_where.line()));
    }

    bool opened() const { return *m_opened; }

private:
    std::source_location m_where;
    QPointer<QWidget> m_before;
    std::shared_ptr<bool> m_opened = std::make_shared<bool>(false);
    std::unique_ptr<QTimer> m_timer;
};

[[nodiscard("keep it while the dialog's command runs: it fails the test when no dialog opens")]]
inline std::unique_ptr<DialogExpectation> whenDialogOpens(
    std::function<void(QDialog&)> steps, std::source_location where = std::source_location::current())
{
    return std::make_unique<DialogExpectation>(std::move(steps), where);
}

// The dialog's control of object name `id` (the control id); a missing one
// ends the test run, since every step after it would be meaningless.
template <typename T>
T* control(QWidget& dialog, const char* id)
{
    T* w = dialog.findChild<T*>(QString::fromLatin1(id));
    if (!w)
        qFatal("no control %s", id);
    return w;
}

// Saves a picture of the widget into the test artifacts folder.
inline bool saveArtifact(QWidget& widget, const char* name)
{
    const QString dir = qEnvironmentVariable("PICTRA_ARTIFACT_DIR");
    return dir.isEmpty() || widget.grab().save(dir + QLatin1Char('/') + QLatin1String(name));
}

} // namespace pictra::test
