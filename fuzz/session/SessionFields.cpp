#include "SessionFields.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "project/RegisterRef.h"
#include "ui/widgets/RegisterField.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace SessionFields {

namespace {

// What a user types into a field.
QString Typed(CFuzzBytes& in)
{
    switch (in.Below(6)) {
    case 0: return QString();
    case 1: return QString::number(in.Below(1000));
    case 2: return QStringLiteral("-") + QString::number(in.Below(100000));
    case 3: return QString::number(qint64(in.U32()) * 13);
    case 4: return QStringLiteral("%1.%2").arg(in.Below(100)).arg(in.Below(1000));
    default: return in.Text(10);
    }
}

bool Shown(const QWidget* w, const QWidget& dialog)
{
    return w->isVisibleTo(&dialog) && w->isEnabled();
}

} // namespace

void PickRegister(const CTessanApp& app, CFuzzBytes& in, RegisterRef& ref)
{
    const auto& devices = app.model.Devices().devices;
    if (!devices.empty() && in.Below(8) != 0)
        ref.deviceName = devices[size_t(in.Below(int(devices.size())))].name;
    const ProtocolTables::Protocol* protocol = ProtocolTables::FindProtocol(app.model.info.plcType);
    if (!protocol)
        return;
    const auto areas = ProtocolTables::MemoryAreas(*protocol);
    if (areas.empty())
        return;
    const ProtocolTables::MemoryArea& area = areas[size_t(in.Below(int(areas.size())))];
    ref.area = QString::fromLatin1(area.letters);
    ref.radix = area.radix;
    ref.bitOfWord = area.bitOfWord;
    const int span = area.highest - area.lowest + 1;
    ref.address = area.lowest + (span > 0 ? in.Below(span) : 0);
    ref.bitNumber = area.bitOfWord ? in.Below(16) : 0;
}

void Type(QWidget& dialog, CFuzzBytes& in, const CTessanApp& app)
{
    const QList<QWidget*> fields = dialog.findChildren<QWidget*>();
    for (QWidget* w : fields) {
        if (in.AtEnd())
            return;
        if (!Shown(w, dialog))
            continue;
        if (auto* field = qobject_cast<CRegisterField*>(w)) {
            // What "..." and the register picker would hand back.
            if (in.Below(4) == 0) {
                RegisterRef ref = field->Ref();
                PickRegister(app, in, ref);
                field->SetRef(ref);
            }
            continue;
        }
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) {
            if (in.Below(3) == 0) {
                spin->selectAll();
                QTest::keyClick(spin, Qt::Key_Backspace);
                QTest::keyClicks(spin, Typed(in));
            }
            continue;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            // The line edit of a spin box or a list goes with its owner.
            if (edit->isReadOnly() || qobject_cast<QAbstractSpinBox*>(edit->parentWidget())
                || qobject_cast<QComboBox*>(edit->parentWidget()))
                continue;
            if (in.Below(3) == 0) {
                edit->clear();
                QTest::keyClicks(edit, Typed(in));
            }
            continue;
        }
        if (auto* box = qobject_cast<QComboBox*>(w)) {
            if (box->count() > 0 && in.Below(3) == 0)
                box->setCurrentIndex(in.Below(box->count()));
            continue;
        }
        if (auto* check = qobject_cast<QCheckBox*>(w)) {
            if (in.Below(4) == 0)
                check->click();
            continue;
        }
        if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            if (in.Below(4) == 0)
                radio->click();
            continue;
        }
        if (auto* grid = qobject_cast<QTableWidget*>(w)) {
            for (int r = 0; r < grid->rowCount() && in.Flag(); ++r) {
                const int row = in.Below(grid->rowCount());
                for (int c = 0; c < grid->columnCount(); ++c) {
                    QTableWidgetItem* item = grid->item(row, c);
                    if (item && (item->flags() & Qt::ItemIsEditable) && in.Flag())
                        item->setText(in.Below(4) == 0 ? QString() : in.Text(30));
                }
            }
        }
    }
}

} // namespace SessionFields
