#include "gui/screens/service/TestOperationPresenter.hpp"

#include "model/groups/TestOperationGroup.hpp"

TestOperationPresenter::TestOperationPresenter(IView& view)
    : BasePresenter(view)
{
}

void TestOperationPresenter::activate()
{
    watchGroup(*group());
}

void TestOperationPresenter::deactivate()
{
    unwatch();
}

bool TestOperationPresenter::isTestOperationActive() const
{
    return group()->running.getValue() != 0;
}

void TestOperationPresenter::startTestOperation()
{
    group()->request.setValue(1);
}

void TestOperationPresenter::requestFlowTest()
{
    group()->flowTest.setValue(1);
}

bool TestOperationPresenter::isFlowSufficient() const
{
    return group()->flowSufficient.getValue() != 0;
}
