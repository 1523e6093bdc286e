// The main window's commands as Qt actions: the menu bar, the toolbar and
// the shortcuts, all built from the command table. Every action reports its
// command id; enabling comes from the one rule function.
#pragma once

#include "core/app/window_menu.h"
#include "core/commands/command_enabling.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <utility>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace pictra::ui {

class CommandActions : public QObject {
    Q_OBJECT
public:
    // Builds menus and toolbar into `window`; `run` is called with the id of
    // every triggered command.
    CommandActions(QMainWindow& window, std::function<void(int)> run);

    QAction* action(int id) const;
    QMenu* fileMenu() const { return m_fileMenu; }
    // The ウインドウ menu (the one holding 重ねて表示).
    QMenu* windowMenu() const { return m_windowMenu; }
    QToolBar* toolBar() const { return m_toolBar; }

    // Enables and greys every action by the rules.
    void applyEnabling(const WindowState& state);

    // Replaces the recent-album items of the File menu (command ids 1..n,
    // texts "1. /path/album.abm"), followed by a separator; none for an
    // empty list.
    void setRecentItems(const std::vector<std::pair<int, QString>>& items);

    // Replaces the open-window items at the end of the ウインドウ menu, after
    // a separator; `choose` is called with the index of the chosen item.
    void setWindowItems(const std::vector<WindowMenuItem>& items, std::function<void(std::size_t)> choose);

private:
    QAction* makeAction(int id);
    void buildMenus(QMainWindow& window);
    void buildToolBar(QMainWindow& window);

    std::function<void(int)> m_run;
    std::map<int, QAction*> m_actions;
    std::vector<QAction*> m_recent; // recent items and their separator
    std::vector<QAction*> m_windowItems; // open windows and their separator
    QMenu* m_fileMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
};

} // namespace pictra::ui
