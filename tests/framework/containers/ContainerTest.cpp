#include "framework/SceneTestSupport.hpp"

#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>

#include <vector>

using namespace quillon;
using scenetest::RecordingApplication;
using scenetest::TestBox;

namespace
{
// Collects the children in the order forEachChild visits them.
struct ChildLister
{
    void visit(Drawable& d) { children.push_back(&d); }
    std::vector<Drawable*> children;
};

std::vector<Drawable*> childrenOf(Container& container)
{
    ChildLister lister;
    Callback<ChildLister, Drawable&> callback(&lister, &ChildLister::visit);
    container.forEachChild(callback);
    return lister.children;
}

class Children : public testing::Test
{
protected:
    Children()
    {
        container.setPosition(0, 0, 100, 100);
        a.setPosition(0, 0, 10, 10);
        b.setPosition(20, 0, 10, 10);
        c.setPosition(40, 0, 10, 10);
    }

    Container container;
    TestBox a, b, c, stranger;
};
} // namespace

TEST_F(Children, AddLinksInOrder)
{
    container.add(a);
    container.add(b);
    container.add(c);
    EXPECT_EQ(childrenOf(container), (std::vector<Drawable*>{&a, &b, &c}));
    EXPECT_EQ(a.getParent(), &container);
    EXPECT_EQ(a.getNextSibling(), &b);
    EXPECT_EQ(c.getNextSibling(), nullptr);
    EXPECT_TRUE(container.contains(b));
    EXPECT_FALSE(container.contains(stranger));
}

TEST_F(Children, AddingTwiceOrToSelfAsserts)
{
    container.add(a);
    container.add(b);
    container.add(c);
    const char* twice = "Assertion failed: head != &d && \"Cannot add Drawable multiple times\", "
                        "file framework/source/quillon/containers/Container, line [0-9]+";
    EXPECT_DEATH(container.add(a), twice);
    EXPECT_DEATH(container.add(b), twice);
    EXPECT_DEATH(container.add(c), twice);
    EXPECT_DEATH(container.add(container), "Assertion failed: &d != this && \"Cannot add Drawable to self\", "
                                           "file framework/source/quillon/containers/Container");
}

TEST_F(Children, Remove)
{
    struct Case { TestBox* removed; std::vector<Drawable*> expected; };
    const Case cases[] = {
        {&a, {&b, &c}},
        {&b, {&a, &c}},
        {&c, {&a, &b}},
        {&stranger, {&a, &b, &c}}, // not a child: nothing changes
    };
    for (const Case& cs : cases) {
        SCOPED_TRACE(&cs - cases);
        container.removeAll();
        container.add(a);
        container.add(b);
        container.add(c);
        container.remove(*cs.removed);
        EXPECT_EQ(childrenOf(container), cs.expected);
        if (cs.removed != &stranger) {
            EXPECT_EQ(cs.removed->getParent(), nullptr);
            EXPECT_EQ(cs.removed->getNextSibling(), nullptr);
        }
    }
    Container empty;
    empty.remove(a);
    EXPECT_TRUE(childrenOf(empty).empty());
}

TEST_F(Children, RemoveAllAndClearChildList)
{
    container.add(a);
    container.add(b);
    container.removeAll();
    EXPECT_TRUE(childrenOf(container).empty());
    EXPECT_EQ(a.getParent(), nullptr);
    EXPECT_EQ(a.getNextSibling(), nullptr);

    container.add(a);
    container.add(b);
    container.clearChildList(); // forgets the list, leaves the links
    EXPECT_TRUE(childrenOf(container).empty());
    EXPECT_EQ(a.getNextSibling(), &b);
    EXPECT_EQ(b.getParent(), &container);
}

TEST_F(Children, Insert)
{
    container.insert(&stranger, a); // empty list: an add
    EXPECT_EQ(childrenOf(container), (std::vector<Drawable*>{&a}));
    container.insert(nullptr, b);   // null: first
    EXPECT_EQ(childrenOf(container), (std::vector<Drawable*>{&b, &a}));
    container.insert(&b, c);        // after b
    EXPECT_EQ(childrenOf(container), (std::vector<Drawable*>{&b, &c, &a}));
    EXPECT_EQ(c.getParent(), &container);

    TestBox d;
    container.insert(&stranger, d); // previous is no child: nothing
    EXPECT_EQ(childrenOf(container), (std::vector<Drawable*>{&b, &c, &a}));
    EXPECT_EQ(d.getParent(), nullptr);
}

