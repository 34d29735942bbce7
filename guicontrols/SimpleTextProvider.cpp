#include "guicontrols/SimpleTextProvider.hpp"

#include "guicontrols/ProviderTexts.hpp"

namespace guicontrols
{
SimpleTextProvider::SimpleTextProvider() : text(nullptr), secondText(nullptr), bullet(0), bulletBuffer{} {}

SimpleTextProvider::SimpleTextProvider(const quillon::WideChar* text, const quillon::WideChar* secondText,
                                       uint8_t bullet)
    : SimpleTextProvider()
{
    setTexts(text, secondText, bullet);
}

void SimpleTextProvider::setTexts(const quillon::WideChar* newText, const quillon::WideChar* newSecondText,
                                  uint8_t newBullet)
{
    text = newText;
    secondText = newSecondText;
    bullet = newBullet;
}

const quillon::WideChar* SimpleTextProvider::getText(uint32_t)
{
    return providertexts::label(bullet != 0, bulletBuffer, BULLET_SIZE, text);
}
} // namespace guicontrols
