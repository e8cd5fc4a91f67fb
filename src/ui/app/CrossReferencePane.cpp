#include "CrossReferencePane.h"
#include "CrossReferenceModel.h"
#include "app/ProjectScreenObjects.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "project/RegisterRefText.h"
#include "project/ScreenObject.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/widgets/DialogTexts.h"
#include "ui/widgets/UiText.h"
#include "ui_CrossReferencePane.h"

#include <QHeaderView>
#include <QSet>

namespace {

// A row's register as the filter reads it: "DEV001.R.2000", a device alone
// for an Advanced key, nothing for a screen or a bitmap.
QString RegisterText(const CrossReferenceRow& row)
{
    if (row.area.isEmpty())
        return row.device;
    return row.device + QLatin1Char('.') + row.area + QLatin1Char('.') + row.address;
}

} // namespace

CCrossReferencePane::CCrossReferencePane(CProjectController& controller, QWidget* parent)
    : QWidget(parent),
      controller_(controller),
      ui_(std::make_unique<Ui::CCrossReferencePane>()),
      model_(new CCrossReferenceModel(this))
{
    ui_->setupUi(this);
    const CAppSettings& s = controller.App().settings;
    DialogTexts::Apply(this, s, IDD_DLG_CROSS_REFERENCE);
    setWindowTitle(UiText(s, IDD_DLG_CROSS_REFERENCE, QStringLiteral("Cross Reference")));
    words_ = [&s](const QString& english) { return UiText(s, IDD_DLG_CROSS_REFERENCE, english); };
    model_->SetWording(words_);
    auto text = [this](const char* english) { return words_(QString::fromLatin1(english)); };
    ui_->table->setAccessibleName(text("Uses"));
    // The tips by the finding as the rows word it.
    const auto finding = [this](const QString& code) {
        return CrossReferenceTable::FindingWord(words_, code);
    };
    model_->SetTexts(
        {text("Device"), text("Area"), text("Address"), text("Use"), text("Place"),
         text("Finding")},
        {{finding(FindingCode::kOverlap), text("Takes part of the words of another use")},
         {finding(FindingCode::kRange), text("Outside the ranges of its area")},
         {finding(FindingCode::kDevice), text("Names a device that does not exist")},
         {finding(FindingCode::kUnreached), text("Nothing reaches this screen")},
         {finding(FindingCode::kPlcOnly), text("Only the PLC can switch to this screen")},
         {finding(FindingCode::kUnusedBitmap), text("No object shows this bitmap")}});
    ui_->table->setModel(model_);
    ui_->table->verticalHeader()->hide();
    ui_->table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    ui_->table->horizontalHeader()->setStretchLastSection(true);
    // Short columns for the register, room for the place.
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int widths[] = {9, 5, 8, 12, 40};
    for (int column = 0; column < 5; ++column)
        ui_->table->setColumnWidth(column, widths[column] * digit + 12);

    connect(ui_->filter, &QLineEdit::textChanged, this, &CCrossReferencePane::applyFilter);
    connect(ui_->table, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { ActivateRow(index.row()); });

    // Everything a use or a finding comes from.
    for (auto signal :
         {&CProjectController::projectOpened, &CProjectController::projectClosed,
          &CProjectController::screenListChanged, &CProjectController::panelManagerChanged,
          &CProjectController::plcAndPanelChanged, &CProjectController::alarmsChanged,
          &CProjectController::bitmapLibraryChanged})
        connect(&controller, signal, this, &CCrossReferencePane::scheduleRebuild);
    // Another project may reuse the working folder's file names.
    for (auto signal : {&CProjectController::projectOpened, &CProjectController::projectClosed})
        connect(&controller, signal, this, [this] { files_.Clear(); });
    connect(&controller, &CProjectController::screenOptionsChanged, this,
            &CCrossReferencePane::scheduleRebuild);
    connect(&controller, &CProjectController::screenDeleted, this,
            &CCrossReferencePane::scheduleRebuild);
    connect(&controller, &CProjectController::screenRenumbered, this,
            &CCrossReferencePane::scheduleRebuild);
    connect(&controller, &CProjectController::screenDocumentCreated, this,
            [this](int, CScreenDocument* document) { followDocument(document); });
    showSummary();
}

CCrossReferencePane::~CCrossReferencePane() = default;

QLineEdit* CCrossReferencePane::Filter() const
{
    return ui_->filter;
}

QTableView* CCrossReferencePane::Table() const
{
    return ui_->table;
}

void CCrossReferencePane::followDocument(CScreenDocument* document)
{
    connect(document, &CScreenDocument::changed, this, &CCrossReferencePane::documentChanged,
            Qt::UniqueConnection);
    scheduleRebuild();
}

