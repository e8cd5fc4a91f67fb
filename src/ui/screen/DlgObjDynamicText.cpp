#include "DlgObjDynamicText.h"
#include "FontSpecText.h"
#include "PropertyFormDialog.h"
#include "ui/widgets/RegisterField.h"
#include "ui_DlgObjDynamicText.h"

#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "screen/ObjectDynamicText.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ProjectMessages.h"

#include <QFontDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>

namespace {

// Enter in the grid ends the cell's edit; it does not press the form's OK.
class CGridReturnKeeper : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

const QString kRowRefused = QStringLiteral("Error OBJ-004: Row %d is invalid, please reinput it");
}

CDlgObjDynamicText::CDlgObjDynamicText(CObjectDynamicText& object)
    : CObjectPropertyForm(object),
      text_(object),
      ui_(std::make_unique<Ui::CDlgObjDynamicText>())
{}

CDlgObjDynamicText::~CDlgObjDynamicText() = default;

void CDlgObjDynamicText::Build(CPropertyFormDialog& dialog)
{
    ui_->setupUi(&dialog);
    SetUpDialog(dialog, *ui_->buttonBox, IDD_DLG_OBJ_DYNAMICTEXT);
    BindRegisterField(*ui_->fieldRegister, RegisterRef::KindWord);
    ui_->tableTexts->setAccessibleName(dialog.windowTitle());

    QTableWidget* table = ui_->tableTexts;
    if (CProjectController* c = Controller()) {
        const CAppSettings& settings = c->App().settings;
        for (int column = 0; column < 2; ++column)
            if (QTableWidgetItem* header = table->horizontalHeaderItem(column))
                header->setText(settings.LookupText(IDD_DLG_OBJ_DYNAMICTEXT, header->text()));
    }
    table->setRowCount(kValueCount);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    table->installEventFilter(new CGridReturnKeeper(table));
    for (int value = 0; value < kValueCount; ++value) {
        auto* cell = new QTableWidgetItem(QString::number(value));
        cell->setFlags(Qt::ItemIsEnabled);
        table->setItem(value, 0, cell);
        table->setItem(value, 1, new QTableWidgetItem);
    }
    QObject::connect(ui_->buttonFont, &QPushButton::clicked, &dialog, [this] { PickFont(); });
}

void CDlgObjDynamicText::Load()
{
    LoadName(*ui_->editName, text_);
    ui_->fieldRegister->SetRef(text_.reg);
    (text_.model == 0 ? ui_->radioDec : ui_->radioHex)->setChecked(true);
    ui_->checkInversion->setChecked(text_.inversion != 0);
    SetFont(text_.font);
    for (int value = 0; value < kValueCount; ++value)
        ui_->tableTexts->item(value, 1)->setText(value < text_.texts.size() ? text_.texts[value]
                                                                            : QString());
}

QString CDlgObjDynamicText::Content(int value) const
{
    const QTableWidgetItem* cell = ui_->tableTexts->item(value, 1);
    return cell ? cell->text() : QString();
}

bool CDlgObjDynamicText::Check()
{
    int firstEmpty = -1;
    for (int value = 0; value < kValueCount; ++value) {
        const bool empty = Content(value).isEmpty();
        if (empty && firstEmpty < 0) {
            firstEmpty = value;
        } else if (!empty && firstEmpty >= 0) {
            // The grid's rows count from 1 at value 0.
            if (CProjectController* c = Controller()) {
                QString text = ProjectMessages::Text(*c, kRowRefused);
                if (text.isEmpty())
                    text = kRowRefused;
                text.replace(QLatin1String("%d"), QString::number(firstEmpty + 1));
                QString caption = ProjectMessages::Text(*c, QStringLiteral("Error"));
                c->Messages().ShowError(text,
                                        caption.isEmpty() ? QStringLiteral("Error") : caption);
            }
            ui_->tableTexts->setFocus(Qt::OtherFocusReason);
            ui_->tableTexts->setCurrentCell(firstEmpty, 1);
            return false;
        }
    }
    return true;
}

void CDlgObjDynamicText::Store()
{
    StoreName(*ui_->editName, text_);
    text_.reg = ui_->fieldRegister->Ref();
    text_.model = ui_->radioHex->isChecked() ? 1 : 0;
    text_.inversion = ui_->checkInversion->isChecked() ? 1 : 0;
    text_.font = font_;
    // A grid filled to its last row keeps all its texts.
    QStringList texts;
    for (int value = 0; value < kValueCount; ++value) {
        const QString content = Content(value);
        if (content.isEmpty())
            break;
        texts.append(content);
    }
    text_.texts = texts;
}

QWidget* CDlgObjDynamicText::FirstField() const
{
    return ui_->tableTexts;
}

void CDlgObjDynamicText::SetFont(const FontSpec& font)
{
    font_ = font;
    ui_->labelFontShown->setText(FontSpecText::Describe(font_));
}

void CDlgObjDynamicText::PickFont()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, FontSpecText::ToQFont(font_), Dialog());
    if (ok)
        SetFont(FontSpecText::FromQFont(chosen, font_));
}
