#pragma once
// Drives the modal dialogs that a command opens with exec(): each step is
// offered the active modal dialog until it says it has dealt with it, so a
// test runs the real command flow without ever waiting on a person.
#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>

class CModalDriver : public QObject
{
public:
    // A step returns true once it has done its part with the dialog.
    using Step = std::function<bool(QWidget*)>;

    CModalDriver()
    {
        // A timer does not fire again inside its own slot, so each tick
        // posts the step: a step that opens a dialog of its own (whose exec
        // runs a nested loop) leaves the next step to drive that one.
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (!pending_ && !steps.isEmpty()) {
                pending_ = true;
                QMetaObject::invokeMethod(
                    this, [this] { runStep(); }, Qt::QueuedConnection);
            }
        });
        timer_.start(5);
    }
    // A step for the first dialog of class T that shows.
    template <class T>
    void On(std::function<bool(T*)> step)
    {
        steps.append([step](QWidget* w) {
            T* dialog = qobject_cast<T*>(w);
            return dialog && step(dialog);
        });
    }
    QList<Step> steps;

private:
    void runStep()
    {
        pending_ = false;
        QWidget* w = QApplication::activeModalWidget();
        if (!w || steps.isEmpty())
            return;
        Step step = steps.takeFirst();
        if (!step(w))
            steps.prepend(step);
    }
    QTimer timer_;
    bool pending_ = false;
};
