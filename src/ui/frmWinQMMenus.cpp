#include "ui/frmWinQM.h"

#include "session/RecentReports.h"
#include "session/Session.h"
#include "session/Turn.h"

#include <QAction>
#include <QDir>
#include <QMenuBar>

#include <utility>
#include <vector>

namespace qm {

namespace {

// What stands before a menu command.
enum class Gap { None, Line, RecentReports };

// One menu command: where it goes, its name and caption, its keys and handler.
struct MenuEntry {
    const char* menu;
    const char* name;
    const char* caption;
    QKeySequence keys;
    void (frmWinQM::*handler)();
    bool everywhere = false;  // the keys work from every window
    Gap before = Gap::None;
};

const std::pair<const char*, const char*> kMenuBar[] = {
    {"mnuFile", "&File"},       {"mnuEdit", "&Edit"}, {"mnuAreaData", "&Area Data"},
    {"mnuCommand", "&Command"}, {"mnuView", "&View"}, {"mnuOptions", "&Options"},
    {"mnuHelp", "&Help"},
};

std::vector<const char*> MenuNames(MenuCommand command) {
    switch (command) {
        case MenuCommand::Open:
            return {"mnuOpen"};
        case MenuCommand::Merge:
            return {"mnuMerge"};
        case MenuCommand::AllyOrders:
            return {"mnuAllyOrders"};
        case MenuCommand::Save:
            return {"mnuSave"};
        case MenuCommand::ExportMap:
            return {"mnuExportMap"};
        case MenuCommand::Undo:
            return {"mnuUndo"};
        case MenuCommand::Redo:
            return {"mnuRedo"};
        case MenuCommand::VictoryConditions:
            return {"mnuVictoryConditions"};
        case MenuCommand::Orders:
            return {"mnuANW", "mnuCallToArms", "mnuGrantAccess", "mnuSpy"};
        case MenuCommand::History:
            return {"mnuImportTurns", "mnuTurnHistory", "mnuEarlierTurn", "mnuLaterTurn",
                    "mnuChanges"};
        case MenuCommand::Recent:
            break;
    }
    return {};
}

QString RecentName(int index) { return QStringLiteral("mnuRecent%1").arg(index + 1); }

}  // namespace

void frmWinQM::BuildMenus() {
    // clang-format off
    static const MenuEntry kMenus[] = {
        {"mnuFile", "mnuOpen", "&Open", QKeySequence::Open, &frmWinQM::OnOpen, true},
        {"mnuFile", "mnuMerge", "&Merge", {}, &frmWinQM::OnMerge},
        {"mnuFile", "mnuAllyOrders", "Show &Ally's Orders...", {}, &frmWinQM::OnAllyOrders},
        {"mnuFile", "mnuSave", "&Save ", QKeySequence::Save, &frmWinQM::OnSave, true},
        {"mnuFile", "mnuExportMap", "Export Map &Picture...", {}, &frmWinQM::OnExportMap},
        {"mnuFile", "mnuImportTurns", "&Import Turns...", {}, &frmWinQM::OnImportTurns},
        {"mnuFile", "mnuExit", "&Exit", Qt::CTRL | Qt::Key_Q, &frmWinQM::OnExit, true, Gap::RecentReports},
        {"mnuEdit", "mnuUndo", "&Undo", Qt::CTRL | Qt::Key_Z, &frmWinQM::OnUndo, true},
        {"mnuEdit", "mnuRedo", "&Redo", Qt::CTRL | Qt::SHIFT | Qt::Key_Z, &frmWinQM::OnRedo, true},
        {"mnuAreaData", "mnuEditHex", "&Edit Hex", {}, &frmWinQM::OnEditHex},
        {"mnuAreaData", "mnuSaveHexData", "&Save Hex Data", {}, &frmWinQM::OnSaveHexData},
        {"mnuCommand", "mnuANW", "&ANW", {}, &frmWinQM::OnANW},
        {"mnuCommand", "mnuCallToArms", "&Call to Arms", {}, &frmWinQM::OnCallToArms},
        {"mnuCommand", "mnuGrantAccess", "&Grant Access", {}, &frmWinQM::OnGrantAccess},
        {"mnuCommand", "mnuSpy", "&Spy", {}, &frmWinQM::OnSpy},
        {"mnuCommand", "mnuVictoryConditions", "&VictoryConditions", {},
         &frmWinQM::OnVictoryConditions},
        {"mnuCommand", "mnuCheckTurn", "Check &Turn", Qt::CTRL | Qt::Key_T, &frmWinQM::OnCheckTurn, true, Gap::Line},
        {"mnuView", "mnuRelations", "&Relations", {}, &frmWinQM::OnRelations},
        {"mnuView", "mnuYourAreas", "&Your Areas", {}, &frmWinQM::OnYourAreas},
        {"mnuView", "mnuMergeLog", "&Merge Log", {}, &frmWinQM::OnMergeLog},
        {"mnuView", "mnuTurnHistory", "Turn &History", {}, &frmWinQM::OnTurnHistory, false, Gap::Line},
        {"mnuView", "mnuEarlierTurn", "&Earlier Turn", Qt::ALT | Qt::Key_Left, &frmWinQM::OnEarlierTurn, true},
        {"mnuView", "mnuLaterTurn", "&Later Turn", Qt::ALT | Qt::Key_Right, &frmWinQM::OnLaterTurn, true},
        {"mnuView", "mnuChanges", "&Changes", {}, &frmWinQM::OnChanges},
        {"mnuOptions", "mnuMapColors", "Map &Colors", {}, &frmWinQM::OnMapColors},
        {"mnuOptions", "mnuHex", "Hex map", {}, &frmWinQM::OnHex},
        {"mnuOptions", "mnuZoom", "&Zoom Map", {}, &frmWinQM::OnZoom},
        {"mnuOptions", "mnuTypeofUnitDisplay", "Type of Unit Display", {},
         &frmWinQM::OnTypeofUnitDisplay},
        {"mnuOptions", "mnuLastSeen", "Last &Seen Areas", {}, &frmWinQM::OnLastSeen},
        {"mnuOptions", "mnuShowAllyOrders", "&Allies' Orders", {}, &frmWinQM::OnShowAllyOrders},
        {"mnuHelp", "mnuMapLegend", "Map &Legend", {}, &frmWinQM::OnMapLegend},
        {"mnuHelp", "mnuAbout", "&About", {}, &frmWinQM::OnAbout},
    };
    // clang-format on
    for (const auto& [name, caption] : kMenuBar) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(QString::fromLatin1(name));
    }
    for (const MenuEntry& entry : kMenus) {
        auto* menu = findChild<QMenu*>(QString::fromLatin1(entry.menu));
        if (entry.before == Gap::RecentReports) {
            menu->addSeparator();
            for (int i = 0; i < RecentReports::kMaxReports; ++i) {
                QAction* recent = menu->addAction(QString());
                recent->setObjectName(RecentName(i));
                recent->setVisible(false);
                connect(recent, &QAction::triggered, this, [this, i] { turn_.OpenRecent(i); });
            }
            menu->addSeparator();
        }
        if (entry.before == Gap::Line) menu->addSeparator();
        QAction* action = menu->addAction(QString::fromLatin1(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcut(entry.keys);
        if (entry.everywhere) action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this, entry.handler);
    }
    for (const char* name : {"mnuHex", "mnuTurnHistory", "mnuLastSeen", "mnuShowAllyOrders"})
        menuAction(QString::fromLatin1(name))->setCheckable(true);
    menuAction(QStringLiteral("mnuShowAllyOrders"))
        ->setChecked(session_.map.picture.ShowAllyOrders);
    EnableAreaData(false);
}

QAction* frmWinQM::menuAction(const QString& name) const { return findChild<QAction*>(name); }

void frmWinQM::EnableMenu(MenuCommand command, bool enabled) {
    if (command == MenuCommand::Recent) {
        for (int i = 0; i < RecentReports::kMaxReports; ++i)
            menuAction(RecentName(i))->setEnabled(enabled);
        return;
    }
    for (const char* name : MenuNames(command))
        menuAction(QString::fromLatin1(name))->setEnabled(enabled);
}

void frmWinQM::ShowRecentReports(const std::vector<QString>& reports) {
    for (int i = 0; i < RecentReports::kMaxReports; ++i) {
        QAction* action = menuAction(RecentName(i));
        const bool listed = i < static_cast<int>(reports.size());
        action->setVisible(listed);
        if (listed)
            action->setText(QStringLiteral("&%1 ").arg(i + 1) +
                            QDir::toNativeSeparators(reports[static_cast<std::size_t>(i)]));
    }
}

void frmWinQM::EnableAreaData(bool enabled) {
    for (const char* name : {"mnuEditHex", "mnuSaveHexData"})
        menuAction(QString::fromLatin1(name))->setEnabled(enabled);
    findChild<QMenu*>(QStringLiteral("mnuAreaData"))->menuAction()->setEnabled(enabled);
}

}  // namespace qm
