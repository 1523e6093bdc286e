// CFileNameDlg, dialog 142 "ファイル名の変更": one edit with the file's name
// (without folder and extension). OK is refused, with the reason shown and
// the dialog kept open, while the checker finds fault with the name.
#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;

namespace pictra::ui {

class UserPrompts;

class CFileNameDlg : public QDialog {
    Q_OBJECT
public:
    // Returns "" when the name may be used, else the words telling why not.
    using NameChecker = std::function<QString(const QString& name)>;

    CFileNameDlg(const QString& name, NameChecker checker, UserPrompts& prompts, QWidget* parent);

    QString name() const;

private:
    void tryAccept();

    NameChecker m_checker;
    UserPrompts& m_prompts;
    QLineEdit* m_edit = nullptr;
};

} // namespace pictra::ui
