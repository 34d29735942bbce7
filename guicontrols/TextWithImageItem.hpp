#ifndef GUICONTROLS_TEXTWITHIMAGEITEM_HPP
#define GUICONTROLS_TEXTWITHIMAGEITEM_HPP

#include "guicontrols/IItemProvider.hpp"
#include "guicontrols/TextField.hpp"
#include "guicontrols/TextImageProvider.hpp"

#include <quillon/widgets/Box.hpp>
#include <quillon/widgets/Image.hpp>

namespace guicontrols
{
// A list line of a text and an image near its right end.
class TextWithImageItem : public IItemProvider
{
public:
    static const int16_t HEIGHT = 66;
    static const int16_t WIDTH = 300;
    static const uint32_t SEPARATOR_STYLE = 2;

    TextWithImageItem();
    explicit TextWithImageItem(TextImageProvider* provider);
    ~TextWithImageItem() override {}

    void update() override;
    void updateLayout() override;
    uint32_t getSeparatorStyle() const override { return SEPARATOR_STYLE; }
    virtual TextWithImageItem& setProvider(TextImageProvider* provider);

    const quillon::Image& getImage() const { return image; }
    const quillon::Box& getLine() const { return line; }

private:
    TextImageProvider* provider;
    TextField text;
    quillon::Image image;
    quillon::Box line;
};
} // namespace guicontrols

#endif