TEST_F(Children, ChildrenArea)
{
    EXPECT_EQ(container.getChildrenArea(), Rectangle());
    TestBox thin;
    thin.setPosition(50, 50, 0, 30);
    container.add(thin);
    EXPECT_EQ(container.getChildrenArea(), Rectangle()); // an empty child does not count
    a.setVisible(false);                                 // visibility does not matter
    container.add(a);
    container.add(c);
    EXPECT_EQ(container.getChildrenArea(), Rectangle(0, 0, 50, 10));
}

TEST_F(Children, MoveChildrenRelativeInvalidatesEach)
{
    RecordingApplication application;
    container.add(a);
    container.add(b);
    container.moveChildrenRelative(1, 2);
    EXPECT_EQ(a.getRect(), Rectangle(1, 2, 10, 10));
    EXPECT_EQ(b.getRect(), Rectangle(21, 2, 10, 10));
    EXPECT_EQ(application.received.size(), 4u); // old and new place of both
}

namespace
{
// Two overlapping touchable boxes in a container at 100, 100:
//   first 0, 0, 50, 50; second 25, 25, 50, 50 (added later, on top)
class HitTest : public testing::Test
{
protected:
    HitTest()
    {
        root.setPosition(0, 0, 800, 480);
        container.setPosition(100, 100, 200, 200);
        first.setPosition(0, 0, 50, 50);
        second.setPosition(25, 25, 50, 50);
        first.setTouchable(true);
        second.setTouchable(true);
        root.add(container);
        container.add(first);
        container.add(second);
    }

    Drawable* hit(int16_t x, int16_t y)
    {
        Drawable* found = nullptr;
        root.findTouchableAt(x, y, &found);
        return found;
    }

    Container root;
    Container container;
    TestBox first, second;
};
} // namespace

TEST_F(HitTest, LaterSiblingWins)
{
    EXPECT_EQ(hit(130, 130), &second); // the overlap
    EXPECT_EQ(hit(110, 110), &first);
    EXPECT_EQ(hit(160, 160), &second);
    EXPECT_EQ(hit(250, 250), nullptr);
}

TEST_F(HitTest, TouchableContainerTakesWhatNoTouchableChildTakes)
{
    container.setTouchable(true);
    second.setTouchable(false); // does not shield first beneath it
    EXPECT_EQ(hit(130, 130), &first);
    EXPECT_EQ(hit(160, 160), &container);
    EXPECT_EQ(hit(250, 250), &container);
    EXPECT_EQ(hit(10, 10), nullptr);
}

TEST_F(HitTest, InvisibleIsNeverHit)
{
    second.setVisible(false);
    EXPECT_EQ(hit(130, 130), &first);
    EXPECT_EQ(hit(160, 160), nullptr);

    container.setVisible(false); // nor anything inside an invisible container
    container.setTouchable(true);
    EXPECT_EQ(hit(110, 110), nullptr);
}

TEST_F(HitTest, PlainDrawPaintsVisibleChildrenInOrderInTheirOwnCoordinates)
{
    second.setVisible(false);
    TestBox third;
    third.setPosition(40, 0, 20, 20);
    container.add(third);

    root.draw(Rectangle(120, 100, 30, 10));
    ASSERT_EQ(first.draws.size(), 1u);
    EXPECT_EQ(first.draws[0], Rectangle(20, 0, 30, 10));
    EXPECT_TRUE(second.draws.empty());
    ASSERT_EQ(third.draws.size(), 1u);
    EXPECT_EQ(third.draws[0], Rectangle(0, 0, 10, 10));
}

TEST_F(HitTest, CollectListsVisibleLeavesMeetingTheAreaInDrawingOrder)
{
    TestBox far;
    far.setPosition(150, 150, 10, 10);
    container.add(far);
    TestBox hidden;
    hidden.setPosition(0, 0, 10, 10);
    hidden.setVisible(false);
    container.add(hidden);

    DrawableList list;
    root.collectDrawables(Rectangle(100, 100, 60, 60), list);
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0], &first);
    EXPECT_EQ(list[1], &second);

    list.clear();
    container.setVisible(false);
    root.collectDrawables(Rectangle(0, 0, 800, 480), list);
    EXPECT_TRUE(list.isEmpty());
}
