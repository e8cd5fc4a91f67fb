#pragma once
#include "ObjectKind.h"

#include <QPoint>
#include <functional>
#include <memory>

class CDiagramEntity;
class QObject;

// The property form of one object, as the editor builds it. The object owns
// its form; the core never sees a widget.
class IObjectPropertyForm
{
public:
    virtual ~IObjectPropertyForm() = default;
    virtual void Show(QObject* parent) = 0;
    virtual void Hide() = 0;
    virtual bool IsShown() const = 0;
    // Fills the form's fields from the object.
    virtual void LoadFromObject() = 0;
    virtual void Focus() = 0;
};

// What the editor registers so that objects can open their forms and menus.
// Without registrations (qv-cli, the compiler, the tests) both do nothing.
struct ObjectUiHooks
{
    using FormFactory = std::function<std::unique_ptr<IObjectPropertyForm>(CDiagramEntity&)>;
    using ContextMenu = std::function<void(CDiagramEntity&, QPoint, QObject* parent)>;

    FormFactory formFactories[kObjectKindCount];
    ContextMenu contextMenu;

    static ObjectUiHooks& Instance();
};
