// Image file name filters.
#include "ui/dialogs/image_file_filter.h"

#include "core/image/image_format.h"

#include <QStringList>

#include <string_view>
#include <vector>

namespace pictra::ui {
namespace {

QString filterOf(const std::vector<std::string_view>& extensions)
{
    QStringList globs;
    for (std::string_view ext : extensions) {
        const QString lower = QString::fromLatin1(ext.data(), static_cast<qsizetype>(ext.size()));
        globs << QStringLiteral("*.") + lower << QStringLiteral("*.") + lower.toUpper();
    }
    return QStringLiteral("画像ﾌｧｲﾙ (%1)").arg(globs.join(QLatin1Char(' ')));
}

} // namespace

QString imageFileFilter() { return filterOf(readableExtensions()); }

QString writableImageFileFilter() { return filterOf(writableExtensions()); }

} // namespace pictra::ui
