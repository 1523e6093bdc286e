// QtUserPrompts: the real dialogs.
#include "ui/prompts/user_prompts.h"

#include "ui/dialogs/c_open_filedlg.h"
#include "ui/print/c_set_printer.h"
#include "ui/recovery/c_recovery_dlg.h"
#include "ui/recovery/recovery_messages.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace pictra::ui {

bool QtUserPrompts::askYesNo(QWidget* parent, const QString& text)
{
    return QMessageBox::warning(parent, QString::fromUtf8(kPromptCaption), text,
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

std::unique_ptr<QMessageBox> makeYesNoCancelBox(QWidget* parent, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, QString::fromUtf8(kPromptCaption), text,
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    // The program's own words, whatever Qt's translation calls the buttons.
    box->button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
    box->button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
    box->button(QMessageBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    box->setDefaultButton(QMessageBox::Yes);
    box->setEscapeButton(QMessageBox::Cancel);
    return box;
}

YesNoCancel QtUserPrompts::askYesNoCancel(QWidget* parent, const QString& text)
{
    const std::unique_ptr<QMessageBox> box = makeYesNoCancelBox(parent, text);
    const int answer = box->exec();
    return answer == QMessageBox::Yes ? YesNoCancel::Yes : answer == QMessageBox::No ? YesNoCancel::No : YesNoCancel::Cancel;
}

void QtUserPrompts::showMessage(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QString::fromUtf8(kPromptCaption), text);
}

QString QtUserPrompts::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                    const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QStringList QtUserPrompts::openFileNames(QWidget* parent, const QString& caption, const QString& folder,
                                         const QString& filter)
{
    return QFileDialog::getOpenFileNames(parent, caption, folder, filter);
}

QString QtUserPrompts::saveFileName(QWidget* parent, const QString& caption, const QString& pathSuggestion,
                                    const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, pathSuggestion, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtUserPrompts::chooseFolder(QWidget* parent, const QString& caption, const QString& folder)
{
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

QString QtUserPrompts::openAlbumFileName(QWidget* parent, const QString& caption, const QString& folder,
                                         const QString& filter, const std::string& scratchFolder)
{
    COpenFiledlg dialog(parent, caption, folder, filter, scratchFolder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool QtUserPrompts::setUpPrinter(QWidget* parent, QPrinter& printer)
{
    CSetPrinter dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QList<bool> UserPrompts::chooseAlbumsToRestore(QWidget* parent, const QStringList& albums)
{
    QList<bool> answers;
    for (const QString& album : albums)
        answers << askYesNo(parent, restoreQuestion(album));
    return answers;
}

QList<bool> QtUserPrompts::chooseAlbumsToRestore(QWidget* parent, const QStringList& albums)
{
    CRecoveryDlg dialog(albums, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.choices() : QList<bool>{};
}

} // namespace pictra::ui
