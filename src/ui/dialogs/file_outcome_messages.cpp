// Japanese texts of file operation outcomes.
#include "ui/dialogs/file_outcome_messages.h"

namespace pictra::ui {

QString fileOutcomeText(FileOutcome outcome)
{
    switch (outcome) {
    case FileOutcome::Done: return {};
    case FileOutcome::SameFile: return QStringLiteral("転送先が元のファイルと同じなので、何もしませんでした。");
    case FileOutcome::TargetExists: return QStringLiteral("同じ名前のファイルがすでにあります。");
    case FileOutcome::SourceMissing: return QStringLiteral("元のファイルが見つかりません。");
    case FileOutcome::NoTargetFolder: return QStringLiteral("転送先のフォルダーがありません。");
    case FileOutcome::NoPermission: return QStringLiteral("ファイルを書き込む権限がありません。");
    case FileOutcome::DiskFull: return QStringLiteral("ディスクの空き容量が足りません。");
    case FileOutcome::PathTooLong: return QStringLiteral("新しいパスが長すぎます（359バイトまで）。");
    case FileOutcome::InvalidName:
        return QStringLiteral("名前が正しくありません（空の名前、「.」「..」、「/」を含む名前、相対パスは使えません）。");
    case FileOutcome::DuplicateName: return QStringLiteral("同じ名前の別のファイルがこの転送に含まれています。");
    case FileOutcome::ListedTwice: return QStringLiteral("同じファイルが二度選ばれています。一度だけ扱います。");
    case FileOutcome::IoError: return QStringLiteral("ファイルを読み書きできませんでした。");
    }
    return {};
}

QString transferredOnceMessage(const QStringList& names, const QString& act)
{
    return QStringLiteral("次のファイルは二度選ばれていましたが、同じファイルなので一度だけ%1しました。\n%2")
        .arg(act, names.join(QLatin1Char('\n')));
}

} // namespace pictra::ui
