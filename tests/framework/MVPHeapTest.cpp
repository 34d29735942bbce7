#include "framework/SceneTestSupport.hpp"

#include <quillon/MVPHeap.hpp>
#include <quillon/common/Partition.hpp>

using namespace quillon;

namespace
{
struct Presenter { int value; };
struct View { char text[40]; };

typedef Partition<meta::TypeList<Presenter, meta::Nil>, 1> Presenters;
typedef Partition<meta::TypeList<View, meta::Nil>, 1> Views;
typedef Partition<meta::TypeList<char, meta::Nil>, 1> Transitions;

// Like the application's own heap: the base gets references to members built after it.
class Heap : public MVPHeap
{
public:
    Heap() : MVPHeap(presenters, views, transitions, application) {}

    Presenters presenters;
    Views views;
    Transitions transitions;
    scenetest::RecordingApplication application;
};
} // namespace

TEST(MVPHeap, ReachesThePartitionsAndTheApplication)
{
    Heap heap;
    const MVPHeap& base = heap;
    EXPECT_EQ(&base.presenterPartition, &heap.presenters);
    EXPECT_EQ(&base.viewPartition, &heap.views);
    EXPECT_EQ(&base.transitionPartition, &heap.transitions);
    EXPECT_EQ(&base.application, &heap.application);
    EXPECT_EQ(base.viewPartition.element_size(), sizeof(View));
}
