#include "ProjectReport.h"
#include "CrossReference.h"
#include "ReportPageWriter.h"
#include "ReportRows.h"
#include "ReportScreenPictures.h"
#include "TessanApp.h"
#include "project/CommChoices.h"
#include "project/ProjectModel.h"
#include "screen/DiagramEntityContainer.h"

#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

QString choice(CommChoices::List list, int code, const CReportTexts& t)
{
    return t.Text(QString::fromUtf8(list[size_t(CommChoices::IndexOfCode(list, code))].text));
}

} // namespace

CProjectReport::CProjectReport(const CTessanApp& app,
                               const CProjectScreenObjects::LoadedScreens& loaded,
                               const QString& languageCode)
    : app_(app),
      texts_(app.settings.Paths().LanguageFile(languageCode)),
      chinese_(languageCode == QLatin1String("chs")),
      pictures_(std::make_unique<CReportScreenPictures>(app, loaded))
{
    // The model's order is descending; the report runs from screen 1 up.
    const CProjectScreenObjects objects(app, loaded);
    QHash<int, int> index;
    for (auto it = app.model.screens.rbegin(); it != app.model.screens.rend(); ++it) {
        const CScreenObject& record = **it;
        Screen s;
        s.number = record.number;
        s.name = record.name;
        s.previous = record.screenChange.previous;
        s.next = record.screenChange.next;
        s.readable = false;
        for (int k = 0; k < 5; ++k)
            s.keys.append(ReportRows::FunctionKey(k, record.keys[size_t(k)], texts_));
        index.insert(s.number, int(screens_.size()));
        screens_.append(s);
    }
    objects.ForEach(
        [&](const CScreenObject& record, const CDiagramEntityContainer& container, bool) {
            Screen& s = screens_[index.value(record.number)];
            s.readable = true;
            for (int i = 0; i < container.GetSize(); ++i)
                if (const CDiagramEntity* o = container.GetAt(i))
                    s.objects.append(ReportRows::Object(*o, texts_));
            objectCount_ += int(s.objects.size());
        });
    CCrossReference xref;
    xref.Build(app.model, objects);
    xrefRows_ = CrossReferenceTable::Rows(
        xref, [this](const QString& english) { return texts_.Text(english); });
    for (const CrossReferenceFinding& f : xref.Findings())
        ++findings_[f.code];
}

CProjectReport::~CProjectReport() = default;

bool CProjectReport::Prepare(QString* error)
{
    return pictures_->Compile(error);
}

QList<CProjectReport::Section> CProjectReport::plannedSections() const
{
    const CReportTexts& t = texts_;
    QList<Section> sections = {{t("Panel Configuration"), 0, 0},
                               {t("Communication and Devices"), 0, 0},
                               {t("PLC <-> Panel"), 0, 0},
                               {t("Alarms"), 0, 0},
                               {t("Screens"), 0, 0}};
    for (const Screen& s : screens_)
        sections.append({screenTitle(s), 1, 0});
    sections.append({t("Cross-Reference"), 0, 0});
    return sections;
}

QString CProjectReport::screenTitle(const Screen& s) const
{
    return texts_("Screen %1: %2").arg(s.number).arg(s.name);
}

int CProjectReport::Print(QPagedPaintDevice& device) const
{
    QList<Section> sections = plannedSections();
    int pages = 0;
    {
        CReportPageWriter measure(device, nullptr, chinese_);
        layOut(measure, sections);
        measure.Finish();
        pages = measure.Page();
    }
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    CReportPageWriter w(device, &painter, chinese_);
    const QString footer = texts_("Page %1 of %2");
    const QString project = app_.model.info.name;
    w.footer = [footer, project, pages](int page) {
        return project + QStringLiteral("    ") + footer.arg(page).arg(pages);
    };
    layOut(w, sections);
    w.Finish();
    painter.end();
    return pages;
}

void CProjectReport::layOut(CReportPageWriter& w, QList<Section>& sections) const
{
    cover(w);
    contents(w, sections);
    int next = 0;
    auto section = [&] { sections[next++].page = w.Page(); };
    w.Heading(sections[next].title);
    section();
    panelConfiguration(w);
    w.Heading(sections[next].title);
    section();
    communication(w);
    w.Heading(sections[next].title);
    section();
    plcAndPanel(w);
    w.Heading(sections[next].title);
    section();
    alarms(w);
    // The screens' part begins with the first screen's page.
    w.NewPage();
    sections[next++].page = w.Page();
    for (const Screen& s : screens_) {
        w.Heading(screenTitle(s));
        section();
        screen(w, s);
    }
    if (screens_.isEmpty())
        w.Paragraph(texts_("The project has no screens."));
    w.Heading(sections[next].title);
    section();
    crossReference(w);
}

