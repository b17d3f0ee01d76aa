#include "app/main_menus.h"

#include <QMenu>
#include <QMenuBar>

namespace {

QAction* NamedAction(QAction* action, const char* name) {
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

MainMenus BuildMainMenus(QMenuBar& bar) {
    MainMenus menus;
    menus.mnuOpen = bar.addMenu(QStringLiteral("Open"));
    menus.mnuOpen->setObjectName(QStringLiteral("mnuOpen"));
    menus.mnuvrd = NamedAction(menus.mnuOpen->addAction(QStringLiteral("vrd file")), "mnuvrd");
    menus.mnutxt = NamedAction(menus.mnuOpen->addAction(QStringLiteral("Txt file")), "mnutxt");

    menus.mnuSave = bar.addMenu(QStringLiteral("Save As"));
    menus.mnuSave->setObjectName(QStringLiteral("mnuSave"));
    menus.csvfile = NamedAction(menus.mnuSave->addAction(QStringLiteral("csv file")), "csvfile");
    menus.txtfile = NamedAction(menus.mnuSave->addAction(QStringLiteral("txt file")), "txtfile");

    menus.mnuChart = NamedAction(bar.addAction(QStringLiteral("Chart")), "mnuChart");
    menus.mnuAnalysis = NamedAction(bar.addAction(QStringLiteral("Analysis")), "mnuAnalysis");
    menus.sep1 = NamedAction(bar.addAction(QStringLiteral("|")), "sep1");
    menus.mnuAbout = NamedAction(bar.addAction(QStringLiteral("About...")), "mnuAbout");
    return menus;
}
