#include "ScreenReach.h"
#include "project/ProjectModel.h"

#include <QHash>
#include <vector>

QSet<int> ReachedScreens(const CProjectModel& model)
{
    QHash<int, const CScreenObject*> byNumber;
    byNumber.reserve(int(model.screens.size()));
    for (const auto& screen : model.screens)
        byNumber.insert(screen->number, screen.get());

    QSet<int> reached;
    std::vector<const CScreenObject*> pending;
    const auto reach = [&](int number) {
        const CScreenObject* screen = byNumber.value(number);
        if (screen && !reached.contains(number)) {
            reached.insert(number);
            pending.push_back(screen);
        }
    };
    const CPanelConfigInfo& panel = model.panelManager.panelConfig;
    reach(panel.startScreenNumber);
    if (panel.logScreenEnabled)
        reach(panel.logScreenNumber);
    if (panel.protectShowsScreen)
        reach(panel.protectScreenNumber);
    while (!pending.empty()) {
        const CScreenObject* screen = pending.back();
        pending.pop_back();
        reach(screen->screenChange.previous);
        reach(screen->screenChange.next);
        for (const CFunKeyParams& key : screen->keys)
            if (key.used && key.functionType == 2 && key.screenChg.target == 0)
                reach(key.screenChg.screenNumber);
    }
    return reached;
}