void CCrossReferencePane::documentChanged()
{
    const auto* document = qobject_cast<const CScreenDocument*>(sender());
    int number = 0;
    if (controller_.HasProject())
        for (const auto& screen : controller_.App().model.screens)
            if (document && controller_.LoadedScreenDocument(screen->number) == document)
                number = screen->number;
    if (number == 0)
        stale_ = true; // a document the project no longer has: build it all
    else
        editedScreens_.insert(number);
    scheduleRefresh();
}

void CCrossReferencePane::scheduleRebuild()
{
    stale_ = true;
    scheduleRefresh();
}

void CCrossReferencePane::scheduleRefresh()
{
    if (scheduled_ || !isVisible())
        return;
    scheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            scheduled_ = false;
            if (isVisible())
                Refresh();
        },
        Qt::QueuedConnection);
}

void CCrossReferencePane::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (stale_ || !editedScreens_.isEmpty())
        scheduleRefresh();
}

CProjectScreenObjects CCrossReferencePane::screenObjects()
{
    const CProjectController& c = controller_;
    return CProjectScreenObjects(
        c.App(),
        [&c](int number) -> const CDiagramEntityContainer* {
            const CScreenDocument* doc = c.LoadedScreenDocument(number);
            return doc ? &doc->Container() : nullptr;
        },
        &files_);
}

void CCrossReferencePane::Refresh()
{
    if (stale_ || !controller_.HasProject()) {
        Rebuild();
        return;
    }
    if (editedScreens_.isEmpty())
        return;
    const CProjectController& c = controller_;
    const CProjectScreenObjects screens = screenObjects();
    for (int number : std::as_const(editedScreens_))
        if (!xref_.UpdateScreen(c.App().model, screens, number)) {
            Rebuild();
            return;
        }
    editedScreens_.clear();
    model_->Update(xref_);
    showSummary();
}

void CCrossReferencePane::Rebuild()
{
    stale_ = false;
    editedScreens_.clear();
    xref_ = CCrossReference();
    if (controller_.HasProject()) {
        const CProjectController& c = controller_;
        xref_.Build(c.App().model, screenObjects());
        // A document opened before the pane was made is followed from now on.
        for (const auto& screen : c.App().model.screens)
            if (CScreenDocument* doc = c.LoadedScreenDocument(screen->number))
                connect(doc, &CScreenDocument::changed, this, &CCrossReferencePane::documentChanged,
                        Qt::UniqueConnection);
    }
    model_->Update(xref_);
    showSummary();
}

void CCrossReferencePane::FindUses(const RegisterRef& ref)
{
    Refresh();
    ui_->filter->setText(ref.ToText());
    applyFilter();
}

void CCrossReferencePane::applyFilter()
{
    const QString text = ui_->filter->text().trimmed();
    if (text.isEmpty()) {
        model_->SetFilter({});
    } else {
        std::optional<RegisterRef> ref;
        if (controller_.HasProject()) {
            const CProjectModel& model = controller_.App().model;
            ref = RegisterRefText::Parse(model, text, RegisterRef::KindWord);
            if (!ref)
                ref = RegisterRefText::Parse(model, text, RegisterRef::KindBit);
        }
        if (ref) {
            // A whole reference: the uses whose words take it in (of the
            // cross-reference as it stands when the rows are filtered).
            model_->SetFilter([this, want = *ref](const CrossReferenceRow& row) {
                return row.useIndex >= 0
                       && CCrossReference::Takes(xref_.Uses()[size_t(row.useIndex)], want);
            });
        } else {
            model_->SetFilter([text](const CrossReferenceRow& row) {
                return RegisterText(row).contains(text, Qt::CaseInsensitive)
                       || row.place.contains(text, Qt::CaseInsensitive);
            });
        }
    }
    showSummary();
}

void CCrossReferencePane::showSummary()
{
    const CAppSettings& s = controller_.App().settings;
    ui_->summary->setText(
        UiText(s, IDD_DLG_CROSS_REFERENCE, QStringLiteral("%1 of %2 rows, %3 findings"))
            .arg(model_->rowCount())
            .arg(model_->AllRows())
            .arg(xref_.Findings().size()));
}

void CCrossReferencePane::ActivateRow(int shownRow)
{
    if (shownRow < 0 || shownRow >= model_->rowCount())
        return;
    const CrossReferenceRow& row = model_->Row(shownRow);
    if (row.useIndex < 0) {
        const CrossReferenceFinding& finding = xref_.Findings()[size_t(row.findingIndex)];
        if (finding.screenNumber > 0)
            emit screenRequested(finding.screenNumber);
        return;
    }
    const CrossReferenceUse& use = xref_.Uses()[size_t(row.useIndex)];
    switch (use.kind) {
    case UseKind::Object: emit objectRequested(use.screenNumber, use.objectIndex); break;
    case UseKind::Key:
    case UseKind::Advanced: emit keyRequested(use.screenNumber, use.keyIndex); break;
    case UseKind::Alarm: emit alarmsRequested(); break;
    case UseKind::PlcToPanel:
    case UseKind::PanelToPlc: emit plcAndPanelRequested(); break;
    }
}
