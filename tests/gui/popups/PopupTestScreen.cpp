#include "gui/popups/PopupTestScreen.hpp"

namespace popuptest
{
PopupSystem* PopupTestView::system = nullptr;
} // namespace popuptest
