#pragma once
#include "app/TessanApp.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class CDiagramEntity;

// A program folder of its own for a benchmark: the language files and the
// default arrow bitmap beside it, and a new project of the RU03 panel and
// the V-Sequence PLC.
class CBenchProject
{
public:
    explicit CBenchProject(const QString& name = QStringLiteral("stress"));
    CTessanApp& App() { return *app_; }

    // Writes screen `number`'s file with 100 objects: kinds 0 and 1 (texts)
    // for a third of them, the other six kinds for the rest, spread over the
    // display; `adjust` may change each object (with its index) first.
    void WriteStressScreen(int number,
                           const std::function<void(CDiagramEntity&, int)>& adjust = {});
    // Screens 1 to `count`, each with a shown F1 description and the stress
    // screen's 100 objects.
    void AddStressScreens(int count);
    // One compilation; the runtime image, empty when it failed.
    QByteArray Compile();

private:
    QTemporaryDir dir_;
    std::unique_ptr<CTessanApp> app_;
};
