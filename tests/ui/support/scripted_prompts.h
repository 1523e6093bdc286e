// Scripted answers for UserPrompts in ui tests: answers are queued in order
// and every question is recorded so a test can check what was asked.
#pragma once

#include "ui/prompts/user_prompts.h"

#include <QQueue>
#include <QStringList>

namespace pictra::test {

class ScriptedPrompts final : public ui::UserPrompts {
public:
    QQueue<bool> yesNoAnswers;      // default when empty: true
    QQueue<ui::YesNoCancel> yesNoCancelAnswers; // default when empty: No
    QQueue<QString> fileAnswers;    // for open/save/folder questions; default: ""
    QQueue<QStringList> filesAnswers;
    QStringList asked;              // texts of every Yes/No question and message
    QQueue<bool> printerAnswers;    // printer set-up: OK (true) or cancel; default: OK
    int printerSetUps = 0;

    bool askYesNo(QWidget*, const QString& text) override
    {
        asked << text;
        return yesNoAnswers.isEmpty() ? true : yesNoAnswers.dequeue();
    }
    ui::YesNoCancel askYesNoCancel(QWidget*, const QString& text) override
    {
        asked << text;
        return yesNoCancelAnswers.isEmpty() ? ui::YesNoCancel::No : yesNoCancelAnswers.dequeue();
    }
    void showMessage(QWidget*, const QString& text) override { asked << text; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return nextFile(); }
    QStringList openFileNames(QWidget*, const QString&, const QString&, const QString&) override
    {
        return filesAnswers.isEmpty() ? QStringList{} : filesAnswers.dequeue();
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return nextFile(); }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return nextFile(); }
    bool setUpPrinter(QWidget*, QPrinter&) override
    {
        ++printerSetUps;
        return printerAnswers.isEmpty() ? true : printerAnswers.dequeue();
    }

private:
    QString nextFile() { return fileAnswers.isEmpty() ? QString{} : fileAnswers.dequeue(); }
};

} // namespace pictra::test
