// Japanese texts of the start-up recovery.
#include "ui/recovery/recovery_messages.h"

#include "core/document/album_names.h"
#include "core/util/paths.h"
#include "ui/dialogs/status_messages.h"

#include <QDateTime>

namespace pictra::ui {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString albumName(const std::string& path)
{
    return path.empty() ? QStringLiteral("（名前の読めないアルバム）") : qs(fileNamePart(path));
}

} // namespace

QString recoveryOfferText()
{
    return QStringLiteral("前回のPictraは、次のアルバムの変更を保存しないまま終了しました。\n"
                          "チェックを付けたアルバムは、変更を含めて開きます（保存するまで元のファイルは変わりません）。\n"
                          "チェックを外したアルバムの変更は破棄されます。\n"
                          "ｷｬﾝｾﾙを押すと、次に起動したときにもう一度たずねます。");
}

QString recoveryOfferLine(const RecoveryNote& note)
{
    const QString when = QDateTime::fromSecsSinceEpoch(note.savedAt).toString(QStringLiteral("yyyy/MM/dd HH:mm"));
    const QString where = isUntitledAlbum(note.albumPath) ? QStringLiteral("名前を付けていないアルバム")
                                                          : qs(folderPart(note.albumPath));
    return QStringLiteral("%1　（%2、%3 の変更）").arg(albumName(note.albumPath), where, when);
}

QString restoreQuestion(const QString& line)
{
    return QStringLiteral("前回のPictraは、次のアルバムの変更を保存しないまま終了しました。\n%1\n\n"
                          "このアルバムを変更を含めて開きますか?\n"
                          "「いいえ」を選ぶと、変更は破棄されます。")
        .arg(line);
}

QString damagedRecoveryMessage(const std::vector<DamagedRecovery>& damaged, const QString& folder)
{
    QStringList names;
    for (const DamagedRecovery& d : damaged)
        names << albumName(d.albumPath);
    return QStringLiteral("次のアルバムの変更は、復元用のコピーが壊れているため復元できません。\n%1\n\n"
                          "アルバムのファイルそのものは前に保存したときのままです。\n"
                          "壊れたコピーは %2 に名前の末尾を「.damaged」にして残してあります。")
        .arg(names.join(QLatin1Char('\n')), folder);
}

QString restoreFailureMessage(const QString& line, Status status)
{
    return readFailureMessage(line, status) +
           QStringLiteral("\n\n復元用のコピーは残してあり、次に起動したときにもう一度たずねます。");
}

} // namespace pictra::ui
