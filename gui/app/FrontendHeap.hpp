#ifndef GUI_APP_FRONTENDHEAP_HPP
#define GUI_APP_FRONTENDHEAP_HPP

#include "gui/app/FrontendApplication.hpp"

#include <quillon/MVPHeap.hpp>
#include <quillon/NoTransition.hpp>
#include <quillon/common/Meta.hpp>
#include <quillon/common/Partition.hpp>

#include <stddef.h>
#include <stdint.h>

// One slot each for the current screen's presenter, view and transition. The heap knows no
// screen, so that whoever holds it compiles none: the slots are sized in bytes here, and the
// page switch, which expands the screen table, checks them against the largest view and
// presenter of the table.
class FrontendHeap : public quillon::MVPHeap
{
public:
    // The largest view and presenter of the screen table, and their strictest alignment.
    static constexpr uint32_t VIEW_BYTES = 49408;
    static constexpr uint32_t PRESENTER_BYTES = 720;
    static constexpr size_t SLOT_ALIGNMENT = 8;
    // A slot may be this much larger than the largest of its kind, no more: it follows the
    // table when a large screen shrinks.
    static constexpr uint32_t SLOT_SLACK = 256;

    template <uint32_t BYTES>
    struct Slot
    {
        alignas(SLOT_ALIGNMENT) uint8_t bytes[BYTES];
    };
    typedef quillon::meta::TypeList<Slot<PRESENTER_BYTES>, quillon::meta::Nil> Presenters;
    typedef quillon::meta::TypeList<Slot<VIEW_BYTES>, quillon::meta::Nil> Views;
    typedef quillon::meta::TypeList<quillon::NoTransition, quillon::meta::Nil> Transitions;

    // The one heap of the GUI task, built on first use; it then goes to the start page.
    static FrontendHeap& getInstance();

    // Builds the application with the model and sends it to the start-up page.
    explicit FrontendHeap(model::DataModelManager& model);
    ~FrontendHeap() override {}

    FrontendApplication& getApplication() { return app; }

    // A screen fits when its classes are no larger and no more aligned than the slot.
    template <class V>
    static constexpr bool fitsView()
    {
        return sizeof(V) <= VIEW_BYTES && alignof(V) <= SLOT_ALIGNMENT;
    }
    template <class P>
    static constexpr bool fitsPresenter()
    {
        return sizeof(P) <= PRESENTER_BYTES && alignof(P) <= SLOT_ALIGNMENT;
    }

private:
    quillon::Partition<Presenters, 1> presenters;
    quillon::Partition<Views, 1> views;
    quillon::Partition<Transitions, 1> transitions;
    FrontendApplication app;
};

#endif
