#include "simulator/main/StartUp.hpp"

#include "gui/app/FrontendHeap.hpp"

#include "BitmapDatabase.hpp"

#include <assets/GeneratedTexts.hpp>
#include <platform/driver/lcd/LCD16bpp.hpp>
#include <platform/hal/simulator/sdl/HALSDL.hpp>
#include <platform/hal/simulator/sdl/SDLTouchController.hpp>
#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/Bitmap.hpp>
#include <quillon/LanguageTable.hpp>
#include <quillon/TypedText.hpp>
#include <quillon/hal/NoDMA.hpp>

rtosTaskHandle guiTaskHandle = nullptr;

std::int32_t createGuiTask()
{
    return rtosTaskCreate(guiTask, "GUI", GUI_TASK_STACK_WORDS, nullptr, GUI_TASK_PRIORITY, &guiTaskHandle, nullptr,
                          nullptr);
}

// Everything here lives as long as the task, which never leaves its loop once the window is open.
void guiTask(void*)
{
    quillon::NoDMA dma;
    quillon::LCD16bpp lcd;
    quillon::SDLTouchController touchController;
    quillon::HALSDL hal(dma, lcd, &touchController, DISPLAY_WIDTH, DISPLAY_HEIGHT);
    if (!hal.initSDL(0, nullptr)) {
        guiTaskHandle = nullptr; // the task ends here; the other tasks go on without a display
        return;
    }
    hal.initialize();

    quillon::Bitmap::registerBitmapDatabase(BitmapDatabase::getTable(), BitmapDatabase::getCount(), nullptr, 0);
    // English until the application applies the stored language.
    quillon::LanguageTable languageTable(assets::textDatabase());
    quillon::TypedText::registerLanguageTable(&languageTable);
    quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
    ApplicationFontProvider fontProvider;
    quillon::FontRegistry::setProvider(&fontProvider);

    // The first call builds the application, which goes to the start-up page; the page's
    // screen is built on the first frame, so it reaches the window through the frame loop.
    FrontendHeap::getInstance();
    hal.setListener(quillon::Application::getInstance());

    // ESC or closing the window only makes the loop return.
    for (;;) {
        quillon::HAL::getInstance()->runTaskLoop();
    }
}
