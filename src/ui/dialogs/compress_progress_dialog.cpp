// The store-copy progress dialog.
#include "ui/dialogs/compress_progress_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace pictra::ui {

CompressProgressDialog::CompressProgressDialog(int total, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("195"));
    setWindowTitle(QStringLiteral("圧縮ファイルを作成中"));
    setModal(false);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, total);
    m_bar->setValue(0);
    m_path = new QLabel(this);
    m_path->setMinimumWidth(360);
    m_cancel = new QPushButton(QStringLiteral("中止"), this);
    m_cancel->setObjectName(QStringLiteral("2")); // IDCANCEL
    connect(m_cancel, &QPushButton::clicked, this, &CompressProgressDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    layout->addWidget(m_path);
    layout->addWidget(m_cancel, 0, Qt::AlignRight);
}

void CompressProgressDialog::step(const QString& path) { setDone(m_bar->value() + 1, path); }

void CompressProgressDialog::setDone(int done, const QString& path)
{
    m_bar->setValue(done);
    m_path->setText(path);
}

int CompressProgressDialog::value() const { return m_bar->value(); }

void CompressProgressDialog::reject()
{
    if (m_cancelled)
        return;
    m_cancelled = true;
    m_cancel->setEnabled(false);
    emit cancelRequested();
}

} // namespace pictra::ui
