// Every ui test runs as the program does: Japanese system locale, default
// locale and Qt translations, whatever LANG the test was started with, and
// file dialogs whose columns fit their texts.
#include "ui/dialogs/qt_translations.h"
#include "ui/prompts/file_dialog_columns.h"

#include <QCoreApplication>

namespace {

// Before main: Qt reads the system locale once, as the application starts.
[[maybe_unused]] const bool kJapaneseSystemLocale = (pictra::ui::preferJapaneseSystemLocale(), true);

void startAsTheProgram()
{
    // Without Qt's translations the tests still run; the one that checks them says so.
    (void)pictra::ui::installQtJapanese(*QCoreApplication::instance());
    pictra::ui::fitFileDialogColumns(*QCoreApplication::instance());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startAsTheProgram)
