#pragma once
#include <QWidget>

class CAppSettings;
class QTreeWidget;
class QTreeWidgetItem;

// Navigation-Panel: the branch "Panel" with "Panel Information" (code 1).
class CPanelTreePane : public QWidget
{
    Q_OBJECT
public:
    enum Code { PanelInformation = 1 };
    CPanelTreePane(const CAppSettings& settings, QWidget* parent = nullptr);
    QTreeWidget* Tree() const { return tree_; }
    // "Panel Information" is offered only while a project is open.
    void SetInformationEnabled(bool on);

signals:
    void itemActivated(int code);

private:
    QTreeWidget* tree_;
    QTreeWidgetItem* information_;
};
