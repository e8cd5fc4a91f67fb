#pragma once
#include "ui/screen/ScreenViewCommands.h"

#include <QStringList>
#include <QWidget>

class CScreenDocument;

// The screen window's content until the screen editor is plugged in: the
// panel's display drawn empty at the current zoom, with the grid when it is
// shown. It records the commands it receives.
class CScreenStandInView : public QWidget, public IScreenViewCommands
{
    Q_OBJECT
public:
    CScreenStandInView(const CScreenDocument* doc, QWidget* parent = nullptr);

    void Undo() override { received.append(QStringLiteral("Undo")); }
    void Redo() override { received.append(QStringLiteral("Redo")); }
    void Cut() override { received.append(QStringLiteral("Cut")); }
    void Copy() override { received.append(QStringLiteral("Copy")); }
    void Paste() override { received.append(QStringLiteral("Paste")); }
    void SelectAll() override { received.append(QStringLiteral("SelectAll")); }
    void StartInsert(int kind) override { received.append(QStringLiteral("Insert %1").arg(kind)); }
    bool IsReadyForEditing() const override { return doc_ != nullptr; }
    // The stand-in offers every Edit command, so that it records them.
    bool CanUndo() const override { return doc_ != nullptr; }
    bool CanRedo() const override { return doc_ != nullptr; }
    bool HasSelection() const override { return doc_ != nullptr; }
    bool CanPaste() const override { return doc_ != nullptr; }
    void ApplyViewSettings(const CViewSettings& settings) override;

    QSize sizeHint() const override;
    const CViewSettings& Settings() const { return settings_; }
    int AppliedCount() const { return applied_; }
    QStringList received;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const CScreenDocument* doc_;
    CViewSettings settings_;
    int applied_ = 0;
};
