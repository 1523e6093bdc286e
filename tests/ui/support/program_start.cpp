// Every ui test runs as the program does: Japanese default locale and Qt
// translations, and file dialogs whose columns fit their texts. (The system
// locale stays the test environment's, so drawn text keeps the fonts the
// drawing tests were measured with; test_japanese_locale sets it as the
// program does.)
#include "ui/dialogs/qt_translations.h"
#include "ui/prompts/file_dialog_columns.h"

#include <QCoreApplication>

namespace {

void startAsTheProgram()
{
    // Without Qt's translations the tests still run; the one that checks them says so.
    (void)pictra::ui::installQtJapanese(*QCoreApplication::instance());
    pictra::ui::fitFileDialogColumns(*QCoreApplication::instance());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startAsTheProgram)
