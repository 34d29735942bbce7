#ifndef MODEL_FILTER_SCHEDULERGUARD_HPP
#define MODEL_FILTER_SCHEDULERGUARD_HPP

namespace model
{
// Keeps other tasks from running for the guard's lifetime (the kernel's scheduler
// suspension, which nests). Before the scheduler starts there is only one thread of
// control, and the guard does nothing: filters are filled by static constructors.
class SchedulerGuard
{
public:
    SchedulerGuard();
    ~SchedulerGuard();
    SchedulerGuard(const SchedulerGuard&) = delete;
    SchedulerGuard& operator=(const SchedulerGuard&) = delete;

private:
    bool suspended;
};
} // namespace model

#endif
