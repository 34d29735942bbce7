#ifndef QUILLON_MVPHEAP_HPP
#define QUILLON_MVPHEAP_HPP

#include <quillon/common/AbstractPartition.hpp>

namespace quillon
{
class Application;

// Where the screen change finds its slots and its application. The constructor only
// stores the references, so a derived heap may pass members it constructs afterwards.
class MVPHeap
{
public:
    MVPHeap(AbstractPartition& presenters, AbstractPartition& views, AbstractPartition& transitions,
            Application& app)
        : presenterPartition(presenters), viewPartition(views), transitionPartition(transitions), application(app)
    {
    }
    virtual ~MVPHeap() {}

    AbstractPartition& presenterPartition;
    AbstractPartition& viewPartition;
    AbstractPartition& transitionPartition;
    Application& application;
};
} // namespace quillon

#endif
