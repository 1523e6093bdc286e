// Scan messages.
#include "ui/scan/scan_messages.h"

#include "ui/dialogs/status_messages.h"

namespace pictra::ui {
namespace {

QString reason(ScanError error)
{
    switch (error) {
    case ScanError::NoDevice: return QStringLiteral("スキャナーが見つかりません。");
    case ScanError::OpenFailed: return QStringLiteral("スキャナーを開けないか、設定できません。");
    case ScanError::Busy: return QStringLiteral("スキャナーは使用中です。");
    case ScanError::Jammed: return QStringLiteral("用紙が詰まりました。");
    case ScanError::CoverOpen: return QStringLiteral("スキャナーのカバーが開いています。");
    case ScanError::NoDocuments: return QStringLiteral("原稿がセットされていません。");
    case ScanError::TooLarge:
        return QStringLiteral("読み込む画像がイメージバッファの設定より大きくなります。解像度か範囲を小さくするか、"
                              "オプション設定でイメージバッファを増やしてください。");
    case ScanError::SaveFailed: return QStringLiteral("画像を保存できません。");
    default: return QStringLiteral("スキャナーまたはそのドライバーでエラーが起きました。");
    }
}

} // namespace

QString scanFailureText(ScanError error)
{
    return QStringLiteral("ＰｉｃｔｒａはＴＷＡＩＮからの読み込みに失敗しました。\n") + reason(error);
}

QString saveFolderProblemText(Status status, const std::string& folder)
{
    const QString name = QString::fromStdString(folder);
    switch (status) {
    case Status::Ok: return {};
    case Status::NotFound: return QStringLiteral("保存先のフォルダ「%1」がありません。").arg(name);
    case Status::NoPermission: return QStringLiteral("保存先のフォルダ「%1」に書き込めません。").arg(name);
    case Status::InvalidArgument: return QStringLiteral("保存先のフォルダ「%1」のパスが長すぎます。").arg(name);
    default: return QStringLiteral("保存先のフォルダ「%1」を使えません。").arg(name);
    }
}

QString unsavedScansText(const std::vector<ScanProblem>& problems)
{
    QString text = QStringLiteral("次の画像を保存できませんでした。");
    for (const ScanProblem& p : problems) {
        text += QStringLiteral("\n") + saveFailureMessage(QString::fromStdString(p.path), p.status);
        if (!p.keptAt.empty() && !p.keptInTemp)
            text += QStringLiteral("\n  読み込んだ画像は %1 に残してあります。").arg(QString::fromStdString(p.keptAt));
        else if (!p.keptAt.empty())
            text += QStringLiteral("\n  読み込んだ画像は %1 にあります。Pictraを終了すると消えるので、"
                                   "別の場所にコピーしてください。")
                        .arg(QString::fromStdString(p.keptAt));
    }
    return text;
}

} // namespace pictra::ui
