#ifndef GUI_SCREENS_SERVICE_FILLINGPRESENTER_HPP
#define GUI_SCREENS_SERVICE_FILLINGPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

namespace model
{
class FillingVentingGroup;
}

// The filling programme (and, through VentingPresenter, venting): the screen only writes the
// programme command; whether a programme runs is what the device reports back.
class FillingPresenter : public BasePresenter
{
public:
    explicit FillingPresenter(IView& view);
    ~FillingPresenter() override {}

    void activate() override;
    void deactivate() override;
    bool hasDataChanged() override { return filterChanged(); }

    // The device lets the programmes run.
    bool isReleased() const;
    // A programme runs (filling or venting).
    bool isRunning() const;
    // Both points 0: the question may be asked, and this screen remembers it asked.
    bool checkReadyToAsk();
    bool isQuestionAsked() const { return askedFlag; }

    void startFilling();
    void startVenting();
    void stop();

private:
    model::FillingVentingGroup* group() const { return &getModel()->getGroups().fillingVenting; }
    bool askedFlag;
};

#endif
