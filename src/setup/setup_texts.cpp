// The setup program's texts.
#include "setup/setup_texts.h"

namespace pictra::setup {
namespace {

QString reason(Status status)
{
    switch (status) {
    case Status::NotFound: return QStringLiteral("見つかりません");
    case Status::NoPermission: return QStringLiteral("書き込みが許可されていません");
    case Status::DiskFull: return QStringLiteral("ディスクの空きが足りません");
    case Status::InvalidArgument: return QStringLiteral("使えない名前です");
    case Status::Corrupt:
    case Status::Partial:
    case Status::Truncated: return QStringLiteral("ファイルが壊れています");
    case Status::TooLarge: return QStringLiteral("ファイルが大きすぎます");
    case Status::Ok:
    case Status::IoError:
    case Status::Unsupported: break;
    }
    return QStringLiteral("読み書きできませんでした");
}

} // namespace

QString agreementText()
{
    return QStringLiteral(
        "使用許諾書\n\n"
        "本ソフトウェアをお使いになる前に、以下の条件をよくお読みください。"
        "インストールを続けることにより、お客様はこの条件に同意したものとみなされます。\n\n"
        "１．著作権\n"
        "本ソフトウェアおよび付属の説明書、サンプルデータの著作権は、その作者に帰属します。"
        "本ソフトウェアは著作権法および国際条約によって保護されています。\n\n"
        "２．ライセンス\n"
        "お客様は、本ソフトウェアをお客様ご自身のコンピュータにインストールして使用することができます。"
        "本ソフトウェアを改変、逆コンパイル、逆アセンブルすること、および第三者に貸与、再配布することはできません。\n\n"
        "３．複数メディアのソフトウェア\n"
        "本ソフトウェアが複数の媒体で提供された場合でも、お客様が使用できるのは一つのライセンス分のみです。"
        "使用しない媒体を第三者に譲渡、貸与することはできません。\n\n"
        "４．その他の条件\n"
        "お客様がこの条件に違反した場合、本ソフトウェアを使用する権利は失われます。"
        "その場合、お客様は本ソフトウェアとその複製をすべて削除するものとします。\n\n"
        "５．保証事項\n"
        "本ソフトウェアは現状のまま提供されます。作者は、本ソフトウェアの使用または使用できないことから生じた"
        "いかなる損害についても責任を負いません。大切な写真は必ず別にバックアップを取ってください。\n\n"
        "６．ユーザ登録\n"
        "ユーザ登録は任意です。登録されたお客様の情報は、サポートと更新のご案内のためにのみ使用します。\n\n"
        "７．準拠法\n"
        "この使用許諾は日本国の法律に準拠するものとします。\n");
}

QString outcomeMessage(InstallOutcome outcome, const std::vector<InstallFailure>& failures, const QString& pdfViewer)
{
    switch (outcome) {
    case InstallOutcome::Installed:
        return QStringLiteral("セットアップが正常に終わりました、マニュアルはPDFファイルになっています。\n") +
               (pdfViewer.isEmpty()
                    ? QStringLiteral("PDFファイルを読むにはPDFリーダーをディストリビューションのパッケージマネージャから入手して下さい。")
                    : QStringLiteral("PDFファイルは「%1」で読むことができます。").arg(pdfViewer));
    case InstallOutcome::Cancelled:
        return QStringLiteral("セットアップを中止しました。何も登録されていません。");
    case InstallOutcome::Failed:
        break;
    }
    QString text = QStringLiteral("セットアップを完了できませんでした。何も登録されていません。\n");
    for (const InstallFailure& f : failures)
        text += QStringLiteral("\n%1  %2: %3")
                    .arg(QString::fromUtf8(stageLabel(f.stage).data(), static_cast<int>(stageLabel(f.stage).size())),
                         QString::fromStdString(f.path), reason(f.status));
    return text;
}

QString refusalMessage(Status status, const QString& target)
{
    if (status == Status::NotFound)
        return QStringLiteral("配布フォルダ ABM10 に Pictra のプログラムが見つかりません。");
    return QStringLiteral("インストール先「%1」は使えません。300バイト以内の絶対パスで指定して下さい。").arg(target);
}

QString uninstallMessage(const Result<UninstallReport>& report, const QString& folder)
{
    if (!report)
        return report.status() == Status::NotFound
                   ? QStringLiteral("「%1」にはセットアップで入れた Pictra がありません。").arg(folder)
                   : QStringLiteral("「%1」のインストール記録が壊れているため、何も削除しませんでした。").arg(folder);
    QString text = QStringLiteral("Pictra を削除しました。");
    if (!report->keptChanged.empty())
        text += QStringLiteral("\nインストール後に変更されたファイル %1 個は残しました。").arg(report->keptChanged.size());
    if (!report->failed.empty())
        text += QStringLiteral("\n削除できなかったファイルがあります:\n") +
                QString::fromStdString(report->failed.front());
    return text;
}

QString pdfViewerMessage(const QString& pdfViewer)
{
    return pdfViewer.isEmpty()
               ? QStringLiteral("PDFリーダーが登録されていません。ディストリビューションのパッケージマネージャからインストールして下さい。")
               : QStringLiteral("マニュアル(PDF)は「%1」で表示されます。").arg(pdfViewer);
}

} // namespace pictra::setup
