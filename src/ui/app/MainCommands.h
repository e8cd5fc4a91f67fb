#pragma once
#include "CommandId.h"

#include <QObject>
#include <QString>
#include <array>

class CAppSettings;
class QAction;

// The commands of the main window: one action per command with its menu
// text (section MENU, keyed by the English text), its status-bar prompt
// (section MENU_PROMPT, same key) and its accelerators. The actions carry
// their id as data; the main window connects them to the work.
class CMainCommands : public QObject
{
    Q_OBJECT
public:
    explicit CMainCommands(QObject* parent = nullptr);

    QAction* Action(CommandId id) const { return actions_[size_t(id)]; }
    // The English key of a command ("Open Project...").
    static QString Key(CommandId id);
    // The top-level menus' keys: "File", "Edit", "View", ...
    static QString MenuText(const CAppSettings& settings, const QString& key);

    // Texts and prompts from the language file.
    void ApplyTexts(const CAppSettings& settings);

signals:
    void triggered(CommandId id);

private:
    std::array<QAction*, kCommandCount> actions_{};
};
