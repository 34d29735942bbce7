#ifndef GUI_APP_FRONTENDHEAP_HPP
#define GUI_APP_FRONTENDHEAP_HPP

#include "gui/app/FrontendApplication.hpp"
#include "gui/app/InterimPresenter.hpp"
#include "gui/app/InterimView.hpp"
#include "gui/screens/favourites/FavouritesManagePresenter.hpp"
#include "gui/screens/favourites/FavouritesManageView.hpp"
#include "gui/screens/heating/HeatingCurvePresenter.hpp"
#include "gui/screens/heating/HeatingCurveView.hpp"
#include "gui/screens/heating/HeatingHolidayProgramPresenter.hpp"
#include "gui/screens/heating/HeatingHolidayProgramView.hpp"
#include "gui/screens/heating/HeatingOperatingProgramPresenter.hpp"
#include "gui/screens/heating/HeatingOperatingProgramView.hpp"
#include "gui/screens/contact/ContactDataShowPresenter.hpp"
#include "gui/screens/contact/ContactDataShowView.hpp"

#include <quillon/MVPHeap.hpp>
#include <quillon/NoTransition.hpp>
#include <quillon/common/Meta.hpp>
#include <quillon/common/Partition.hpp>

// One slot each for the current screen's presenter, view and transition, as large as the
// largest of their kind; a screen's classes join the type lists when it is built.
class FrontendHeap : public quillon::MVPHeap
{
    template <class... T>
    struct TypesOf
    {
        typedef quillon::meta::Nil type;
    };
    template <class Head, class... Tail>
    struct TypesOf<Head, Tail...>
    {
        typedef quillon::meta::TypeList<Head, typename TypesOf<Tail...>::type> type;
    };

public:
    // One line per built screen's class (above the interim one, which stays last).
    typedef TypesOf<
        FavouritesManagePresenter,
        HeatingCurvePresenter,
        HeatingHolidayProgramPresenter,
        HeatingOperatingProgramPresenter,
        ContactDataShowPresenter,
        InterimPresenter>::type Presenters;
    typedef TypesOf<
        FavouritesManageView,
        HeatingCurveView,
        HeatingHolidayProgramView,
        HeatingOperatingProgramView,
        ContactDataShowView,
        InterimView>::type Views;
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
        return sizeof(V) <= quillon::meta::LargestSize<Views>::value &&
               alignof(V) <= quillon::meta::LargestAlignment<Views>::value;
    }
    template <class P>
    static constexpr bool fitsPresenter()
    {
        return sizeof(P) <= quillon::meta::LargestSize<Presenters>::value &&
               alignof(P) <= quillon::meta::LargestAlignment<Presenters>::value;
    }

private:
    quillon::Partition<Presenters, 1> presenters;
    quillon::Partition<Views, 1> views;
    quillon::Partition<Transitions, 1> transitions;
    FrontendApplication app;
};

#endif
