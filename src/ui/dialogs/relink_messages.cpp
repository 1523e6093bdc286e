// Texts of the relink dialog.
#include "ui/dialogs/relink_messages.h"

#include <QStringList>

namespace pictra::ui {

QString relinkTitle() { return QStringLiteral("元画像を探す"); }
QString relinkFoldersLabel() { return QStringLiteral("見つからない元画像を次のフォルダー（サブフォルダーを含む）から探します:"); }
QString relinkAddFolderText() { return QStringLiteral("フォルダーを追加(&A)..."); }
QString relinkRemoveFolderText() { return QStringLiteral("一覧から外す(&R)"); }
QString relinkChooseFolderCaption() { return QStringLiteral("探すフォルダーの選択"); }
QString relinkSearchText() { return QStringLiteral("探す(&S)"); }
QString relinkStopText() { return QStringLiteral("中止"); }
QString relinkApplyText() { return QStringLiteral("チェックした画像を結び直す(&O)"); }
QString relinkCloseText() { return QStringLiteral("閉じる"); }
QString relinkCheckAllText() { return QStringLiteral("すべてチェック"); }
QString relinkCheckNoneText() { return QStringLiteral("チェックを外す"); }
QString relinkStoreCopyColumn() { return QStringLiteral("アルバムの画像（元のパス）"); }
QString relinkFoundColumn() { return QStringLiteral("見つかったファイル"); }
QString relinkLikenessColumn() { return QStringLiteral("近さ"); }

QString relinkProgressText(RelinkPhase phase, std::size_t done, std::size_t total)
{
    const QString step = phase == RelinkPhase::Hashing ? QStringLiteral("画像を調べています")
                                                       : QStringLiteral("候補を比べています");
    return QStringLiteral("%1... %2 / %3").arg(step).arg(done).arg(total);
}

QString relinkSummary(int found, int ties, int notFound, std::size_t filesSeen)
{
    return QStringLiteral("%1 個のファイルを調べました。見つかった画像: %2、どれか選ぶ画像: %3、見つからない画像: %4")
        .arg(filesSeen)
        .arg(found)
        .arg(ties)
        .arg(notFound);
}

QString relinkLikenessText(int hashDistance, double psnr)
{
    return QStringLiteral("距離 %1 / %2 dB").arg(hashDistance).arg(psnr, 0, 'f', 1);
}

QString relinkChooseOneText() { return QStringLiteral("よく似たファイルが複数あります。結び直すファイルを選んでください。"); }
QString relinkNotFoundText() { return QStringLiteral("見つかりませんでした"); }

QString relinkNothingMissingMessage()
{
    return QStringLiteral("このアルバムの元画像はすべてそろっています。探す必要はありません。");
}

QString relinkNoFolderMessage()
{
    return QStringLiteral("探すフォルダーがありません。「フォルダーを追加」でフォルダーを選んでください。");
}

QString relinkUnreadableCopiesMessage(const QStringList& paths)
{
    return QStringLiteral("次の画像はアルバムの縮小画像を読めないため、探せません。\n%1").arg(paths.join(QLatin1Char('\n')));
}

QString relinkRefusalLine(const QString& path, RelinkRefusal refusal)
{
    switch (refusal) {
    case RelinkRefusal::PathTooLong:
        return QStringLiteral("%1: 見つかったファイルのパスが長すぎて、アルバムに記録できません。").arg(path);
    case RelinkRefusal::StoreNameTaken:
        return QStringLiteral("%1: アルバムの別の画像に同じ名前のファイルがあるため、結び直せません。").arg(path);
    case RelinkRefusal::NoSuchEntry:
    case RelinkRefusal::None: break;
    }
    return QStringLiteral("%1: アルバムから削除されたため、結び直せません。").arg(path);
}

QString relinkRefusedMessage(const QStringList& lines)
{
    return QStringLiteral("次の画像は結び直せませんでした。\n%1").arg(lines.join(QLatin1Char('\n')));
}

QString relinkStoreCopyRenameFailure(const QString& album, const QString& from, const QString& to)
{
    return QStringLiteral("アルバム「%1」の画像「%2」を「%3」に結び直しましたが、縮小画像の名前を変更できませんでした。\n"
                          "このままではアルバムにこの画像の絵が表示されず、保存すると絵なしで保存されます。")
        .arg(album, from, to);
}

QString relinkErrorLogButtonText() { return QStringLiteral("元画像を探す(&F)..."); }

} // namespace pictra::ui
