// CHistogramDlg: the limit controls and the processing.
#include "ui/tools/c_histogram_dlg.h"

#include "ui/tools/histogram_frame.h"
#include "ui/tools/up_down_control.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>

namespace pictra::ui {
namespace {

constexpr int kLimitMin = 0;
constexpr int kLimitMax = 255;

} // namespace

CHistogramDlg::CHistogramDlg(ToolContext context, QWidget* parent)
    : CToolDialog(std::move(context), ImageTool::Histogram, ToolButtonIds{}, parent)
{
    if (hasSource())
        if (const Result<Histogram> counted = countHistogram(source()))
            m_histogram = *counted;
    m_frame = new HistogramFrame(m_histogram, m_state, this);
    parameterArea().addWidget(m_frame);

    auto* choices = new QHBoxLayout;
    m_channel = new QComboBox(this);
    m_channel->setObjectName(QStringLiteral("1081"));
    m_channel->addItems({QStringLiteral("RGB"), QStringLiteral("RED"), QStringLiteral("GREEN"), QStringLiteral("BLUE")});
    choices->addWidget(m_channel);
    auto* modes = new QButtonGroup(this);
    const char* modeTexts[2] = {"処理１", "処理２"};
    const char* modeTips[2] = {"上限以上の値を上限の値に、下限未満の値を下限の値にそろえます",
                               "上限以上の値を255に、下限未満の値を0にします"};
    for (int i = 0; i < 2; ++i) {
        m_mode[i] = new QRadioButton(QString::fromUtf8(modeTexts[i]), this);
        m_mode[i]->setToolTip(QString::fromUtf8(modeTips[i]));
        m_mode[i]->setObjectName(QString::number(1067 + i));
        modes->addButton(m_mode[i], i);
        choices->addWidget(m_mode[i]);
    }
    m_mode[0]->setChecked(true);
    choices->addStretch();
    parameterArea().addLayout(choices);

    buildLimitRow(Limit::Upper, QStringLiteral("上限"), 1083, 1000, 1016);
    buildLimitRow(Limit::Lower, QStringLiteral("下限"), 1084, 1001, 1020);

    connect(m_channel, &QComboBox::currentIndexChanged, this, &CHistogramDlg::channelChosen);
    connect(modes, &QButtonGroup::idClicked, this,
            [this](int id) { modeChosen(id == 0 ? HistogramMode::Clamp : HistogramMode::Cut); });
    setReady();
}

void CHistogramDlg::buildLimitRow(Limit limit, const QString& label, int sliderId, int editId, int upDownId)
{
    const int i = limit == Limit::Upper ? 0 : 1;
    const int start = limit == Limit::Upper ? m_state.limits.upper : m_state.limits.lower;
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(label, this));
    m_slider[i] = new QSlider(Qt::Horizontal, this);
    m_slider[i]->setObjectName(QString::number(sliderId));
    m_slider[i]->setRange(kLimitMin, kLimitMax);
    m_slider[i]->setValue(start);
    row->addWidget(m_slider[i], 1);
    m_edit[i] = new QLineEdit(QString::number(start), this);
    m_edit[i]->setObjectName(QString::number(editId));
    m_edit[i]->setMaxLength(256);
    m_edit[i]->setFixedWidth(60);
    row->addWidget(m_edit[i]);
    row->addWidget(new UpDownControl(upDownId, *m_edit[i], kLimitMin, kLimitMax, this));
    parameterArea().addLayout(row);

    connect(m_edit[i], &QLineEdit::textChanged, this, [this, limit] { limitEdited(limit); });
    connect(m_slider[i], &QSlider::sliderMoved, this, [this, limit](int position) { sliderMoved(limit, position); });
    connect(m_slider[i], &QSlider::sliderReleased, this, [this, limit] { sliderFinished(limit); });
    connect(m_slider[i], &QSlider::actionTriggered, this, [this, limit](int action) {
        if (action == QAbstractSlider::SliderMove)
            return;
        const int i = limit == Limit::Upper ? 0 : 1;
        sliderMoved(limit, m_slider[i]->sliderPosition());
        sliderFinished(limit);
    });
}

void CHistogramDlg::limitEdited(Limit limit)
{
    const int i = limit == Limit::Upper ? 0 : 1;
    const std::optional<int> typed = scanDecimal(m_edit[i]->text().toStdString());
    if (!typed)
        return;
    // A typed limit stays on the 0..255 scale the sliders show.
    const int value = std::clamp(*typed, kLimitMin, kLimitMax);
    if (limit == Limit::Upper)
        setUpperLimit(m_state, value);
    else
        setLowerLimit(m_state, value);
    if (!isReady())
        return;
    const QSignalBlocker quiet(m_slider[i]);
    m_slider[i]->setValue(value);
    process();
}

void CHistogramDlg::sliderMoved(Limit limit, int position)
{
    const int i = limit == Limit::Upper ? 0 : 1;
    const int stop = limit == Limit::Upper ? upperSliderStop(m_state.limits, position)
                                           : lowerSliderStop(m_state.limits, position);
    if (stop != position) {
        const QSignalBlocker quiet(m_slider[i]);
        m_slider[i]->setSliderPosition(stop);
        m_slider[i]->setValue(stop);
    }
    // The line follows the drag; the picture is cut when the drag ends.
    if (limit == Limit::Upper)
        m_state.limits.upper = stop;
    else
        m_state.limits.lower = stop;
    m_frame->update();
}

void CHistogramDlg::sliderFinished(Limit limit)
{
    const int i = limit == Limit::Upper ? 0 : 1;
    const int value = limit == Limit::Upper ? m_state.limits.upper : m_state.limits.lower;
    m_edit[i]->setText(QString::number(value));
}

void CHistogramDlg::channelChosen(int index)
{
    if (index < 0 || index >= kHistogramChannels)
        return;
    selectChannel(m_state, static_cast<HistogramChannel>(index));
    const HistogramLimits limits = m_state.limits;
    for (int i = 0; i < 2; ++i) {
        const int value = i == 0 ? limits.upper : limits.lower;
        const QSignalBlocker quiet(m_slider[i]);
        m_slider[i]->setValue(value);
        const QSignalBlocker quietEdit(m_edit[i]);
        m_edit[i]->setText(QString::number(value));
    }
    process();
}

void CHistogramDlg::modeChosen(HistogramMode mode)
{
    if (mode == m_state.mode)
        return;
    m_state.mode = mode;
    m_mode[0]->setChecked(mode == HistogramMode::Clamp);
    m_mode[1]->setChecked(mode == HistogramMode::Cut);
    process();
}

void CHistogramDlg::process()
{
    ToolEdit& edit = editToChange();
    edit.histogramChannel = m_state.channel;
    edit.histogramMode = m_state.mode;
    edit.histogramLimits = m_state.limits;
    m_frame->update();
    recompute();
}

} // namespace pictra::ui
