// Letting the program's accelerators through the information bar's edits.
#include "ui/infobar/accelerator_pass.h"

#include "core/commands/command_table.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace pictra::ui {
namespace {

constexpr const char* kMultiLineProperty = "pictraMultiLine";

QKeySequence pressed(const QKeyEvent& key)
{
    // The keypad's Enter is the same command as Return.
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    const int code = key.key() == Qt::Key_Enter ? Qt::Key_Return : key.key();
    return QKeySequence(QKeyCombination(mods, static_cast<Qt::Key>(code)));
}

bool textKeeps(const QKeyEvent& key, bool multiLine)
{
    if (key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Cut) || key.matches(QKeySequence::Paste))
        return true;
    return multiLine && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter);
}

} // namespace

bool isProgramAccelerator(const QKeyEvent& key)
{
    const QKeySequence sequence = pressed(key);
    for (const CommandInfo& info : commandTable()) {
        if (info.shortcut.empty())
            continue;
        const QString text = QString::fromLatin1(info.shortcut.data(), static_cast<qsizetype>(info.shortcut.size()));
        if (QKeySequence::fromString(text, QKeySequence::PortableText) == sequence)
            return true;
    }
    return false;
}

void AcceleratorPass::watch(QWidget* edit, bool multiLine)
{
    edit->setProperty(kMultiLineProperty, multiLine);
    edit->installEventFilter(this);
}

bool AcceleratorPass::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (textKeeps(key, watched->property(kMultiLineProperty).toBool()) || !isProgramAccelerator(key))
        return false;
    // Not accepted: the shortcut map runs the command instead of the edit.
    event->ignore();
    return true;
}

} // namespace pictra::ui
