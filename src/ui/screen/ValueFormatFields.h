#pragma once
#include "screen/ObjectKind.h"

class CColorEdit;
class CProjectController;
class QCheckBox;
class QRadioButton;
class QWidget;
struct RegisterValueProperties;

// The widgets of a register value's format and range on a meter or numeric
// form.
struct ValueFormatWidgets
{
    CColorEdit* count = nullptr;
    QCheckBox* isFloat = nullptr;
    QWidget* modelLabel = nullptr;
    QRadioButton* dec = nullptr;
    QRadioButton* hex = nullptr;
    QCheckBox* isSigned = nullptr;
    // Shown only while "Float" is ticked when pointFollowsFloat is set.
    QWidget* pointLabel = nullptr;
    CColorEdit* point = nullptr;
    CColorEdit* minimum = nullptr;
    CColorEdit* maximum = nullptr;

    // The fields of a form whose .ui names them as the meter and numeric
    // forms do.
    template <class Form>
    static ValueFormatWidgets Of(const Form& ui)
    {
        return {ui.editCount,   ui.checkFloat, ui.labelModel, ui.radioDec, ui.radioHex,
                ui.checkSigned, ui.labelPoint, ui.editPoint,  ui.editMin,  ui.editMax};
    }
};

// The format and range fields working together: the range fields follow
// the format the settings give; a change of format rewrites and tests Min
// and Max, and keeps the old format when either fails (OBJ-002, OBJ-003).
class CValueFormatFields
{
public:
    CValueFormatFields(const ValueFormatWidgets& widgets, bool pointFollowsFloat);

    // Hooks the settings' widgets; the controller shows the messages.
    void Connect(QWidget* context, CProjectController* controller);
    // Min and Max show the range pair.
    void Load(const RegisterValueProperties& p);
    // The format check for the settings as they stand: true when the
    // current format is theirs (after a passing change).
    bool ApplySettings();
    void Store(RegisterValueProperties& p) const;

    ValueFormat Current() const { return current_; }
    ValueFormat Selected() const;

private:
    void FloatToggled();
    void ShowForFloat(bool isFloat);

    ValueFormatWidgets w_;
    bool pointFollowsFloat_;
    CProjectController* controller_ = nullptr;
    ValueFormat current_ = VF_UNSIGNED_16;
    bool loading_ = false;
};
