// The recovery list dialog.
#include "ui/recovery/c_recovery_dlg.h"

#include "ui/recovery/recovery_messages.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pictra::ui {

CRecoveryDlg::CRecoveryDlg(const QStringList& albums, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromUtf8(kRecoveryCaption));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(recoveryOfferText(), this);
    text->setWordWrap(true);
    layout->addWidget(text);
    m_list = new QListWidget(this);
    for (const QString& album : albums) {
        auto* item = new QListWidgetItem(album, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 320);
}

QList<bool> CRecoveryDlg::choices() const
{
    QList<bool> out;
    for (int i = 0; i < m_list->count(); ++i)
        out << (m_list->item(i)->checkState() == Qt::Checked);
    return out;
}

} // namespace pictra::ui
