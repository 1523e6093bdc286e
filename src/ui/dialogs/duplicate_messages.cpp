// The duplicate question's text.
#include "ui/dialogs/duplicate_messages.h"

#include "ui/dialogs/status_messages.h"

namespace pictra::ui {

namespace {

// The repeats of one kind, each as the offered path over the path it
// repeats; paths stand on lines of their own, so a long one does not drag
// the words after it onto a broken line.
QString listed(std::span<const std::string> offered, std::span<const DuplicatePicture> duplicates,
               DuplicateKind kind, std::size_t& room)
{
    QString lines;
    for (const DuplicatePicture& d : duplicates) {
        if (d.kind != kind || room == 0)
            continue;
        --room;
        const QString repeated = d.offered < offered.size() ? QString::fromStdString(offered[d.offered]) : QString();
        const QString mark = kind == DuplicateKind::SameFile ? QStringLiteral("＝") : QStringLiteral("≒");
        lines += QStringLiteral("\n%1\n　%2 %3").arg(repeated, mark, QString::fromStdString(d.of));
    }
    if (lines.isEmpty())
        return lines;
    const QString heading = kind == DuplicateKind::SameFile ? QStringLiteral("同じファイル:")
                                                            : QStringLiteral("別のファイルですが、同じ内容の画像:");
    return QStringLiteral("\n\n") + heading + lines;
}

} // namespace

QString duplicatePicturesQuestion(std::span<const std::string> offered, std::span<const DuplicatePicture> duplicates)
{
    std::size_t room = kListedImages;
    QString text = QStringLiteral("次の画像はすでにアルバムにあります。");
    text += listed(offered, duplicates, DuplicateKind::SameFile, room);
    text += listed(offered, duplicates, DuplicateKind::SameContent, room);
    if (duplicates.size() > kListedImages)
        text += QStringLiteral("\nほか%1枚").arg(duplicates.size() - kListedImages);
    return text + QStringLiteral("\n\nそれでも追加しますか?\n"
                                 "「いいえ」ではこれらを除いてほかの画像を追加し、\n"
                                 "「ｷｬﾝｾﾙ」では何も追加しません。");
}

} // namespace pictra::ui
