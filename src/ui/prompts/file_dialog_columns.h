// Qt's own file dialog (used where the desktop offers no native one) sizes
// its columns for English texts, so a Japanese size such as "1,022.46 KiB"
// or a date came out cut. Every such dialog of the program gets its size
// and date columns fitted to what they show.
#pragma once

class QCoreApplication;

namespace pictra::ui {

// Watches the application for file dialogs being shown; the watcher lives
// as long as `app`.
void fitFileDialogColumns(QCoreApplication& app);

} // namespace pictra::ui
