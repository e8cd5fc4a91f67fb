#pragma once
#include "screen/ObjectUiHooks.h"

class CDiagramEntity;

// The property form of a kind whose own form is not built yet: showing it
// accepts at once (the object keeps its properties and loses its new mark).
class CStandInPropertyForm : public IObjectPropertyForm
{
public:
    explicit CStandInPropertyForm(CDiagramEntity& object) : object_(object) {}
    void Show(QObject* parent) override;
    void Hide() override {}
    bool IsShown() const override { return false; }
    void LoadFromObject() override {}
    void Focus() override {}

    // Registers the stand-in for every kind that has no form of its own.
    static void RegisterWhereMissing();

private:
    CDiagramEntity& object_;
};
