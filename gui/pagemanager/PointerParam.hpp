#ifndef GUI_PAGEMANAGER_POINTERPARAM_HPP
#define GUI_PAGEMANAGER_POINTERPARAM_HPP

#include "gui/pagemanager/AbstractParam.hpp"

#include <stdint.h>
#include <type_traits>

namespace pagemanager
{
// The tags of the pointers the page table attaches to its pages.
enum PointerTag : uint16_t
{
    POINTER_MENU = 0,
    POINTER_SELECTION = 1,
    POINTER_TILES = 2,
    POINTER_INTERVAL_MENU = 3,
    POINTER_LIST_SETTING = 4,
    POINTER_TILE_SELECTOR = 5,
    POINTER_PAGE_DATA = 6,
};

// The tag of a pointed-to type: a specialisation beside each type that a page may carry,
// `static constexpr uint16_t TAG`.
template <typename T>
struct PointerTraits;

template <>
struct PointerTraits<uint16_t>
{
    static constexpr uint16_t TAG = POINTER_PAGE_DATA; // the value of a test-operation page
};

// One object per type; its address tells the types apart where one tag serves two.
// Not const, so that no linker folds the keys of two types into one.
template <typename T>
struct PointerTypeKey
{
    static char key;
};
template <typename T>
char PointerTypeKey<T>::key = 0;

// An untyped pointer with its tag, attached once to a page object. Beside the tag it keeps
// the pointed-to type, so a reader asking with the other type of a shared tag gets null
// instead of the data read as the wrong type, and a read-only target stays read-only.
class PointerParam : public AbstractParam
{
public:
    PointerParam() : AbstractParam(NO_TAG), pointer(nullptr), typeKey(nullptr), readOnly(false) {}

    template <typename T>
    explicit PointerParam(T* target)
        : AbstractParam(PointerTraits<typename std::remove_const<T>::type>::TAG)
        , pointer(target)
        , typeKey(&PointerTypeKey<typename std::remove_const<T>::type>::key)
        , readOnly(std::is_const<T>::value)
    {
    }

    PointerParam(const PointerParam&) = default;
    PointerParam& operator=(const PointerParam&) = default;

    const void* get(uint16_t askedTag) const override { return askedTag == tag ? pointer : nullptr; }

    // The pointer as T* when it was attached as a T (a const T asks for a read-only view
    // of either); otherwise null.
    template <typename T>
    T* as() const
    {
        typedef typename std::remove_const<T>::type Plain;
        if (pointer == nullptr || tag != PointerTraits<Plain>::TAG || typeKey != &PointerTypeKey<Plain>::key) {
            return nullptr;
        }
        if (readOnly && !std::is_const<T>::value) {
            return nullptr;
        }
        return static_cast<T*>(const_cast<void*>(pointer)); // writable only if attached writable
    }

private:
    const void* pointer;
    const char* typeKey;
    bool readOnly;
};
} // namespace pagemanager

#endif
