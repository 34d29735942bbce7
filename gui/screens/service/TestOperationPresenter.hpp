#ifndef GUI_SCREENS_SERVICE_TESTOPERATIONPRESENTER_HPP
#define GUI_SCREENS_SERVICE_TESTOPERATIONPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

namespace model
{
class TestOperationGroup;
}

// Test operation and its flow test: the buttons only write commands; the screen follows
// what the device reports.
class TestOperationPresenter : public BasePresenter
{
public:
    explicit TestOperationPresenter(IView& view);
    ~TestOperationPresenter() override {}

    void activate() override;
    void deactivate() override;
    bool hasDataChanged() override { return filterChanged(); }

    bool isTestOperationActive() const;
    void startTestOperation();
    void requestFlowTest();
    bool isFlowSufficient() const;

private:
    model::TestOperationGroup* group() const { return &getModel()->getGroups().testOperation; }
};

#endif
