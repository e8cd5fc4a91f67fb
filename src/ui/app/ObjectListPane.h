#pragma once
#include <QWidget>

class CAppSettings;
class CObjectKindList;

// Object List: the object kinds in the order of their codes. A change
// of selection asks for the kind's help page; the items are drag sources for
// the screen editor.
class CObjectListPane : public QWidget
{
    Q_OBJECT
public:
    CObjectListPane(const CAppSettings& settings, QWidget* parent = nullptr);
    CObjectKindList* List() const { return list_; }

signals:
    void kindSelected(int kind);

private:
    CObjectKindList* list_;
};
