#include "ui/print/print_messages.h"

#include "ui/dialogs/status_messages.h"

#include <QFileInfo>

namespace pictra::ui {

QString layoutProblemText(LayoutProblem problem)
{
    switch (problem) {
    case LayoutProblem::None: return {};
    case LayoutProblem::BadGrid: return QStringLiteral("横と縦の枚数は1から255まで、合わせて500枚以内にしてください。");
    case LayoutProblem::BadMargin: return QStringLiteral("余白は0以上にしてください。");
    case LayoutProblem::EmptySheet: return QStringLiteral("用紙の幅と高さを余白より大きくしてください。");
    case LayoutProblem::EmptyFrame:
        return QStringLiteral("オフセットは0以上で、用紙の幅と高さの半分より小さくしてください。");
    case LayoutProblem::EmptyCells:
        return QStringLiteral("左右の余白と上下の余白は0以上で、画像の入る場所が残る大きさにしてください。");
    }
    return {};
}

QString printerPaperNotTakenText(double width, double height, const QString& kept, double keptWidth,
                                 double keptHeight)
{
    const auto mm = [](double v) { return QString::number(v, 'f', 0); };
    return QStringLiteral("プリンターの設定で選ばれた用紙（%1 × %2 mm）はこの印刷には使えないため、"
                          "%3（%4 × %5 mm）で印刷します。")
        .arg(mm(width), mm(height), kept, mm(keptWidth), mm(keptHeight));
}

QString skippedPicturesText(const std::vector<SkippedPicture>& skipped)
{
    QString text = QStringLiteral("次の画像は読み込めなかったため、印刷されていません。");
    for (const SkippedPicture& s : skipped) {
        const QString path = QString::fromStdString(s.path);
        text += QStringLiteral("\n%1: %2").arg(QFileInfo(path).fileName(), pictureFailureReason(s.status));
    }
    return text;
}

} // namespace pictra::ui
