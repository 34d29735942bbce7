#ifndef QUILLON_COMMON_META_HPP
#define QUILLON_COMMON_META_HPP

#include <stddef.h>

namespace quillon
{
namespace meta
{
// Ends a type list.
struct Nil
{
};

// A compile-time list: TypeList<A, TypeList<B, Nil> >. Only sizes and alignments are read.
template <class Head, class Tail>
struct TypeList
{
    typedef Head head;
    typedef Tail tail;
};

template <class List>
struct LargestSize;

template <>
struct LargestSize<Nil>
{
    static const size_t value = 0;
};

template <class Head, class Tail>
struct LargestSize<TypeList<Head, Tail> >
{
    static const size_t value =
        sizeof(Head) > LargestSize<Tail>::value ? sizeof(Head) : LargestSize<Tail>::value;
};

template <class List>
struct LargestAlignment;

template <>
struct LargestAlignment<Nil>
{
    static const size_t value = 1;
};

template <class Head, class Tail>
struct LargestAlignment<TypeList<Head, Tail> >
{
    static const size_t value =
        alignof(Head) > LargestAlignment<Tail>::value ? alignof(Head) : LargestAlignment<Tail>::value;
};
} // namespace meta
} // namespace quillon

#endif
