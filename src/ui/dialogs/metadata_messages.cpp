// Messages about metadata taken from pictures and written to sidecars.
#include "ui/dialogs/metadata_messages.h"

#include "ui/dialogs/status_messages.h"

namespace pictra::ui {

QString shortenedTextsMessage(const std::vector<std::string>& images)
{
    return QStringLiteral("次のイメージの概要・メモ・作者・場所は、ファイルに書かれた文字が長すぎるか"
                          "使えない文字を含むため、一部を省いて入れました。%1")
        .arg(listedImages(images));
}

QString noDateTakenMessage(const std::vector<std::string>& images)
{
    return QStringLiteral("次のイメージのファイルには撮影日が書かれていないため、日付は変わりません。%1").arg(listedImages(images));
}

QString sidecarExportMessage(std::size_t written, const std::vector<std::pair<std::string, Status>>& failed)
{
    QString text = QStringLiteral("%1件のXMPファイル(画像と同じ名前で拡張子が.xmp)を書き出しました。").arg(written);
    if (failed.empty())
        return text;
    text += QStringLiteral("\n次のイメージは書き出せませんでした。");
    for (const auto& [path, status] : failed) {
        // Corrupt here means the sidecar already there, which is kept rather than replaced.
        const QString reason = status == Status::Corrupt ? QStringLiteral("今あるXMPファイルが読めないため、上書きしませんでした。")
                                                         : statusReason(status);
        text += QStringLiteral("\n%1: %2").arg(QString::fromStdString(path), reason);
    }
    return text;
}

} // namespace pictra::ui
