#ifndef GUI_PAGEMANAGER_PARAM_HPP
#define GUI_PAGEMANAGER_PARAM_HPP

#include "gui/pagemanager/AbstractParam.hpp"
#include "gui/pagemanager/Params.hpp"

#include <string.h>

namespace pagemanager
{
// A tagged value of one of the union's types; copying copies the whole union.
template <typename Union>
class Param : public AbstractParam
{
public:
    Param() : AbstractParam(NO_TAG) { memset(&value, 0, sizeof(value)); }
    Param(const Param&) = default;
    Param& operator=(const Param&) = default;

    template <typename T>
    bool set(const T& newValue)
    {
        static_assert(Params::Traits<T>::STORED, "this parameter is read, never stored");
        memset(&value, 0, sizeof(value)); // no bytes of an earlier type linger
        Params::Traits<T>::in(value) = newValue;
        tag = Params::Traits<T>::TAG;
        return true;
    }

    const void* get(uint16_t askedTag) const override { return askedTag == tag ? &value : nullptr; }

    // The value as T, writable in place; null when the parameter holds another tag.
    template <typename T>
    T* as()
    {
        if constexpr (Params::Traits<T>::STORED) {
            return tag == Params::Traits<T>::TAG ? &Params::Traits<T>::in(value) : nullptr;
        } else {
            return nullptr;
        }
    }

private:
    Union value;
};
} // namespace pagemanager

#endif
