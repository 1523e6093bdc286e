// Image file name filter.
#include "ui/dialogs/image_file_filter.h"

#include <QStringList>

namespace pictra::ui {

QString imageFileFilter()
{
    QStringList globs;
    for (const char* ext : {"bmp", "jpg", "jpeg", "tif", "tiff", "psd", "pcx"}) {
        const QString lower = QString::fromLatin1(ext);
        globs << QStringLiteral("*.") + lower << QStringLiteral("*.") + lower.toUpper();
    }
    return QStringLiteral("画像ﾌｧｲﾙ (%1)").arg(globs.join(QLatin1Char(' ')));
}

} // namespace pictra::ui
