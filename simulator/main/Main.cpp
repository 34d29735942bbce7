#include "simulator/main/StartUp.hpp"

#include <rtos/Task.hpp>

// Reads no command line, environment or file. From the scheduler on the process lives in
// its tasks and ends only when it is ended from outside.
int main()
{
    simulatorStartUp();
    rtosStartScheduler();
    return 0; // the scheduler could not start
}
