#include "PanelRegisterModel.h"
#include "base/LanguageSection.h"
#include "runtime/PanelReferenceTable.h"
#include "runtime/PanelSimulator.h"
#include "runtime/PanelValue.h"
#include "ui/widgets/UiText.h"

CPanelRegisterModel::CPanelRegisterModel(const CAppSettings& settings, CPanelSimulator& panel,
                                         QObject* parent)
    : QAbstractTableModel(parent),
      settings_(settings),
      panel_(panel)
{}

void CPanelRegisterModel::Reload()
{
    beginResetModel();
    rows_ = panel_.IsLoaded() ? panel_.References() : std::vector<PanelReference>();
    endResetModel();
}

void CPanelRegisterModel::Refresh()
{
    if (!rows_.empty())
        emit dataChanged(index(0, ValueColumn), index(int(rows_.size()) - 1, ValueColumn));
}

void CPanelRegisterModel::SetDeviceNames(QHash<int, QString> names)
{
    deviceNames_ = std::move(names);
    if (!rows_.empty())
        emit dataChanged(index(0, RegisterColumn), index(int(rows_.size()) - 1, RegisterColumn));
}

QString CPanelRegisterModel::RegisterText(const PanelReference& ref) const
{
    const QString device = deviceNames_.value(
        ref.reg.device, QStringLiteral("DEV%1").arg(ref.reg.device, 3, 10, QLatin1Char('0')));
    return device + QLatin1Char('.') + ref.text;
}

QString CPanelRegisterModel::ValueText(const CPanelMemory& memory, const PanelReference& ref)
{
    const CPanelValue value = CPanelValue::Read(memory, ref.reg, ref.format);
    if (value.IsNumber())
        return value.Text();
    return QStringLiteral("0x") + QString::number(value.Pattern(), 16).toUpper(); // no BCD digits
}

bool CPanelRegisterModel::ParseValueText(const QString& text, const PanelReference& ref,
                                         CPanelValue* value)
{
    return CPanelValue::Parse(text.trimmed(), ref.format, value);
}

QString CPanelRegisterModel::stringText(const PanelReference& ref) const
{
    const bool lowFirst = panel_.Image().comm.ByteOrder() == 1;
    QString s;
    for (int i = 0; i < ref.words; ++i) {
        const quint16 w = panel_.Memory().Word({ref.reg.device, quint16(ref.reg.address + i)});
        const char bytes[2] = {char(lowFirst ? w & 0xFF : w >> 8),
                               char(lowFirst ? w >> 8 : w & 0xFF)};
        for (char c : bytes)
            s += (c >= 0x20 && c < 0x7F) ? QChar(c) : QChar(u'\u00B7');
    }
    return s;
}

void CPanelRegisterModel::writeString(const PanelReference& ref, const QString& text)
{
    const bool lowFirst = panel_.Image().comm.ByteOrder() == 1;
    const QByteArray latin = text.toLatin1();
    for (int i = 0; i < ref.words; ++i) {
        auto at = [&latin](qsizetype k) { return quint8(k < latin.size() ? latin[k] : ' '); };
        const quint8 a = at(2 * i);
        const quint8 b = at(2 * i + 1);
        const quint16 w = lowFirst ? quint16(b << 8 | a) : quint16(a << 8 | b);
        panel_.PlcWriteWord({ref.reg.device, quint16(ref.reg.address + i)}, w);
    }
}

QStringList CPanelRegisterModel::usesText(const PanelReference& ref) const
{
    const Wording words = [this](const QString& english) {
        return UiText(settings_, IDD_DLG_SIMULATOR, english);
    };
    QStringList out;
    for (const PanelUse& use : ref.useList)
        out << PanelUseText(use, words);
    return out;
}

QString CPanelRegisterModel::formatText(const PanelReference& ref) const
{
    if (ref.coil)
        return UiText(settings_, IDD_DLG_SIMULATOR, QStringLiteral("Coil"));
    const RuntimeValueFormat& f = ref.format;
    const bool two = f.isFloat || f.twoRegisters;
    QString english;
    if (ref.ascii)
        return UiText(settings_, IDD_DLG_SIMULATOR, QStringLiteral("String, %1 registers"))
            .arg(ref.words);
    if (f.isFloat)
        english = QStringLiteral("Float");
    else if (!f.dec)
        english = two ? QStringLiteral("BCD 32-bit") : QStringLiteral("BCD 16-bit");
    else if (f.isSigned)
        english = two ? QStringLiteral("Signed 32-bit") : QStringLiteral("Signed 16-bit");
    else
        english = two ? QStringLiteral("Unsigned 32-bit") : QStringLiteral("Unsigned 16-bit");
    return UiText(settings_, IDD_DLG_SIMULATOR, english);
}

int CPanelRegisterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int CPanelRegisterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CPanelRegisterModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    const PanelReference& ref = rows_[size_t(index.row())];
    const CPanelMemory& memory = panel_.Memory();
    switch (index.column()) {
    case RegisterColumn:
        if (role == Qt::DisplayRole)
            return RegisterText(ref);
        break;
    case ValueColumn:
        if (ref.coil) {
            if (role == Qt::CheckStateRole)
                return memory.Coil(ref.reg) ? Qt::Checked : Qt::Unchecked;
            if (role == Qt::DisplayRole)
                return memory.Coil(ref.reg) ? QStringLiteral("ON") : QStringLiteral("OFF");
            break;
        }
        if (role == Qt::DisplayRole || role == Qt::EditRole) {
            if (ref.ascii)
                return stringText(ref);
            return ValueText(memory, ref);
        }
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case FormatColumn:
        if (role == Qt::DisplayRole)
            return formatText(ref);
        break;
    case UsesColumn:
        if (role == Qt::DisplayRole)
            return usesText(ref).join(QStringLiteral("; "));
        if (role == Qt::ToolTipRole)
            return usesText(ref).join(QLatin1Char('\n'));
        break;
    default: break;
    }
    return {};
}

QVariant CPanelRegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* names[ColumnCount] = {"Register", "Value", "Format", "Uses"};
    if (section < 0 || section >= ColumnCount)
        return {};
    return UiText(settings_, IDD_DLG_SIMULATOR, QString::fromLatin1(names[section]));
}

Qt::ItemFlags CPanelRegisterModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() != ValueColumn || index.row() >= int(rows_.size()))
        return f;
    const PanelReference& ref = rows_[size_t(index.row())];
    if (ref.coil)
        return f | Qt::ItemIsUserCheckable;
    return f | Qt::ItemIsEditable;
}

bool CPanelRegisterModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != ValueColumn || index.row() >= int(rows_.size()))
        return false;
    const PanelReference& ref = rows_[size_t(index.row())];
    if (ref.coil) {
        if (role != Qt::CheckStateRole)
            return false;
        panel_.PlcWriteCoil(ref.reg, value.toInt() == Qt::Checked);
    } else {
        if (role != Qt::EditRole)
            return false;
        CPanelValue typed;
        if (ref.ascii)
            writeString(ref, value.toString());
        else if (!ParseValueText(value.toString(), ref, &typed))
            return false;
        else if (typed.IsTwoRegisters())
            panel_.PlcWriteDWord(ref.reg, typed.Pattern());
        else
            panel_.PlcWriteWord(ref.reg, quint16(typed.Pattern()));
    }
    emit dataChanged(index, index);
    emit written();
    return true;
}
