#include "ProjectModel.h"
#include "ProtocolTables.h"

#include <algorithm>

void FillRegisterRefDefaults(const CProjectModel* model, RegisterRef& ref, int kind)
{
    if (model) {
        model->FillRegisterRefDefaults(ref, kind);
        return;
    }
    ref.radix = 2;
    ref.bitOfWord = 0;
}

CProjectModel::CProjectModel() : plcAndPanel(this) {}

void CProjectModel::FillRegisterRefDefaults(RegisterRef& ref, int kind) const
{
    const auto& devices = Devices().devices;
    if (!devices.empty())
        ref.deviceName = devices.front().name;
    ref.radix = 2;
    ref.bitOfWord = 0;
    const ProtocolTables::Protocol* protocol = ProtocolTables::FindProtocol(info.plcType);
    if (!protocol)
        return;
    if (const auto* row = ProtocolTables::FirstRowOfKind(*protocol, kind)) {
        ref.radix = row->radix;
        ref.bitOfWord = row->bitOfWord;
    }
    if (const auto* def = ProtocolTables::DefaultOfKind(*protocol, kind)) {
        ref.area = QString::fromLatin1(def->letters);
        ref.address = def->address;
        ref.bitNumber = def->bitNumber;
    }
}

void CProjectModel::ResetProjectModel(const QString& name, const QString& location,
                                      const QString& hmiType, const QString& plcType)
{
    info = ProjectInfo{name, location, hmiType, plcType, {}, {}, {}, {}};
    screens.clear();
    panelManager.panelConfig = CPanelConfigInfo();
    panelManager.deviceInfo.Reset();
    plcAndPanel = CPLCAndPanelAlternation(this);
    transferInfo = CTransferDlgInfo();
    alarms.items.clear();
    bitmapFiles.clear();
    formatVersion = VersionNumber();
}

CScreenObject* CProjectModel::AddScreen(int number, const QString& name)
{
    auto screen = std::make_unique<CScreenObject>(this);
    screen->number = number;
    screen->name = name;
    screen->screenChange.previous = number == 1 ? 1 : number - 1;
    screen->screenChange.next = number == 999 ? 999 : number + 1;
    auto at = std::find_if(screens.begin(), screens.end(),
                           [number](const auto& s) { return s->number < number; });
    return screens.insert(at, std::move(screen))->get();
}

CScreenObject* CProjectModel::FindScreen(int number) const
{
    for (const auto& s : screens)
        if (s->number == number)
            return s.get();
    return nullptr;
}

void CProjectModel::RemoveScreen(int number)
{
    auto it = std::find_if(screens.begin(), screens.end(),
                           [number](const auto& s) { return s->number == number; });
    if (it != screens.end())
        screens.erase(it);
}

bool CProjectModel::IsScreenNumberUsed(int number, int excludedNumber) const
{
    return FindScreen(number) != nullptr && number != excludedNumber;
}

int CProjectModel::FirstFreeScreenNumber() const
{
    std::vector<bool> used(1000, false);
    for (const auto& s : screens)
        if (s->number >= 1 && s->number <= 999)
            used[size_t(s->number)] = true;
    for (int n = 1; n <= 999; ++n)
        if (!used[size_t(n)])
            return n;
    return 1000;
}

void CProjectModel::CopyScreenObject(const CScreenObject& source, CScreenObject& target)
{
    target = source;
}

std::unique_ptr<CProjectModel> CProjectModel::Clone() const
{
    auto copy = std::make_unique<CProjectModel>();
    copy->info = info;
    copy->panelManager = panelManager;
    copy->alarms = alarms;
    copy->plcAndPanel = plcAndPanel;
    copy->transferInfo = transferInfo;
    copy->bitmapFiles = bitmapFiles;
    copy->screens.reserve(screens.size());
    for (const auto& screen : screens)
        copy->screens.push_back(std::make_unique<CScreenObject>(*screen));
    copy->formatVersion = formatVersion;
    return copy;
}
