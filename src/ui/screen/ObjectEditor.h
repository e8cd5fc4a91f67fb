#pragma once
#include "DiagramEditor.h"

class CProjectController;

// The screen editor's canvas: a 192 x 64 paper in the screen colours (green
// paper on grey), snapping to the grid and keeping objects inside the paper.
// New objects take their default registers from the open project; menus are
// in the user's language; kinds without a property form yet get a stand-in
// that accepts.
class CObjectEditor : public CDiagramEditor
{
    Q_OBJECT
public:
    explicit CObjectEditor(CProjectController& controller, QWidget* parent = nullptr);

    CProjectController& Controller() const { return controller_; }

    static constexpr int kPaperWidth = 192;
    static constexpr int kPaperHeight = 64;

protected:
    std::unique_ptr<CDiagramEntity> CreateObject(int kind) const override;
    QString MenuText(const QString& english) const override;

private:
    CProjectController& controller_;
};
