#ifndef GUICONTROLS_SIMPLETEXTPROVIDER_HPP
#define GUICONTROLS_SIMPLETEXTPROVIDER_HPP

#include "guicontrols/ITextContentProvider.hpp"

namespace guicontrols
{
// A fixed pair of texts: headings (second text empty) and values a view formatted itself.
// Both texts must be set, non-null, before the list asks.
class SimpleTextProvider : public ITextContentProvider
{
public:
    static const uint16_t BULLET_SIZE = 50;

    SimpleTextProvider();
    SimpleTextProvider(const quillon::WideChar* text, const quillon::WideChar* secondText, uint8_t bullet);
    void setTexts(const quillon::WideChar* text, const quillon::WideChar* secondText, uint8_t bullet);

    const quillon::WideChar* getText(uint32_t index) override;
    const quillon::WideChar* getSecondText(uint32_t) override { return secondText; }

private:
    const quillon::WideChar* text;
    const quillon::WideChar* secondText;
    uint8_t bullet;
    quillon::WideChar bulletBuffer[BULLET_SIZE];
};
} // namespace guicontrols

#endif
