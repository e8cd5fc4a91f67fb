#pragma once
#include <QWidget>

// The project document's window: it shows nothing and fills its area with
// the workspace colour.
class CPrjView : public QWidget
{
    Q_OBJECT
public:
    explicit CPrjView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};
