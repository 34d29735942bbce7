#ifndef QUILLON_CALLBACK_HPP
#define QUILLON_CALLBACK_HPP

#include <type_traits>

namespace quillon
{
// What a source of events holds: it fires without knowing the receiver's class.
// The second parameter is always void; it is kept so the spelled-out types read alike.
template <class A = void, class B = void>
class GenericCallback
{
    static_assert(std::is_void<B>::value, "only void is supported as the second parameter");

public:
    virtual ~GenericCallback() {}
    virtual void execute(A argument) = 0;
    virtual bool isValid() const = 0;
};

template <class B>
class GenericCallback<void, B>
{
    static_assert(std::is_void<B>::value, "only void is supported as the second parameter");

public:
    virtual ~GenericCallback() {}
    virtual void execute() = 0;
    virtual bool isValid() const = 0;
};

// Bound to a receiver object and one of its member functions; a plain value that owns
// nothing. A virtual member function runs the override of the object's dynamic class.
template <class T, class A = void, class B = void>
class Callback : public GenericCallback<A, B>
{
public:
    typedef void (T::*MemberFunction)(A);

    Callback() : object(nullptr), memberFunction(nullptr) {}
    Callback(T* object, MemberFunction memberFunction) : object(object), memberFunction(memberFunction) {}

    void execute(A argument) override { (object->*memberFunction)(argument); }
    bool isValid() const override { return object != nullptr && memberFunction != nullptr; }

private:
    T* object;
    MemberFunction memberFunction;
};

template <class T, class B>
class Callback<T, void, B> : public GenericCallback<void, B>
{
public:
    typedef void (T::*MemberFunction)();

    Callback() : object(nullptr), memberFunction(nullptr) {}
    Callback(T* object, MemberFunction memberFunction) : object(object), memberFunction(memberFunction) {}

    void execute() override { (object->*memberFunction)(); }
    bool isValid() const override { return object != nullptr && memberFunction != nullptr; }

private:
    T* object;
    MemberFunction memberFunction;
};
} // namespace quillon

#endif
