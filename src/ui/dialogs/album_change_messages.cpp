// Messages about unsaved albums and the files they list.
#include "ui/dialogs/album_change_messages.h"

#include "ui/dialogs/status_messages.h"

#include <QFileInfo>

namespace pictra::ui {

QString saveChangesQuestion(const QString& album)
{
    return QStringLiteral("「%1」は変更されています。\n変更を保存しますか。").arg(QFileInfo(album).fileName());
}

QString windowPlacementSaveFailureMessage(Status status)
{
    return QStringLiteral("ウインドウの位置と大きさを保存できませんでした。次回は前回保存した位置で開きます。\n%1")
        .arg(statusReason(status));
}

QString openAlbumListSaveFailureMessage(Status status)
{
    return QStringLiteral("開いていたアルバムの一覧を保存できませんでした。次回の起動時には、これらのアルバムは自動では開きません。\n%1")
        .arg(statusReason(status));
}

QString storeCopyRenameFailureMessage(const QString& album, const QString& from, const QString& to)
{
    return QStringLiteral("ファイル名は「%2」から「%3」に変更しましたが、アルバム「%1」の縮小画像の名前を変更できませんでした。\n"
                          "このままではアルバムにこの画像の絵が表示されず、保存すると絵なしで保存されます。\n"
                          "ファイル名を「%2」に戻してから、もう一度名前を変更してください。")
        .arg(QFileInfo(album).fileName(), QFileInfo(from).fileName(), QFileInfo(to).fileName());
}

QString replacedStoreCopyFailureMessage(const QStringList& files)
{
    return QStringLiteral("次のファイルは置き換えましたが、開いているアルバムの縮小画像を新しい絵で作り直せませんでした。"
                          "アルバムには前の絵が表示されたままです。\n%1")
        .arg(files.join(QLatin1Char('\n')));
}

QString deleteFileQuestion(const QString& path, const QStringList& albums)
{
    QString text = QStringLiteral("「%1」を削除します。").arg(path);
    if (albums.isEmpty())
        return text;
    QStringList names;
    for (const QString& album : albums)
        names << QStringLiteral("「%1」").arg(QFileInfo(album).fileName());
    return text + QStringLiteral("\n\nこのファイルは開いているアルバム %1 で使われています。\n"
                                 "削除すると、これらのアルバムではこの画像を拡大表示・編集・印刷できなくなります。")
                      .arg(names.join(QStringLiteral("、")));
}

QString missingSourcesExplanation(const QString& album)
{
    if (album.isEmpty())
        return QStringLiteral("追加した画像のうち、次のファイルが見つかりません。\n"
                              "アルバムには入りましたが、ファイルがないため絵は表示されません。");
    return QStringLiteral("アルバム「%1」の次の画像は、元のファイルが見つかりません。\n"
                          "ファイルが移動・名前変更・削除されたか、そのファイルのあるドライブがつながっていません。\n"
                          "元のファイルがない画像は、アルバムに絵が表示されず、拡大表示・編集・印刷もできません。\n"
                          "ファイルを元の場所に戻すか、ドライブをつないでから、このアルバムを開き直してください。\n"
                          "Pictraの「別のフォルダーに移動」と「ファイル名を変更」を使えば、アルバムは新しい場所を覚えます。")
        .arg(QFileInfo(album).fileName());
}

} // namespace pictra::ui
