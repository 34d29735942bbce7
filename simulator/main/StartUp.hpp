#ifndef SIMULATOR_MAIN_STARTUP_HPP
#define SIMULATOR_MAIN_STARTUP_HPP

#include <rtos/Task.hpp>

// Brings the system up in its fixed order, up to the point where the scheduler takes over:
// board, device simulator link, data-point table and its poll timer, device link, data
// model, then the GUI task or, when the test station asked for it, the production test.
void simulatorStartUp();

// The GUI task: priority 2, 4096 words of stack.
constexpr std::uint32_t GUI_TASK_PRIORITY = 2;
constexpr std::uint16_t GUI_TASK_STACK_WORDS = 4096;
constexpr std::uint16_t DISPLAY_WIDTH = 800;
constexpr std::uint16_t DISPLAY_HEIGHT = 480;

extern rtosTaskHandle guiTaskHandle;

std::int32_t createGuiTask();
// Builds the display stack and runs the host's event loop for good; returns only when the
// window cannot be opened.
void guiTask(void* parameter);

#endif
