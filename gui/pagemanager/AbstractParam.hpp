#ifndef GUI_PAGEMANAGER_ABSTRACTPARAM_HPP
#define GUI_PAGEMANAGER_ABSTRACTPARAM_HPP

#include <stdint.h>

// The base of the pointer a page carries and of the values screens hand on: a tag and
// what it holds.
class AbstractParam
{
public:
    static constexpr uint16_t NO_TAG = 0xFFFF;

    explicit AbstractParam(uint16_t tag) : tag(tag) {}
    virtual ~AbstractParam() {}

    // The address of the held value when the tag is the stored one, else null.
    virtual const void* get(uint16_t askedTag) const = 0;

    uint16_t getTag() const { return tag; }

protected:
    AbstractParam(const AbstractParam&) = default;
    AbstractParam& operator=(const AbstractParam&) = default;

    uint16_t tag;
};

#endif
