#pragma once
#include <QWidget>

class CAppSettings;
class QTreeWidget;

// Navigation-Panel: the branch "Panel" with "Panel Information" (code 1).
class CPanelTreePane : public QWidget
{
    Q_OBJECT
public:
    enum Code { PanelInformation = 1 };
    CPanelTreePane(const CAppSettings& settings, QWidget* parent = nullptr);
    QTreeWidget* Tree() const { return tree_; }

signals:
    void itemActivated(int code);

private:
    QTreeWidget* tree_;
};
