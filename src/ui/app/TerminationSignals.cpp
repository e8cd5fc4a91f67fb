#include "TerminationSignals.h"

#include "base/platform/EndRequests.h"

CTerminationSignals::CTerminationSignals(QObject* parent)
    : QObject(parent),
      watcher_(std::make_unique<platform::EndRequestWatcher>([this](int number) {
          // On the watcher's thread: the signal goes out on this object's own.
          QMetaObject::invokeMethod(
              this, [this, number] { emit terminationRequested(number); }, Qt::QueuedConnection);
      }))
{}

CTerminationSignals::~CTerminationSignals() = default;

bool CTerminationSignals::IsActive() const
{
    return watcher_->IsActive();
}
