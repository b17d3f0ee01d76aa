#pragma once
// The main window's menu bar: "Open", "Save As", "Chart", "Analysis", "|" and "About...".

class QAction;
class QMenu;
class QMenuBar;

struct MainMenus {
    QMenu* mnuOpen = nullptr;
    QAction* mnuvrd = nullptr; // "vrd file"
    QAction* mnutxt = nullptr; // "Txt file"
    QMenu* mnuSave = nullptr;  // "Save As", enabled once a file has been read
    QAction* csvfile = nullptr;
    QAction* txtfile = nullptr;
    QAction* mnuChart = nullptr;    // "Chart", enabled once a file has been read
    QAction* mnuAnalysis = nullptr; // "Analysis", enabled when "Chart" is
    QAction* sep1 = nullptr;        // "|", only a divider: it does nothing
    QAction* mnuAbout = nullptr;
};

// Builds the menus in menu-bar order; the caller connects the commands.
MainMenus BuildMainMenus(QMenuBar& bar);
