#pragma once
// The main window's menu bar and tool bar with their built-in texts. The window connects
// the actions; a language pack relabels them.

#include <QAction>
#include <QMenu>
#include <array>

class QMainWindow;

namespace hm3300::model {
class LanguagePack;
}

namespace hm3300::app {

struct MainMenu {
    // Builds the menus and the tool bar into `window`.
    explicit MainMenu(QMainWindow& window);

    void applyLanguage(const model::LanguagePack& pack);

    QMenu* fileMenu;
    QAction* fileNew;
    QAction* fileOpen;
    QAction* fileSave;
    QAction* fileImportCsv;  // channels from and to the CSV of other radio programmers
    QAction* fileExportCsv;
    QAction* fileExit;

    QMenu* editMenu;
    QAction* undo;  // Ctrl+Z
    QAction* redo;  // Ctrl+Y, Ctrl+Shift+Z
    // The commands on whole rows of the channel grid. Their shortcuts work while the grid
    // has the keyboard, so that a text field keeps its own cut, copy and paste.
    QAction* cutRows;
    QAction* copyRows;
    QAction* pasteRows;
    QAction* insertRow;
    QAction* deleteRows;
    QAction* read;   // "频率读出(&R)"
    QAction* write;  // "频率写入(&W)"
    // The items that show the pages 0 ... 5.
    std::array<QAction*, 6> pageItems;

    QMenu* optionsMenu;
    QMenu* portMenu;
    std::array<QAction*, 4> ports;  // COM1 ... COM4
    QAction* chooseDevice;          // the device the chosen port opens
    QMenu* commModeMenu;
    QAction* singleHead;
    QAction* dualHead;
    QMenu* languageMenu;
    std::array<QAction*, 3> languages;  // 中文, English, 中文(繁體)
    QMenu* skinMenu;
    std::array<QAction*, 3> skins;  // skin 1 ... 3
    QAction* fastLink;              // checkable: end each wait once the radio's reply is in

    QMenu* helpMenu;
    QAction* help;
    QAction* backupsFolder;  // where every read is kept
    QAction* about;

    // The tool bar.
    QAction* newButton;  // New, Open and Save show only their icons
    QAction* openButton;
    QAction* saveButton;
    QAction* readButton;   // "读频"
    QAction* writeButton;  // "写频"

private:
    // The icon-only buttons name their command in a tool tip.
    void updateToolTips();
};

}  // namespace hm3300::app
