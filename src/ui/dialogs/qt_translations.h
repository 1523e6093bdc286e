// Qt's own texts (message-box buttons, the file, print, colour and font
// dialogs) and the numbers, sizes and dates widgets format, in Japanese like
// the rest of the program, whatever language the environment asks for.
#pragma once

class QCoreApplication;

namespace pictra::ui {

// Called before the application object exists: Qt's system locale, which
// the file dialogs follow for file sizes and dates, becomes Japanese (the
// process's LC_ALL is set to ja_JP.UTF-8; the C library keeps the "C"
// locale where that locale is not installed).
void preferJapaneseSystemLocale();

// Makes Japan's Japanese the default locale and loads Qt's Japanese
// translations (Debian's qt6-translations-l10n) into the application. False
// when the translations cannot be found; Qt's texts then stay in English.
bool installQtJapanese(QCoreApplication& app);

} // namespace pictra::ui
