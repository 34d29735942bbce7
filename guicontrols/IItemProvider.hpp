#ifndef GUICONTROLS_IITEMPROVIDER_HPP
#define GUICONTROLS_IITEMPROVIDER_HPP

#include <quillon/containers/Container.hpp>

#include <stdint.h>

namespace guicontrols
{
// A line of a list: a container of fixed height that lays its children out again whenever
// its size or place changes, and reads its content from a provider on update().
class IItemProvider : public quillon::Container
{
public:
    // Flag bit 1: draw the separator line. Bit 0 is set by the list and read by no item.
    static const uint32_t DRAWS_LINE = 2;
    static const uint32_t BELOW_LINE = 1;

    explicit IItemProvider(uint32_t index) : separators(0), index(index) {}
    ~IItemProvider() override {}

    virtual void update() {}
    virtual void updateLayout() = 0;
    virtual uint32_t getSeparatorStyle() const = 0;
    virtual void setSeparators(uint32_t flags) { separators = flags; }
    uint32_t getSeparators() const { return separators; }
    uint32_t getIndex() const { return index; }

    void setPosition(int16_t x, int16_t y, int16_t width, int16_t height) override
    {
        Container::setPosition(x, y, width, height);
        updateLayout();
    }
    void setWidth(int16_t width) override
    {
        Container::setWidth(width);
        updateLayout();
    }
    void setHeight(int16_t height) override
    {
        Container::setHeight(height);
        updateLayout();
    }

protected:
    bool drawsLine() const { return (separators & DRAWS_LINE) != 0; }

    uint32_t separators;
    uint32_t index;
};
} // namespace guicontrols

#endif
