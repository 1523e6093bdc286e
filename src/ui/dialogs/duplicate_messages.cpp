// The duplicate question's text.
#include "ui/dialogs/duplicate_messages.h"

#include "ui/dialogs/status_messages.h"

namespace pictra::ui {

QString duplicatePicturesQuestion(std::span<const std::string> offered, std::span<const DuplicatePicture> duplicates)
{
    QString text = QStringLiteral("次の画像はすでにアルバムにあります。");
    for (std::size_t i = 0; i < duplicates.size() && i < kListedImages; ++i) {
        const DuplicatePicture& d = duplicates[i];
        const QString repeated = d.offered < offered.size() ? QString::fromStdString(offered[d.offered]) : QString();
        const QString how = d.kind == DuplicateKind::SameFile ? QStringLiteral("と同じファイル")
                                                              : QStringLiteral("と同じ内容の画像");
        text += QStringLiteral("\n%1\n　（%2 %3）").arg(repeated, QString::fromStdString(d.of), how);
    }
    if (duplicates.size() > kListedImages)
        text += QStringLiteral("\nほか%1枚").arg(duplicates.size() - kListedImages);
    return text + QStringLiteral("\n\nそれでも追加しますか?\n"
                                 "「いいえ」ではこれらを除いてほかの画像を追加し、「ｷｬﾝｾﾙ」では何も追加しません。");
}

} // namespace pictra::ui