void CProjectReport::cover(CReportPageWriter& w) const
{
    const CReportTexts& t = texts_;
    const ProjectInfo& info = app_.model.info;
    w.Space(30);
    w.Title(info.name);
    w.Title(t("Project Report"));
    w.Space(15);
    w.Fields({{t("Project:"), info.name},
              {t("Panel:"), info.hmiType},
              {t("PLC:"), info.plcType},
              {t("Date:"), date_.toString(Qt::ISODate)},
              {t("Last saved:"), info.date},
              {t("Company:"), info.companyName},
              {t("Programmer:"), info.programmer},
              {t("Description:"), info.description}});
    w.SubHeading(t("Size"));
    w.Fields({{t("Screens:"), QString::number(screens_.size())},
              {t("Objects:"), QString::number(objectCount_)},
              {t("Alarms:"), QString::number(app_.model.alarms.items.size())},
              {t("Devices:"), QString::number(app_.model.Devices().devices.size())},
              {t("Bitmaps:"), QString::number(app_.model.bitmapFiles.size())},
              {t("Runtime image:"), t("%1 bytes").arg(pictures_->ImageBytes())}});
}

void CProjectReport::contents(CReportPageWriter& w, const QList<Section>& sections) const
{
    w.Heading(texts_("Contents"));
    for (const Section& s : sections)
        w.ContentsLine(s.title, s.page, s.level);
}

void CProjectReport::panelConfiguration(CReportPageWriter& w) const
{
    const CReportTexts& t = texts_;
    const CPanelConfigInfo& p = app_.model.panelManager.panelConfig;
    const QString enable = t("Enable"), disable = t("Disable");
    QString protection;
    if (p.screenProtectTime == 0)
        protection = t("None");
    else if (p.protectShowsScreen)
        protection =
            t("Screen Number:") + QLatin1Char(' ') + QString::number(p.protectScreenNumber);
    else
        protection = t("Close Blacklight");
    w.Fields({{t("Panel Type:"), choice(CommChoices::PanelType(), p.panelType, t)},
              {t("Start Screen Number:"), QString::number(p.startScreenNumber)},
              {t("Log Screen Number:"),
               p.logScreenEnabled ? QString::number(p.logScreenNumber) : disable},
              {t("Log Timer:"), p.logScreenEnabled ? t("%1 s").arg(p.logTimer) : QString()},
              {t("Screen Protected Time:"),
               choice(CommChoices::ScreenProtectTime(), p.screenProtectTime, t)},
              {t("Screen Protection:"), protection},
              {t("Function Key Beep"), p.functionKeyBeep ? enable : disable},
              {t("DWORD Exchange"), p.dwordExchange ? enable : disable}});
}

void CProjectReport::communication(CReportPageWriter& w) const
{
    const CReportTexts& t = texts_;
    const CDeviceInfo& d = app_.model.Devices();
    using namespace CommChoices;
    w.Fields({{t("PLC:"), app_.model.info.plcType},
              {t("Baud Rate:"), choice(BaudRate(), d.baudRate, t)},
              {t("Parity:"), choice(Parity(), d.parity, t)},
              {t("Stop Bits:"), choice(StopBits(), d.stopBits, t)},
              {t("Transmit:"), choice(Transmit(), d.transmit, t)},
              {t("Select RS485:"), choice(YesNo(), d.selectRs485, t)},
              {t("Require CTS:"), choice(YesNo(), d.requireCts, t)},
              {t("Control RTS:"), choice(YesNo(), d.controlRts, t)},
              {t("Checksum Type:"), choice(ChecksumType(), d.checksumType, t)},
              {t("Register Per Msg:"), choice(RegistersPerMessage(), d.registersPerMessage, t)},
              {t("Coil Per Msg:"), choice(CoilsPerMessage(), d.coilsPerMessage, t)},
              {t("Link Selector:"), choice(LinkSelector(), d.linkSelector, t)},
              {t("Wiring:"), choice(Wiring(), d.wiring, t)},
              {t("Byte Order:"), choice(ByteOrder(), d.byteOrder, t)},
              {t("Word Order:"), choice(WordOrder(), d.wordOrder, t)},
              {t("Character Order:"), choice(CharacterOrder(), d.characterOrder, t)},
              {t("Transmission:"), choice(Transmission(), d.transmission, t)},
              {t("Protocol Type:"), choice(ProtocolStyle(), d.protocolStyle, t)},
              {t("ENQ:"), choice(YesNo(), d.enq, t)},
              {t("Timeout:"), t("%1 x 100 ms").arg(d.timeout)},
              {t("Poll Time:"), t("%1 ms").arg(d.pollTime)},
              {t("Max Station Number:"), QString::number(d.maxStationNumber)},
              {t("Panel Number:"), QString::number(d.panelNumber)}});
    w.SubHeading(t("Devices"));
    QList<QStringList> rows;
    for (const CSingleDeviceInfo& dev : d.devices)
        rows.append({dev.name, QString::number(dev.bytes[CSingleDeviceInfo::StationByte]),
                     choice(BaudRate(), ShownBaudCode(dev.Word(CSingleDeviceInfo::BaudWord)), t),
                     choice(Parity(), dev.bytes[CSingleDeviceInfo::ParityByte], t),
                     choice(YesNo(), dev.bytes[CSingleDeviceInfo::SelectRs485Byte], t),
                     t("%1 x 100 ms").arg(dev.Word(CSingleDeviceInfo::TimeoutWord)),
                     t("%1 ms").arg(dev.Word(CSingleDeviceInfo::PollTimeWord))});
    w.Table({{t("Name"), 1.2},
             {t("Station"), 0.8},
             {t("Baud Rate"), 1},
             {t("Parity"), 0.8},
             {t("RS485"), 0.7},
             {t("Timeout"), 1.1},
             {t("Poll Time"), 1}},
            rows);
}

