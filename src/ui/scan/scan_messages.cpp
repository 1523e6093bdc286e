// Scan messages.
#include "ui/scan/scan_messages.h"

#include "ui/dialogs/status_messages.h"

#include <QStringList>

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

QString scanModeText(ScanMode mode)
{
    switch (mode) {
    case ScanMode::Colour: return QStringLiteral("カラー");
    case ScanMode::Grey: return QStringLiteral("グレー");
    case ScanMode::LineArt: return QStringLiteral("白黒 (線画)");
    }
    return {};
}

QString scanFeedText(ScanFeed feed)
{
    switch (feed) {
    case ScanFeed::Flatbed: return QStringLiteral("フラットベッド");
    case ScanFeed::Feeder: return QStringLiteral("原稿送り装置 (ADF)");
    case ScanFeed::Duplex: return QStringLiteral("両面 (ADF)");
    }
    return {};
}

QString scanAreaText(ScanAreaKind kind, ScanAreaMm max)
{
    switch (kind) {
    case ScanAreaKind::DeviceMax:
        return QStringLiteral("最大 (%1 × %2 mm)").arg(max.width, 0, 'f', 0).arg(max.height, 0, 'f', 0);
    case ScanAreaKind::A4: return QStringLiteral("A4 (210 × 297 mm)");
    case ScanAreaKind::B5: return QStringLiteral("B5 (182 × 257 mm)");
    case ScanAreaKind::L: return QStringLiteral("L判 (89 × 127 mm)");
    case ScanAreaKind::Custom: return QStringLiteral("サイズを指定");
    }
    return {};
}

QString scanSearchingText()
{
    return QStringLiteral("スキャナーを探しています…");
}

QString scanSettingsFaultText(const ScanSettingsCheck& check)
{
    auto resolutions = [&check] {
        if (check.allowedList.empty())
            return QStringLiteral("%1〜%2 dpi").arg(check.allowedMin).arg(check.allowedMax);
        QStringList list;
        for (int dpi : check.allowedList)
            list << QString::number(dpi);
        return list.join(QStringLiteral("、")) + QStringLiteral(" dpi");
    };
    switch (check.fault) {
    case ScanSettingsFault::None: return {};
    case ScanSettingsFault::ResolutionOutOfRange:
        return QStringLiteral("このスキャナーで使える解像度は %1 です。").arg(resolutions());
    case ScanSettingsFault::ModeNotOffered: return QStringLiteral("このスキャナーではそのモードを選べません。");
    case ScanSettingsFault::FeedNotOffered: return QStringLiteral("このスキャナーにはその原稿の置き場所がありません。");
    case ScanSettingsFault::AreaTooLarge:
        return QStringLiteral("読み取り範囲は、このスキャナーの最大 %1 × %2 mm 以内にしてください。")
            .arg(check.maxArea.width, 0, 'f', 1)
            .arg(check.maxArea.height, 0, 'f', 1);
    case ScanSettingsFault::OverBufferCap:
        if (check.allowedMax <= 0)
            return QStringLiteral("この範囲ではイメージバッファの設定に収まりません。範囲を小さくするか、"
                                  "オプション設定でイメージバッファを増やしてください。");
        return QStringLiteral("この範囲でイメージバッファの設定に収まる解像度は %1 です。解像度か範囲を小さくするか、"
                              "オプション設定でイメージバッファを増やしてください。")
            .arg(resolutions());
    }
    return {};
}

} // namespace pictra::ui
