#ifndef GUI_SCREENS_INFOCIRCUIT_LANINFOVIEW_HPP
#define GUI_SCREENS_INFOCIRCUIT_LANINFOVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/infocircuit/LANInfoPresenter.hpp"
#include "gui/screens/list/ListConfiguration.hpp"
#include "guicontrols/BiStateContentProvider.hpp"
#include "guicontrols/NumericContentProvider.hpp"
#include "guicontrols/SimpleTextProvider.hpp"

// The LAN module's identification, addresses, proxy, state, errors and firmware: 21 lines,
// always all of them, rebuilt when one of its values changes.
class LANInfoView : public BaseView<LANInfoPresenter>, public ListConfiguration
{
public:
    static constexpr uint16_t TITLE_UNITS = 60;
    static constexpr uint32_t LINES = 21;
    static constexpr uint32_t TEXT_LINES = 14;
    static constexpr uint32_t VALUE_UNITS = 20;

    LANInfoView();
    ~LANInfoView() override {}

    const quillon::WideChar* getTitle() override { return title; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void update() override;

private:
    void bindValueProviders();
    void buildList();

    template <typename T, dp_type D>
    using Numeric = guicontrols::NumericContentProvider<T, D, VALUE_UNITS>;
    using YesNo = guicontrols::BiStateContentProvider<unsigned char, DP_U8>;

    quillon::WideChar title[TITLE_UNITS];
    guicontrols::SimpleTextProvider texts[TEXT_LINES];
    YesNo dhcp;
    YesNo proxyActivated;
    YesNo moduleActivated;
    Numeric<unsigned short, DP_U16> proxyPort;
    Numeric<unsigned char, DP_U8> moduleStatus;
    Numeric<unsigned int, DP_U32> moduleError;
    Numeric<unsigned short, DP_U16> extendedError;
};

#endif
