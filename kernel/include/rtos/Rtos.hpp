#ifndef RTOS_RTOS_HPP
#define RTOS_RTOS_HPP

// The whole kernel API: tasks and scheduler, lists, queues, semaphores and mutexes,
// software timers, event groups and the port operations.
#include <rtos/Config.hpp>
#include <rtos/EventGroup.hpp>
#include <rtos/List.hpp>
#include <rtos/Mutex.hpp>
#include <rtos/Port.hpp>
#include <rtos/Queue.hpp>
#include <rtos/Task.hpp>
#include <rtos/Timer.hpp>

#endif
