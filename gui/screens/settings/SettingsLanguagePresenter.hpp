#ifndef GUI_SCREENS_SETTINGS_SETTINGSLANGUAGEPRESENTER_HPP
#define GUI_SCREENS_SETTINGS_SETTINGSLANGUAGEPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <quillon/Bitmap.hpp>
#include <quillon/Texts.hpp>

#include <stdint.h>

// The ten languages of the texts, each named in itself with its flag.
class SettingsLanguagePresenter : public BasePresenter
{
public:
    struct Language
    {
        uint32_t nameText;
        quillon::BitmapId flag;
        quillon::LanguageId id;
    };
    static const uint32_t LANGUAGE_COUNT = 10;

    explicit SettingsLanguagePresenter(IView& view) : BasePresenter(view) {}
    ~SettingsLanguagePresenter() override {}

    // Asks the device for its language once: the shell follows a language changed there.
    void activate() override;

    const Language* getLanguages() const;
    uint32_t getLanguageCount() const { return LANGUAGE_COUNT; }
    quillon::LanguageId getCurrentLanguage() const;
    // Texts, locale, the device's language code and LANGUAGE, through the application.
    void setLanguage(quillon::LanguageId language);
};

#endif
