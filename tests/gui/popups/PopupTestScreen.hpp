#ifndef TESTS_GUI_POPUPS_POPUPTESTSCREEN_HPP
#define TESTS_GUI_POPUPS_POPUPTESTSCREEN_HPP

#include "gui/common/ModelPresenter.hpp"
#include "gui/popups/IPopupFactory.hpp"
#include "gui/popups/Popup.hpp"
#include "gui/popups/PopupContainer.hpp"
#include "gui/popups/PopupData.hpp"
#include "gui/popups/PopupId.hpp"
#include "gui/popups/PopupSystem.hpp"

#include <quillon/View.hpp>
#include <quillon/widgets/Box.hpp>

#include <cstdint>

namespace popuptest
{
constexpr quillon::Color BACKGROUND = 0x1234;
constexpr quillon::Color BUTTON_COLOR = 0x07E0;
const quillon::Rectangle BUTTON_AREA(100, 100, 120, 60);

// A small popup filled with its own colour, counting its binds and updates.
class ColourPopup : public Popup
{
public:
    ColourPopup(uint16_t id, quillon::Color colour) : Popup(id), face(WIDTH, HEIGHT, colour)
    {
        add(face);
    }
    void bind(PopupData&) override { ++binds; }
    void update(PopupData&) override { ++updates; }

    quillon::Box face;
    int binds = 0;
    int updates = 0;
};

// Two popups: the test-operation one and the fault one.
class TwoPopups : public IPopupFactory
{
public:
    static constexpr quillon::Color TEST_OPERATION_COLOR = 0xF800;
    static constexpr quillon::Color FAULT_COLOR = 0x001F;

    Popup* getPopup(uint16_t id) override
    {
        switch (id) {
        case POPUP_TEST_OPERATION:
            return &testOperation;
        case POPUP_FAULT:
            return &fault;
        default:
            return nullptr;
        }
    }

    ColourPopup testOperation{POPUP_TEST_OPERATION, TEST_OPERATION_COLOR};
    ColourPopup fault{POPUP_FAULT, FAULT_COLOR};
};

class ClickCounter : public quillon::Box
{
public:
    ClickCounter() { setTouchable(true); }
    void onClick(const quillon::ClickEvent& event) override
    {
        if (event.getType() == quillon::ClickEvent::PRESSED) {
            ++clicks;
        }
    }
    int clicks = 0;
};

class PopupTestPresenter : public ModelPresenter
{
public:
    explicit PopupTestPresenter(quillon::Screen&) {}
};

// A screen with one button and the popup container over it, as a view lays it out.
class PopupTestView : public quillon::View<PopupTestPresenter>
{
public:
    // The bed builds views without arguments: the test names the system first.
    static PopupSystem* system;

    PopupTestView() : container(*system) {}

    void setUp() override
    {
        background.setPosition(0, 0, 800, 480);
        background.setColor(BACKGROUND);
        add(background);
        button.setPosition(BUTTON_AREA.x, BUTTON_AREA.y, BUTTON_AREA.width, BUTTON_AREA.height);
        button.setColor(BUTTON_COLOR);
        add(button);
        container.setPosition(0, 0, 800, 480);
        add(container);
        container.update();
    }

    quillon::Box background;
    ClickCounter button;
    PopupContainer container;
};
} // namespace popuptest

#endif
