#ifndef GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEREMOVEPRESENTER_HPP
#define GUI_SCREENS_WIZARD_WIZZARDSYSTEMSCHEMEREMOVEPRESENTER_HPP

#include "gui/screens/wizard/WizzardSystemSchemeMainPresenter.hpp"

// Removing circuit 1 or the added cylinder: the scheme's own points and writes.
class WizzardSystemSchemeRemovePresenter : public WizzardSystemSchemeMainPresenter
{
public:
    explicit WizzardSystemSchemeRemovePresenter(IView& view) : WizzardSystemSchemeMainPresenter(view) {}
    ~WizzardSystemSchemeRemovePresenter() override {}
};

#endif
