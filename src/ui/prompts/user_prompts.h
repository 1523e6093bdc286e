// UserPrompts: every question the program asks the user (Yes/No boxes, file
// and folder choices, messages) goes through this interface. The program
// uses QtUserPrompts; tests script the answers, so no test sits in a modal loop.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <string>

class QMessageBox;
class QPrinter;
class QWidget;

namespace pictra::ui {

inline constexpr const char* kPromptCaption = "注意";

enum class YesNoCancel { Yes, No, Cancel };

class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // A Yes/No question with the warning icon and the caption "注意".
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
    // A question with "はい", "いいえ" and "ｷｬﾝｾﾙ" (the caption "注意", the
    // warning icon), such as whether to save an album's changes; closing the
    // box counts as ｷｬﾝｾﾙ.
    virtual YesNoCancel askYesNoCancel(QWidget* parent, const QString& text) = 0;
    // A message with an OK button (errors the user must know about).
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // A file to open; empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    // Several files to open; empty when cancelled.
    virtual QStringList openFileNames(QWidget* parent, const QString& caption, const QString& folder,
                                      const QString& filter) = 0;
    // A file name to save under; empty when cancelled. Implementations do not
    // ask about overwriting: the caller does, through askYesNo.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& pathSuggestion,
                                 const QString& filter) = 0;
    // A folder; empty when cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& caption, const QString& folder) = 0;
    // An album to open, in the album open dialog that shows the selected
    // album's pictures (extracted into `scratchFolder`); empty when
    // cancelled. Without that dialog it is the plain openFileName.
    virtual QString openAlbumFileName(QWidget* parent, const QString& caption, const QString& folder,
                                      const QString& filter, const std::string& scratchFolder)
    {
        (void)scratchFolder; // the plain file dialog shows no pictures
        return openFileName(parent, caption, folder, filter);
    }
    // The printer set-up (CSetPrinter) on `printer`, which keeps the choice.
    // False when cancelled: nothing is to be printed.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
    // Which albums left with unsaved changes to restore, one answer per line
    // of `albums` (true = restore, false = discard); empty when the user
    // decided nothing. Without a list dialog, one Yes/No question per album.
    virtual QList<bool> chooseAlbumsToRestore(QWidget* parent, const QStringList& albums);
};

class QtUserPrompts final : public UserPrompts {
public:
    bool askYesNo(QWidget* parent, const QString& text) override;
    YesNoCancel askYesNoCancel(QWidget* parent, const QString& text) override;
    void showMessage(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QStringList openFileNames(QWidget* parent, const QString& caption, const QString& folder,
                              const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& pathSuggestion,
                         const QString& filter) override;
    QString chooseFolder(QWidget* parent, const QString& caption, const QString& folder) override;
    QString openAlbumFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                              const std::string& scratchFolder) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    QList<bool> chooseAlbumsToRestore(QWidget* parent, const QStringList& albums) override;
};

// The box askYesNoCancel shows, not yet shown (tests take its picture).
std::unique_ptr<QMessageBox> makeYesNoCancelBox(QWidget* parent, const QString& text);

} // namespace pictra::ui
