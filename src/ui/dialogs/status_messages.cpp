// Japanese messages for album read and save failures.
#include "ui/dialogs/status_messages.h"

#include "core/album/image_entry.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace pictra::ui {

namespace {

QString reason(Status status)
{
    switch (status) {
    case Status::Ok: return {};
    case Status::NotFound: return QStringLiteral("ファイルが見つかりません。");
    case Status::IoError: return QStringLiteral("ファイルを読み書きできません。");
    case Status::Truncated: return QStringLiteral("ファイルが途中で切れています（壊れています）。");
    case Status::Corrupt: return QStringLiteral("Pictraのアルバムファイルではないか、ファイルが壊れています。");
    case Status::Unsupported: return QStringLiteral("この形式には対応していません。");
    case Status::TooLarge: return QStringLiteral("ファイルが大きすぎます（イメージ数が1000を超えています）。");
    case Status::InvalidArgument: return QStringLiteral("ファイル名が正しくありません。");
    case Status::NoPermission: return QStringLiteral("ファイルを読み書きする権限がありません。");
    case Status::DiskFull: return QStringLiteral("ディスクの空き容量が足りません。");
    case Status::Partial: return QStringLiteral("ファイルが途中までしか読めません（壊れています）。");
    }
    return {};
}

// Free space below this counts as a full disk.
constexpr qint64 kNearlyFullBytes = 1024 * 1024;

} // namespace

QString statusReason(Status status) { return reason(status); }

QString readFailureMessage(const QString& path, Status status)
{
    QString why = reason(status);
    if (status == Status::IoError && QFileInfo::exists(path) && !QFileInfo(path).isReadable())
        why = QStringLiteral("ファイルを読む権限がありません。");
    return QStringLiteral("アルバムを開けませんでした。\n%1\n%2").arg(path, why);
}

namespace {

// Why writing `path` failed; tells a missing folder, a folder without write
// permission and a full disk apart by looking at the target's folder.
QString writeFailureReason(const QString& path, Status status)
{
    QString why = reason(status);
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (status == Status::IoError || status == Status::NotFound) {
        if (!folder.exists())
            why = QStringLiteral("保存先のフォルダーがありません。");
        else if (!folder.isWritable() || (QFileInfo::exists(path) && !QFileInfo(path).isWritable()))
            why = QStringLiteral("保存先に書き込む権限がありません。");
        else if (QStorageInfo(folder.absoluteFilePath()).bytesAvailable() < kNearlyFullBytes)
            why = QStringLiteral("ディスクの空き容量が足りません。");
    }
    return why;
}

} // namespace

QString saveFailureMessage(const QString& path, Status status)
{
    return QStringLiteral("アルバムを保存できませんでした。元のファイルは変更されていません。\n%1\n%2")
        .arg(path, writeFailureReason(path, status));
}

QString settingsSaveFailureMessage(const QString& path, Status status)
{
    return QStringLiteral("設定を保存できませんでした。変更はこのまま使いますが、次回の起動時には元の設定に戻ります。\n%1\n%2")
        .arg(path, writeFailureReason(path, status));
}

QString pictureFailureReason(Status status)
{
    switch (status) {
    case Status::TooLarge: return QStringLiteral("画像が大きすぎて、イメージバッファに入りません。");
    case Status::Unsupported: return QStringLiteral("この形式または色数の画像には対応していません。");
    case Status::Corrupt:
    case Status::Truncated: return QStringLiteral("画像ファイルが壊れています。");
    default: return reason(status);
    }
}

QString pictureSaveFailureMessage(const QString& path, Status status)
{
    QString why = status == Status::Unsupported ? QStringLiteral("この形式では保存できません。")
                  : status == Status::TooLarge  ? QStringLiteral("画像が大きすぎます。")
                  : status == Status::Corrupt   ? QStringLiteral("元のファイルが壊れています。")
                                                : reason(status);
    return QStringLiteral("画像を保存できませんでした。元の画像は変更されていません。\n%1\n%2").arg(path, why);
}

