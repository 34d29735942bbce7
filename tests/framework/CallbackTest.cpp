#include <gtest/gtest.h>
#include <quillon/Callback.hpp>

using quillon::Callback;
using quillon::GenericCallback;

namespace
{
struct Sender
{
    int id;
};

struct Receiver
{
    virtual ~Receiver() {}
    virtual void onNumber(int value) { numbers += value; }
    void onSender(const Sender& sender) { lastSender = &sender; }
    void onNothing() { ++calls; }

    int numbers = 0;
    int calls = 0;
    const Sender* lastSender = nullptr;
};

struct OverridingReceiver : Receiver
{
    void onNumber(int value) override { overridden += value; }
    int overridden = 0;
};

// A source holds only the interface and fires when it is valid.
struct Source
{
    void fire(int value)
    {
        if (callback != nullptr && callback->isValid()) {
            callback->execute(value);
        }
    }
    GenericCallback<int>* callback = nullptr;
};
} // namespace

TEST(Callback, ValidOnlyWithObjectAndMember)
{
    Receiver receiver;
    EXPECT_FALSE((Callback<Receiver, int>().isValid()));
    EXPECT_FALSE((Callback<Receiver, int>(&receiver, nullptr).isValid()));
    EXPECT_FALSE((Callback<Receiver, int>(nullptr, &Receiver::onNumber).isValid()));
    EXPECT_TRUE((Callback<Receiver, int>(&receiver, &Receiver::onNumber).isValid()));
    EXPECT_FALSE((Callback<Receiver, void, void>().isValid()));
    EXPECT_TRUE((Callback<Receiver, void, void>(&receiver, &Receiver::onNothing).isValid()));
}

TEST(Callback, VirtualMemberRunsTheOverride)
{
    OverridingReceiver receiver;
    Callback<Receiver, int> callback(&receiver, &Receiver::onNumber);
    callback.execute(5);
    EXPECT_EQ(receiver.overridden, 5);
    EXPECT_EQ(receiver.numbers, 0);
}

TEST(Callback, ReferenceArgumentArrivesAsTheSameObject)
{
    Receiver receiver;
    Callback<Receiver, const Sender&> callback(&receiver, &Receiver::onSender);
    GenericCallback<const Sender&>& shared = callback; // one callback serves several senders
    const Sender first{1};
    const Sender second{2};
    shared.execute(first);
    EXPECT_EQ(receiver.lastSender, &first);
    shared.execute(second);
    EXPECT_EQ(receiver.lastSender, &second);
}

TEST(Callback, ReassigningChangesWhatTheSourceCalls)
{
    Receiver before;
    Receiver after;
    Callback<Receiver, int> callback;
    Source source;
    source.callback = &callback;
    source.fire(1); // unbound: never executed
    EXPECT_EQ(before.numbers + after.numbers, 0);

    callback = Callback<Receiver, int>(&before, &Receiver::onNumber);
    source.fire(2);
    callback = Callback<Receiver, int>(&after, &Receiver::onNumber);
    source.fire(3);
    EXPECT_EQ(before.numbers, 2);
    EXPECT_EQ(after.numbers, 3);
}

TEST(Callback, WithoutArgument)
{
    Receiver receiver;
    Callback<Receiver> callback(&receiver, &Receiver::onNothing);
    GenericCallback<void, void>& pending = callback;
    pending.execute();
    pending.execute();
    EXPECT_EQ(receiver.calls, 2);
}
