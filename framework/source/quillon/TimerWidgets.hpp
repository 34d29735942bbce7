#ifndef QUILLON_SOURCE_TIMERWIDGETS_HPP
#define QUILLON_SOURCE_TIMERWIDGETS_HPP

#include <quillon/Application.hpp>

namespace quillon
{
// Widgets ask for ticks through these; without an application (a bare widget test) they get none.
inline void registerTimerWidget(Drawable* drawable)
{
    Application* application = Application::getInstance();
    if (application != nullptr) {
        application->addTimerWidget(drawable);
    }
}

inline void unregisterTimerWidget(Drawable* drawable)
{
    Application* application = Application::getInstance();
    if (application != nullptr) {
        application->removeTimerWidget(drawable);
    }
}
} // namespace quillon

#endif
