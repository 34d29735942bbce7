#ifndef GUI_SCREENS_SETTINGS_SETTINGSLANGUAGEVIEW_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLANGUAGEVIEW_HPP

#include "gui/screens/settings/SettingsAcceptView.hpp"
#include "gui/screens/settings/SettingsLanguagePresenter.hpp"
#include "guicontrols/CheckableTileButton.hpp"

#include <quillon/Callback.hpp>

// Ten flag tiles on two pages, the language in use marked. A touch moves the one mark; OK
// applies the marked language and goes back, back and home keep the language.
class SettingsLanguageView : public SettingsAcceptView<SettingsLanguagePresenter>
{
public:
    static const uint8_t PAGE_BUTTON = 4;
    static const quillon::BitmapId NEXT_PAGE_ICON = 211;
    static const quillon::BitmapId FIRST_PAGE_ICON = 209;
    static const int16_t SECOND_PAGE_X = -730;

    SettingsLanguageView();
    ~SettingsLanguageView() override {}

    quillon::TextId getTitleText() override { return 1118; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void onTileClicked(const quillon::AbstractButton& tile);

    const guicontrols::CheckableTileButton& getTile(uint32_t row) const { return tiles[row]; }

protected:
    void onAccept() override;

private:
    void switchPage();

    guicontrols::CheckableTileButton tiles[SettingsLanguagePresenter::LANGUAGE_COUNT];
    quillon::Callback<SettingsLanguageView, const quillon::AbstractButton&> tileCallback;
};

#endif
