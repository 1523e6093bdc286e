// The rename dialog.
#include "ui/dialogs/c_file_name_dlg.h"

#include "ui/dialog_units.h"
#include "ui/prompts/user_prompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pictra::ui {

CFileNameDlg::CFileNameDlg(const QString& name, NameChecker checker, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_checker(std::move(checker)), m_prompts(prompts)
{
    setObjectName(QStringLiteral("142"));
    setWindowTitle(QStringLiteral("ファイル名の変更"));
    setFixedSize(dluToPixelsX(220), dluToPixelsY(62));
    (new QLabel(QStringLiteral("ファイル名"), this))->setGeometry(dluRect(10, 10, 60, 9));
    m_edit = new QLineEdit(name, this);
    m_edit->setObjectName(QStringLiteral("1000"));
    m_edit->setGeometry(dluRect(10, 21, 200, 12));
    m_edit->selectAll();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setGeometry(dluRect(96, 40, 54, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CFileNameDlg::tryAccept);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("2"));
    cancel->setGeometry(dluRect(156, 40, 54, 14));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString CFileNameDlg::name() const { return m_edit->text(); }

void CFileNameDlg::tryAccept()
{
    const QString problem = m_checker ? m_checker(name()) : QString();
    if (!problem.isEmpty()) {
        m_prompts.showMessage(this, problem);
        m_edit->setFocus();
        return;
    }
    accept();
}

} // namespace pictra::ui
