// Driving modal dialogs in ui tests: the steps run once the dialog's own
// event loop has started; a dialog the steps leave open is cancelled so a
// failing test never hangs.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

namespace pictra::test {

inline void whenDialogOpens(std::function<void(QDialog&)> steps)
{
    QTimer::singleShot(0, [steps = std::move(steps)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        steps(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// Saves a picture of the widget into the test artifacts folder.
inline bool saveArtifact(QWidget& widget, const char* name)
{
    const QString dir = qEnvironmentVariable("PICTRA_ARTIFACT_DIR");
    return dir.isEmpty() || widget.grab().save(dir + QLatin1Char('/') + QLatin1String(name));
}

} // namespace pictra::test
