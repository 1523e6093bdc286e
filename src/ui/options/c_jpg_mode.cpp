// The JPEG page. A quality typed outside 1..100 is stored as 80 while the
// edit keeps what was typed; a note under it says so.
#include "ui/options/c_jpg_mode.h"

#include "ui/options/option_controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

namespace pictra::ui {
namespace {

// One radio button per value in a group box; the stored value's button is
// checked (none when the stored value is none of them).
QGroupBox* choiceGroup(const QString& title, std::uint8_t& field,
                       std::initializer_list<std::pair<const char*, const char*>> idsAndTexts, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* row = new QHBoxLayout(group);
    std::uint8_t value = 1;
    for (const auto& [id, text] : idsAndTexts) {
        auto* button = new QRadioButton(QString::fromUtf8(text), group);
        button->setObjectName(QString::fromLatin1(id));
        button->setChecked(field == value);
        QObject::connect(button, &QRadioButton::toggled, group, [&field, value](bool on) {
            if (on)
                field = value;
        });
        row->addWidget(button);
        ++value;
    }
    row->addStretch(1);
    return group;
}

} // namespace

CJpgMode::CJpgMode(WorkModeSettings& draft, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("174"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(choiceGroup(QStringLiteral("モード"), draft.jpegCoding,
                                  {{"1067", "基本ＤＣＴ"}, {"1068", "プログレシブ"}}, this));
    auto* grid = new QGridLayout;
    OptionEdit* quality =
        addEditRow(*grid, 0, QStringLiteral("圧縮値（１～１００％）"), "1000", draft, OptionField::JpegQuality);
    layout->addLayout(grid);
    auto* qualityNote = new QLabel(QStringLiteral("１～１００以外の圧縮値は８０として保存します。"), this);
    qualityNote->setObjectName(QStringLiteral("jpegQualityNote"));
    qualityNote->setStyleSheet(QStringLiteral("color: #c00000;"));
    layout->addWidget(qualityNote);
    const auto showNote = [quality, qualityNote] {
        qualityNote->setVisible(qualityReplacedByFallback(quality->text().toStdString()));
    };
    connect(quality, &OptionEdit::edited, qualityNote, showNote);
    showNote();
    layout->addWidget(choiceGroup(QStringLiteral("サンプリング"), draft.jpegSampling,
                                  {{"1069", "４：１：１"}, {"1070", "４：２：１"}, {"1071", "４：４：４"}}, this));
    auto* commentGrid = new QGridLayout;
    OptionEdit* comment = addEditRow(*commentGrid, 0, QStringLiteral("コメント"), "1001", draft,
                                     OptionField::JpegComment);
    comment->setMaxLength(static_cast<int>(kJpegCommentBytes));
    layout->addLayout(commentGrid);
    layout->addStretch(1);
}

} // namespace pictra::ui
