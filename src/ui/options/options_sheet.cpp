// The options sheet: pages, the red marks of refused values and "OK".
#include "ui/options/options_sheet.h"

#include "ui/options/c_jpg_mode.h"
#include "ui/options/c_param_mode.h"
#include "ui/options/c_param_value.h"
#include "ui/options/c_param_wnd.h"
#include "ui/options/c_prt_mode.h"
#include "ui/options/option_controls.h"
#include "ui/prompts/user_prompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace pictra::ui {

QString optionFieldLabel(OptionField field)
{
    switch (field) {
    case OptionField::SlideInterval: return QStringLiteral("ﾊﾟﾗﾒｰﾀ「スライド間隔」");
    case OptionField::RecentCount: return QStringLiteral("ﾊﾟﾗﾒｰﾀ「ファイル履歴数」");
    case OptionField::TipDelay: return QStringLiteral("ﾊﾟﾗﾒｰﾀ「遅延時間」");
    case OptionField::ImageBuffer: return QStringLiteral("ﾊﾟﾗﾒｰﾀ「イメージバッファ」");
    case OptionField::Columns: return QStringLiteral("アルバム「表示フォーマット」の「横」");
    case OptionField::Rows: return QStringLiteral("アルバム「表示フォーマット」の「縦」");
    case OptionField::GapX: return QStringLiteral("アルバム「フレームの間隔」の「左右」");
    case OptionField::GapY: return QStringLiteral("アルバム「フレームの間隔」の「上下」");
    case OptionField::PrintMargin: return QStringLiteral("印刷「余白」");
    case OptionField::PrintWidth: return QStringLiteral("印刷「横」");
    case OptionField::PrintHeight: return QStringLiteral("印刷「縦」");
    case OptionField::PrintLeft: return QStringLiteral("印刷「左オフセット」");
    case OptionField::PrintTop: return QStringLiteral("印刷「上オフセット」");
    case OptionField::PrintAcross: return QStringLiteral("印刷「同時印刷」の「横」");
    case OptionField::PrintDown: return QStringLiteral("印刷「同時印刷」の「縦」");
    case OptionField::PrintGapX: return QStringLiteral("印刷「左右の余白」");
    case OptionField::PrintGapY: return QStringLiteral("印刷「上下の余白」");
    case OptionField::JpegQuality: return QStringLiteral("Jpeg「圧縮値」");
    case OptionField::JpegComment: return QStringLiteral("Jpeg「コメント」");
    }
    return {};
}

namespace {

// Why a field is refused, for the note "OK" shows. `check` is the edit's own
// check; Ok means the field breaks a rule across fields (or came stored so).
QString refusalReason(OptionField field, EditCheck check)
{
    switch (check) {
    case EditCheck::NotANumber: return QStringLiteral("数値を入力してください");
    case EditCheck::NotCp932: return QStringLiteral("使用できない文字が含まれています");
    case EditCheck::TooLong: return QStringLiteral("%1バイト以内で入力してください").arg(kJpegCommentBytes - 1);
    case EditCheck::Ok:
    case EditCheck::OutOfRange: break;
    }
    if (field == OptionField::Columns || field == OptionField::Rows)
        return QStringLiteral("横、縦とも1～255で、横×縦は100以下にしてください");
    if (field == OptionField::PrintAcross || field == OptionField::PrintDown)
        return QStringLiteral("横、縦とも1～255で、横×縦は500以下にしてください");
    if (check == EditCheck::Ok && (field == OptionField::PrintWidth || field == OptionField::PrintHeight))
        return QStringLiteral("余白と両側のオフセットを引いても用紙が残る大きさにしてください");
    if (check == EditCheck::Ok && (field == OptionField::PrintGapX || field == OptionField::PrintGapY))
        return QStringLiteral("画像を並べる場所が残る間隔にしてください");
    const ValueRange r = optionRange(field);
    return QStringLiteral("%1～%2の範囲で入力してください").arg(r.low).arg(r.high);
}

} // namespace

COptionsSheet::COptionsSheet(const WorkModeSettings& settings, UserPrompts& prompts, QWidget* parent, bool dateTaken)
    : QDialog(parent), m_draft(settings), m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("オプション"));
    m_pages = new QTabWidget(this);
    m_pages->addTab(new CParamMode(m_draft, m_pages), QStringLiteral("ﾓｰﾄﾞ"));
    m_pages->addTab(new CParamValue(m_draft, m_pages), QStringLiteral("ﾊﾟﾗﾒｰﾀ"));
    m_pages->addTab(new CParamWnd(m_draft, m_pages), QStringLiteral("アルバム"));
    m_pages->addTab(new CPrtMode(m_draft, m_pages), QStringLiteral("印刷"));
    m_pages->addTab(new CJpgMode(m_draft, m_pages), QStringLiteral("Jpeg"));
    auto* metadata = new QWidget(m_pages);
    metadata->setObjectName(QStringLiteral("metadata"));
    m_dateTaken = new QCheckBox(QStringLiteral("追加したイメージの日付に撮影日を入れる"), metadata);
    m_dateTaken->setObjectName(QStringLiteral("dateTaken"));
    m_dateTaken->setChecked(dateTaken);
    auto* metadataLayout = new QVBoxLayout(metadata);
    metadataLayout->addWidget(m_dateTaken);
    metadataLayout->addStretch(1);
    m_pages->addTab(metadata, QStringLiteral("撮影情報"));
    // Every page's name in view: the sheet widens rather than scrolling its tabs.
    m_pages->setUsesScrollButtons(false);
    m_pages->setElideMode(Qt::ElideNone);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("2"));
    connect(ok, &QPushButton::clicked, this, &COptionsSheet::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);

    for (OptionEdit* edit : findChildren<OptionEdit*>())
        connect(edit, &OptionEdit::edited, this, &COptionsSheet::markRefused);
    markRefused();
}

bool COptionsSheet::dateTaken() const { return m_dateTaken->isChecked(); }

std::vector<OptionField> COptionsSheet::refusedFields() const
{
    std::vector<OptionField> refused = settingsProblems(m_draft);
    for (const OptionEdit* edit : findChildren<OptionEdit*>()) {
        if (edit->check() != EditCheck::Ok && std::find(refused.begin(), refused.end(), edit->field()) == refused.end())
            refused.push_back(edit->field());
    }
    std::sort(refused.begin(), refused.end());
    return refused;
}

void COptionsSheet::markRefused()
{
    const std::vector<OptionField> refused = refusedFields();
    for (OptionEdit* edit : findChildren<OptionEdit*>())
        edit->setMarked(std::find(refused.begin(), refused.end(), edit->field()) != refused.end());
}

void COptionsSheet::confirm()
{
    const std::vector<OptionField> refused = refusedFields();
    if (refused.empty()) {
        accept();
        return;
    }
    QString note = QStringLiteral("次の値は使えません。赤い欄を直してください。");
    for (OptionField field : refused) {
        EditCheck check = EditCheck::Ok;
        for (const OptionEdit* edit : findChildren<OptionEdit*>()) {
            if (edit->field() == field && edit->check() != EditCheck::Ok)
                check = edit->check();
        }
        note += QStringLiteral("\n%1: %2").arg(optionFieldLabel(field), refusalReason(field, check));
    }
    m_prompts.showMessage(this, note);
}

} // namespace pictra::ui
