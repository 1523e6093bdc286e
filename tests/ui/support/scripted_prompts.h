// Scripted answers for UserPrompts in ui tests: answers are queued in order
// and every question is recorded so a test can check what was asked.
#pragma once

#include "ui/prompts/user_prompts.h"

#include <QQueue>
#include <QStringList>

#include <functional>

namespace pictra::test {

class ScriptedPrompts final : public ui::UserPrompts {
public:
    QQueue<bool> yesNoAnswers;      // default when empty: true
    QQueue<ui::YesNoCancel> yesNoCancelAnswers; // default when empty: No
    QQueue<QString> fileAnswers;    // for open/save/folder questions; default: ""
    QQueue<QStringList> filesAnswers;
    QStringList asked;              // texts of every Yes/No question and message
    QStringList saveFilters;        // the filter of every save question, in order
    QQueue<bool> printerAnswers;    // printer set-up: OK (true) or cancel; default: OK
    int printerSetUps = 0;
    // What the user does in the printer set-up before OK (another paper...).
    std::function<void(QPrinter&)> printerStep;

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
    QString saveFileName(QWidget*, const QString&, const QString&, const QString& filter) override
    {
        saveFilters << filter;
        return nextFile();
    }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return nextFile(); }
    bool setUpPrinter(QWidget*, QPrinter& printer) override
    {
        ++printerSetUps;
        const bool ok = printerAnswers.isEmpty() ? true : printerAnswers.dequeue();
        if (ok && printerStep)
            printerStep(printer);
        return ok;
    }

private:
    QString nextFile() { return fileAnswers.isEmpty() ? QString{} : fileAnswers.dequeue(); }
};

} // namespace pictra::test