void CProjectReport::plcAndPanel(CReportPageWriter& w) const
{
    const CReportTexts& t = texts_;
    const CPLCAndPanelAlternation& a = app_.model.plcAndPanel;
    const QString yes = t("Enable"), no = t("Disable");
    w.SubHeading(t("Panel to PLC"));
    w.Fields({{t("Start Address(Word):"), a.panelToPlc.ToText()},
              {t("Current Screen Number:"), a.panelToPlcEnabled ? yes : no}});
    w.SubHeading(t("PLC to Panel"));
    RegisterRef beep = a.plcToPanel;
    beep.address += 1;
    w.Fields({{t("Start Address(Word):"), a.plcToPanel.ToText()},
              {t("Switch to Screen Number:"), a.plcToPanelEnabled ? yes : no},
              {t("Beep Control:"), (a.beepControlEnabled ? yes : no) + QStringLiteral("  (")
                                       + beep.ToText() + QLatin1Char(')')}});
}

void CProjectReport::alarms(CReportPageWriter& w) const
{
    const CReportTexts& t = texts_;
    const auto& items = app_.model.alarms.items;
    if (items.empty()) {
        w.Paragraph(t("The project has no alarms."));
        return;
    }
    QList<QStringList> rows;
    int n = 0;
    for (const CAlarmObject& a : items)
        rows.append({QString::number(++n), a.coil.ToText(), a.message});
    w.Table({{t("No."), 0.5}, {t("Coil Number"), 1.5}, {t("Alarm Message"), 4}}, rows);
}

void CProjectReport::screen(CReportPageWriter& w, const Screen& s) const
{
    const CReportTexts& t = texts_;
    w.Paragraph(t("Previous screen: %1    Next screen: %2").arg(s.previous).arg(s.next));
    const int scale = std::clamp(int(w.Width() * 0.6 / 192), 1, 16);
    const CReportScreenPictures* pictures = pictures_.get();
    const int number = s.number;
    w.Picture(QSize(192 * scale, 64 * scale),
              [pictures, number, scale] { return pictures->Picture(number, scale); });
    w.SubHeading(t("Objects"));
    if (!s.readable)
        w.Paragraph(t("The screen file cannot be read."));
    else if (s.objects.isEmpty())
        w.Paragraph(t("The screen has no objects."));
    else
        w.Table({{t("Kind"), 1.15},
                 {t("Name"), 1.3},
                 {t("Position"), 1.15},
                 {t("Register"), 1.35},
                 {t("Format"), 1.6},
                 {t("Range"), 1.45}},
                s.objects);
    w.SubHeading(t("Function Keys"));
    w.Table({{t("Key"), 0.5},
             {t("Function"), 1.3},
             {t("Action"), 2.6},
             {t("Password"), 0.9},
             {t("Description"), 1.6}},
            s.keys);
}

void CProjectReport::crossReference(CReportPageWriter& w) const
{
    const CReportTexts& t = texts_;
    w.SubHeading(t("Findings"));
    if (findings_.isEmpty()) {
        w.Paragraph(t("Nothing to look at before a download."));
    } else {
        static const char* const meanings[][2] = {
            {"overlap", "a use covers part of another use's words"},
            {"range", "a register or coil outside its area's ranges"},
            {"device", "a reference to a device that does not exist"},
            {"unreached", "a screen that nothing reaches"},
            {"plc-only", "a screen that only the PLC can switch to"},
            {"unused-bitmap", "a project bitmap that no object uses"}};
        QList<QStringList> rows;
        for (const auto& [code, meaning] : meanings)
            if (const int n = findings_.value(QString::fromLatin1(code)))
                rows.append({CrossReferenceTable::FindingWord(
                                 [&t](const QString& english) { return t.Text(english); },
                                 QString::fromLatin1(code)),
                             QString::number(n), t(meaning)});
        w.Table({{t("Finding"), 1.2}, {t("Count"), 0.6}, {t("Meaning"), 4}}, rows);
    }
    w.SubHeading(t("Uses"));
    if (xrefRows_.empty()) {
        w.Paragraph(t("The project uses no register or coil."));
        return;
    }
    QList<QStringList> rows;
    rows.reserve(qsizetype(xrefRows_.size()));
    for (const CrossReferenceRow& r : xrefRows_)
        rows.append({r.device, r.area, r.address, r.use, r.place, r.finding});
    w.Table({{t("Device"), 0.9},
             {t("Area"), 0.5},
             {t("Address"), 0.8},
             {t("Use"), 1},
             {t("Place"), 3},
             {t("Finding"), 1}},
            rows);
}
