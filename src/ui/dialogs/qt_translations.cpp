// Japanese locale and Qt's Japanese translations.
#include "ui/dialogs/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace pictra::ui {

void preferJapaneseSystemLocale()
{
    // Qt reads the system locale from the environment once, when the
    // application starts; LC_ALL outranks LANG and the other LC_ variables.
    qputenv("LC_ALL", "ja_JP.UTF-8");
}

bool installQtJapanese(QCoreApplication& app)
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    auto translator = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"), folder))
        return false;
    // Owned by the application from here: it must live as long as the texts are used.
    translator->setParent(&app);
    return QCoreApplication::installTranslator(translator.release());
}

} // namespace pictra::ui