QString storeFolderClashMessage(const QString& path)
{
    return QStringLiteral("「%1」と同じ名前のアルバムがすでに開いています。\n"
                          "同じ名前のアルバムは同時に開けません。先に開いているアルバムを閉じてください。")
        .arg(QFileInfo(path).fileName());
}

QString listedImages(const std::vector<std::string>& images)
{
    QString text;
    for (std::size_t i = 0; i < images.size() && i < kListedImages; ++i)
        text += QStringLiteral("\n") + QString::fromStdString(images[i]);
    if (images.size() > kListedImages)
        text += QStringLiteral("\nほか%1枚").arg(images.size() - kListedImages);
    return text;
}

QString missingStoreCopiesQuestion(const std::vector<std::string>& images)
{
    return QStringLiteral("次のイメージは保存用の画像が見つからないため、画像なしで保存されます。%1\n\n保存しますか?")
        .arg(listedImages(images));
}

QString damagedImagesQuestion(const std::vector<std::string>& images)
{
    return QStringLiteral("次の画像ファイルは壊れているため、途中までしか読めません。%1\n\n"
                          "読めた部分だけの画像としてアルバムに追加しますか?")
        .arg(listedImages(images));
}

QString albumFullMessage(int leftOut)
{
    return QStringLiteral("アルバムに入るイメージは%1枚までです。%2枚は追加されませんでした。")
        .arg(kMaxAlbumImages)
        .arg(leftOut);
}

QString storeNameClashMessage(const std::vector<std::string>& images, StoreNameClashAct act)
{
    const QString refused = act == StoreNameClashAct::Paste    ? QStringLiteral("貼り付けられません。")
                            : act == StoreNameClashAct::Rename ? QStringLiteral("この名前に変更できません。")
                                                               : QStringLiteral("追加できません。");
    return QStringLiteral("次のイメージは、同じファイル名の別のイメージがアルバムにあるため%1%2").arg(refused, listedImages(images));
}

QString storeNameClashQuestion(const std::vector<std::string>& images, bool othersRemain)
{
    const QString clash = storeNameClashMessage(images, StoreNameClashAct::Add);
    return othersRemain ? clash + QStringLiteral("\n\nほかのイメージを追加しますか?") : clash;
}

QString overwriteQuestion(const QString& path)
{
    return QStringLiteral("%1 は既に存在します。\n上書きしますか?").arg(path);
}

QString exportReadFailureMessage(const QString& path, Status status)
{
    return QStringLiteral("画像を読み込めなかったため、書き出しませんでした。\n%1\n%2").arg(path, pictureFailureReason(status));
}

QString skippedImagesMessage(const std::vector<std::pair<std::string, Status>>& skipped)
{
    QString text = QStringLiteral("次のイメージは追加できませんでした。");
    for (std::size_t i = 0; i < skipped.size() && i < kListedImages; ++i)
        text += QStringLiteral("\n%1\n　%2").arg(QString::fromStdString(skipped[i].first), pictureFailureReason(skipped[i].second));
    if (skipped.size() > kListedImages)
        text += QStringLiteral("\nほか%1枚").arg(skipped.size() - kListedImages);
    return text;
}

} // namespace pictra::ui

namespace pictra::ui {

QString programFolderFailureMessage(const QString& folder, Status status)
{
    return QStringLiteral("プログラムフォルダを準備できなかったため、Pictraを起動できません。\n%1\n%2")
        .arg(folder, statusReason(status));
}

QString manualNotShownMessage(const QString& pdf, bool exists)
{
    if (!exists)
        return QStringLiteral("マニュアルのファイルが見つかりません。\n%1").arg(pdf);
    return QStringLiteral("マニュアルを表示できませんでした（PDFを表示するプログラムがありません）。\n"
                          "PDFビューアで次のファイルを開いてください。\n%1")
        .arg(pdf);
}

} // namespace pictra::ui
