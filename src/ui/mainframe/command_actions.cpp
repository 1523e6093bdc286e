// Building the menu bar, the toolbar and the shortcuts from the command table.
#include "ui/mainframe/command_actions.h"

#include "core/commands/command_ids.h"
#include "core/commands/command_table.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

#include <vector>

namespace pictra::ui {

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace

CommandActions::CommandActions(QMainWindow& window, std::function<void(int)> run)
    : QObject(&window), m_run(std::move(run))
{
    for (const CommandInfo& info : commandTable())
        makeAction(info.id);
    buildMenus(window);
    buildToolBar(window);
}

QAction* CommandActions::makeAction(int id)
{
    const CommandInfo* info = findCommand(id);
    auto* a = new QAction(text(info->menuText), this);
    a->setObjectName(QString::number(id));
    a->setStatusTip(text(commandPrompt(*info)));
    a->setToolTip(text(commandTooltip(*info)));
    if (!info->shortcut.empty())
        a->setShortcut(QKeySequence::fromString(text(info->shortcut), QKeySequence::PortableText));
    if (!info->icon.empty())
        a->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(text(info->icon))));
    connect(a, &QAction::triggered, this, [this, id] { m_run(id); });
    m_actions[id] = a;
    return a;
}

QAction* CommandActions::action(int id) const
{
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CommandActions::buildMenus(QMainWindow& window)
{
    std::vector<QMenu*> open; // the popups being filled, innermost last
    for (const MenuItem& item : menuBarLayout()) {
        switch (item.kind) {
        case MenuItemKind::SubmenuBegin: {
            QMenu* menu = open.empty() ? window.menuBar()->addMenu(text(item.text)) : open.back()->addMenu(text(item.text));
            if (!m_fileMenu)
                m_fileMenu = menu;
            open.push_back(menu);
            break;
        }
        case MenuItemKind::SubmenuEnd:
            open.pop_back();
            break;
        case MenuItemKind::Separator:
            open.back()->addSeparator();
            break;
        case MenuItemKind::Command:
            open.back()->addAction(action(item.id));
            if (item.id == cmd::kCascade)
                m_windowMenu = open.back();
            break;
        }
    }
    // Shortcuts work even while their menu is closed: the actions belong to the window.
    for (const auto& [id, a] : m_actions)
        window.addAction(a);
}

void CommandActions::buildToolBar(QMainWindow& window)
{
    m_toolBar = new QToolBar(QStringLiteral("ツールバー"), &window);
    m_toolBar->setObjectName(QStringLiteral("128"));
    m_toolBar->setIconSize(QSize(22, 22));
    for (int id : toolbarLayout()) {
        if (id == 0)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(action(id));
    }
    window.addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CommandActions::applyEnabling(const WindowState& state)
{
    for (const auto& [id, a] : m_actions)
        a->setEnabled(isCommandEnabled(id, state));
}

void CommandActions::setRecentItems(const std::vector<std::pair<int, QString>>& items)
{
    for (QAction* a : m_recent) {
        m_fileMenu->removeAction(a);
        a->deleteLater();
    }
    m_recent.clear();
    if (items.empty())
        return;
    QAction* before = m_fileMenu->actions().value(kRecentMenuPosition);
    for (const auto& [id, label] : items) {
        auto* a = new QAction(label, this);
        a->setObjectName(QString::number(id));
        connect(a, &QAction::triggered, this, [this, id = id] { m_run(id); });
        m_fileMenu->insertAction(before, a);
        m_recent.push_back(a);
    }
    QAction* separator = m_fileMenu->insertSeparator(before);
    m_recent.push_back(separator);
}

void CommandActions::setWindowItems(const std::vector<WindowMenuItem>& items, std::function<void(std::size_t)> choose)
{
    for (QAction* a : m_windowItems) {
        m_windowMenu->removeAction(a);
        a->deleteLater();
    }
    m_windowItems.clear();
    if (items.empty())
        return;
    m_windowItems.push_back(m_windowMenu->addSeparator());
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto* a = new QAction(QString::fromStdString(items[i].text), this);
        a->setCheckable(true);
        a->setChecked(items[i].checked);
        connect(a, &QAction::triggered, this, [choose, i] { choose(i); });
        m_windowMenu->addAction(a);
        m_windowItems.push_back(a);
    }
}

} // namespace pictra::ui
