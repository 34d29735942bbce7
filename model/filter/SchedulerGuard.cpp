#include "model/filter/SchedulerGuard.hpp"

#include <rtos/Task.hpp>

namespace model
{
SchedulerGuard::SchedulerGuard() : suspended(rtosGetSchedulerState() != SCHEDULER_NOT_STARTED)
{
    if (suspended) {
        rtosSuspendAll();
    }
}

SchedulerGuard::~SchedulerGuard()
{
    if (suspended) {
        rtosResumeAll();
    }
}
} // namespace model
