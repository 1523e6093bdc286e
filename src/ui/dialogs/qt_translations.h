// Qt's own texts (message-box buttons, the file, print, colour and font
// dialogs) in Japanese like the rest of the program.
#pragma once

class QCoreApplication;

namespace pictra::ui {

// Loads Qt's Japanese translations (Debian's qt6-translations-l10n) into the
// application. False when they cannot be found; Qt then keeps its English.
bool installQtJapanese(QCoreApplication& app);

} // namespace pictra::ui
