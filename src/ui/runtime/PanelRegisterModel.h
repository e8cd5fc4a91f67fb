#pragma once
#include "runtime/PanelReference.h"

#include <QAbstractTableModel>
#include <QHash>

#include <functional>
#include <vector>

class CAppSettings;
class CPanelMemory;
class CPanelSimulator;
class CPanelValue;

// The engineer's side of the simulated PLC: one row for every register and
// coil that the image references, with its value (editable in the
// register's format: signed, unsigned, BCD digits or float, over one or two
// registers, a string's registers as characters; a coil is a check box) and its uses. Edits are the PLC's
// writes, so the panel reacts at once.
class CPanelRegisterModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { RegisterColumn, ValueColumn, FormatColumn, UsesColumn, ColumnCount };

    CPanelRegisterModel(const CAppSettings& settings, CPanelSimulator& panel,
                        QObject* parent = nullptr);

    // The rows again from the loaded image (after a load).
    void Reload();
    // The values again from the memory (after the panel wrote).
    void Refresh();
    // Station number -> device name, for the register column.
    void SetDeviceNames(QHash<int, QString> names);
    QString RegisterText(const PanelReference& ref) const;
    const std::vector<PanelReference>& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // A value as the row shows it (as the panel shows it: with the decimal
    // places of its format), and the inverse (false when the text is no
    // value of the row's format).
    static QString ValueText(const CPanelMemory& memory, const PanelReference& ref);
    static bool ParseValueText(const QString& text, const PanelReference& ref, CPanelValue* value);

signals:
    // The PLC wrote through the table.
    void written();

private:
    // A string's registers as characters, in the link's byte order.
    QString stringText(const PanelReference& ref) const;
    void writeString(const PanelReference& ref, const QString& text);
    QString formatText(const PanelReference& ref) const;
    // The uses in the window's language.
    QStringList usesText(const PanelReference& ref) const;

    const CAppSettings& settings_;
    CPanelSimulator& panel_;
    std::vector<PanelReference> rows_;
    QHash<int, QString> deviceNames_;
};
