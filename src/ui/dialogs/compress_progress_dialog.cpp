// The store-copy progress dialog.
#include "ui/dialogs/compress_progress_dialog.h"

#include <QLabel>
#include <QProgressBar>
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
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    layout->addWidget(m_path);
}

void CompressProgressDialog::step(const QString& path)
{
    m_bar->setValue(m_bar->value() + 1);
    m_path->setText(path);
}

int CompressProgressDialog::value() const { return m_bar->value(); }

} // namespace pictra::ui
