// CToolDialog: layout, the kept source and result, recomputing.
#include "ui/tools/c_tool_dialog.h"

#include "core/app/app_state.h"
#include "core/tools/picture24.h"
#include "core/tools/tool_pipeline.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/tools/preview_frame.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdio>

namespace pictra::ui {
namespace {

QGroupBox* framed(const QString& caption, PreviewFrame* frame, QWidget* parent)
{
    auto* box = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(frame);
    return box;
}

} // namespace

CToolDialog::CToolDialog(ToolContext context, ImageTool tool, ToolButtonIds buttons, QWidget* parent)
    : QDialog(parent), m_context(std::move(context)), m_tool(tool), m_edit(toolEditFor(tool))
{
    const ImageToolInfo& info = imageToolInfo(tool);
    setObjectName(QString::number(info.dialog));
    setWindowTitle(QString::fromUtf8(info.title.data(), static_cast<int>(info.title.size())));

    if (loadShared(m_context.state, m_context.sourcePath)) {
        ImageRecord& loaded = sharedRecord(m_context.state);
        if (convertTo24(loaded) == Status::Ok) {
            m_source = std::make_unique<ImageBuffers>(loaded.imageBytes());
            m_result = std::make_unique<ImageBuffers>(toolResultBytes(loaded));
            m_hasSource = copyPicture(loaded, m_source->record()) == Status::Ok;
        }
    }

    m_sourceFrame = new PreviewFrame(1031, this);
    m_resultFrame = new PreviewFrame(1032, this);
    if (m_hasSource)
        m_sourceFrame->showPicture(&m_source->record());

    auto* pictures = new QHBoxLayout;
    pictures->addWidget(framed(QStringLiteral("元の画像"), m_sourceFrame, this));
    pictures->addWidget(framed(QStringLiteral("編集後の画像"), m_resultFrame, this));

    auto* buttonColumn = new QVBoxLayout;
    const auto button = [&](const char* text, int id) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::number(id));
        b->setAutoDefault(false);
        b->setEnabled(m_hasSource);
        buttonColumn->addWidget(b);
        return b;
    };
    connect(button("変更", buttons.change), &QPushButton::clicked, this, &CToolDialog::keepByChange);
    connect(button("追加", buttons.add), &QPushButton::clicked, this, &CToolDialog::keepByAdding);
    connect(button("開く", buttons.open), &QPushButton::clicked, this, &CToolDialog::keepByOpening);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("2"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, [this] {
        // Cancel keeps the scratch file; the close box removes it.
        m_cancelPressed = true;
        reject();
    });
    buttonColumn->addWidget(cancel);
    buttonColumn->addStretch();

    m_parameters = new QVBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(pictures);
    left->addLayout(m_parameters);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left);
    top->addLayout(buttonColumn);
}

CToolDialog::~CToolDialog() = default;

const ImageRecord& CToolDialog::source() const
{
    return m_source->record();
}

void CToolDialog::setReady()
{
    m_ready = true;
    recompute();
}

void CToolDialog::recompute()
{
    if (!m_ready || !m_hasSource || !editParametersValid(m_edit))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_hasResult = computeToolEdit(m_source->record(), m_edit, m_result->record()) == Status::Ok;
    if (m_hasResult)
        (void)writeScratch(toolScratchPath(m_context.state.programFolder, m_tool), m_result->record()); // read back, and told, before keeping
    QApplication::restoreOverrideCursor();
    m_resultFrame->showPicture(m_hasResult ? &m_result->record() : nullptr);
}

void CToolDialog::removeScratch()
{
    std::remove(toolScratchPath(m_context.state.programFolder, m_tool).c_str());
}

void CToolDialog::reject()
{
    if (!m_cancelPressed)
        removeScratch();
    QDialog::reject();
}

} // namespace pictra::ui
