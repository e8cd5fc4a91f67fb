#pragma once
#include <QListWidget>

// The list of the eight object kinds; dragging an item carries its kind code
// ("0".."7") as plain text, which the screen editor takes on drop.
class CObjectKindList : public QListWidget
{
    Q_OBJECT
public:
    using QListWidget::QListWidget;

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
};
