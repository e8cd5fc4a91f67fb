#pragma once
#include "screen/ObjectUiHooks.h"

#include <QPointer>
#include <QString>

class CColorEdit;
class CDiagramEditor;
class CDiagramEntity;
class CProjectController;
class CPropertyFormDialog;
class CRegisterField;
class QDialogButtonBox;
class QLineEdit;
class QWidget;

// What every property form shares: its window is made hidden on first use
// over the editor, loaded from the object whenever the object asks (showing
// and every change of its rectangle), and destroyed with the object. OK runs
// the form's checks, stores every field (one undo point when anything
// changed) and clears the object's new mark; Cancel on a new object lets the
// editor take it away.
class CObjectPropertyForm : public IObjectPropertyForm
{
public:
    explicit CObjectPropertyForm(CDiagramEntity& object);
    ~CObjectPropertyForm() override;

    void Show(QObject* parent) override;
    void Hide() override;
    bool IsShown() const override;
    void LoadFromObject() override;
    void Focus() override;

    // The window; none before the form was first shown.
    CPropertyFormDialog* Dialog() const;
    // The OK and Cancel buttons' work; false when a check refused.
    bool Accept();
    void Cancel();

protected:
    // Builds the fields into the window (its texts applied).
    virtual void Build(CPropertyFormDialog& dialog) = 0;
    virtual void Load() = 0;
    // The checks in their order; the first failure shows its message, selects
    // its field and returns false.
    virtual bool Check() { return true; }
    virtual void Store() = 0;
    virtual QWidget* FirstField() const = 0;

    CProjectController* Controller() const { return controller_; }
    // What every form does first: OK and Cancel carry the numbers 1 and 2,
    // the texts come from the form's language section, and the buttons
    // accept and reject the dialog.
    void SetUpDialog(CPropertyFormDialog& dialog, QDialogButtonBox& buttons, int section);
    // "..." of a register field opens the register picker over the open
    // project for a reference of `kind` (RegisterRef::KindWord or KindBit).
    void BindRegisterField(CRegisterField& field, int kind);
    static void LoadName(QLineEdit& field, const CDiagramEntity& object);
    static void StoreName(const QLineEdit& field, CDiagramEntity& object);
    // A check that failed: its message under the caption "Error", its field
    // focused with the text selected. Always false.
    bool Refuse(CColorEdit& field, const QString& message) const;
    // "Error OBJ-008 : The value is not within range".
    static QString ValueNotInRange();

    CDiagramEntity& object_;

private:
    QPointer<CDiagramEditor> editor_;
    QPointer<CPropertyFormDialog> dialog_;
    CProjectController* controller_ = nullptr;
};
