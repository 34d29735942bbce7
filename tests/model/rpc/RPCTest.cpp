#include "model/dpt/TableFixture.hpp"
#include "model/filter/DefaultPropertyFilter.hpp"
#include "model/rpc/RPCDispatcher.hpp"
#include "model/rpc/RPCGroup.hpp"

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

using model::RPCDispatcher;

namespace
{
// Logs which listener heard which call.
class RecordingResponseListener : public model::IRPCResponseListener
{
public:
    RecordingResponseListener(std::vector<std::string>* log, const char* name) : log(log), name(name) {}
    void onRPCResponse(std::uint32_t functionIndex, const std::uint8_t* response) override
    {
        log->push_back(name + std::to_string(functionIndex));
        lastFirstByte = response[0];
    }
    std::vector<std::string>* log;
    std::string name;
    std::uint8_t lastFirstByte = 0;
};

// A property of any row that takes every response offered to it.
class TakingProperty : public model::RPCProperty
{
public:
    explicit TakingProperty(std::uint32_t row) : RPCProperty(row) {}
    bool send() override { return false; }
    bool onResponse(const std::uint8_t* buffer) override
    {
        ++taken;
        return RPCProperty::onResponse(buffer);
    }
    int taken = 0;
};

struct Answer
{
    std::uint8_t bytes[model::RPC_RESPONSE_SIZE] = {};
};

Answer codingAnswer(std::uint8_t group, std::uint8_t number, std::uint16_t address, std::int16_t value)
{
    Answer answer;
    answer.bytes[0] = group;
    answer.bytes[1] = number;
    answer.bytes[2] = address & 0xFF;
    answer.bytes[3] = address >> 8;
    answer.bytes[4] = static_cast<std::uint16_t>(value) & 0xFF;
    answer.bytes[5] = static_cast<std::uint16_t>(value) >> 8;
    answer.bytes[6] = 0xF6, answer.bytes[7] = 0xFF; // minimum -10
    answer.bytes[8] = 100, answer.bytes[9] = 0;     // maximum 100
    const float factor = 0.5f;
    std::memcpy(answer.bytes + 10, &factor, 4);
    answer.bytes[14] = 5, answer.bytes[15] = 21; // next
    answer.bytes[16] = 6, answer.bytes[17] = 19; // previous
    return answer;
}

// A call response frame from the device, as task "PAR" receives it.
void receiveCallResponse(std::uint16_t address, const std::uint8_t* data, std::uint8_t length)
{
    DeviceFrame frame{};
    frame.used = static_cast<std::uint16_t>(linkBuildHeader(MSG_CALL_RESPONSE, frame, address, length));
    frame.used = static_cast<std::uint16_t>(linkAppendData(frame, data, length));
    linkHandleFrame(frame, frame.used);
}

class FunctionCalls : public TableFixture
{
protected:
    void SetUp() override
    {
        TableFixture::SetUp();
        // Other tests of this program may have put handlers of their own in place.
        linkSetResponseHandler(RPCDispatcher::onLinkResponse);
        registeredBefore = dispatcher().getCount();
    }
    void TearDown() override
    {
        EXPECT_EQ(dispatcher().getCount(), registeredBefore); // every test cleans up
        TableFixture::TearDown();
    }
    static RPCDispatcher& dispatcher() { return RPCDispatcher::getInstance(); }

    struct Sent
    {
        std::uint16_t address;
        std::vector<std::uint8_t> data;
    };
    std::vector<Sent> sentCalls()
    {
        std::vector<Sent> calls;
        for (const DeviceFrame& frame : takeFrames()) {
            EXPECT_EQ(linkClassify(frame, frame.used), MSG_CALL_REQUEST);
            const std::uint8_t length = linkFrameLength(frame, frame.used);
            calls.push_back({linkFrameAddress(frame, frame.used),
                             std::vector<std::uint8_t>(frame.bytes + 5, frame.bytes + 5 + length)});
        }
        return calls;
    }

    std::uint32_t registeredBefore = 0;
    std::vector<std::string> log;
};
} // namespace

TEST_F(FunctionCalls, TheFirstRegisteredGetPropertyTakesTheAnswer)
{
    model::RPCGetProperty first, second;
    RecordingResponseListener firstListener(&log, "first"), secondListener(&log, "second");
    first.addListener(&firstListener);
    second.addListener(&secondListener);
    EXPECT_TRUE(first.activate());
    EXPECT_TRUE(second.activate());

    const std::uint8_t data[18] = {42};
    receiveCallResponse(0xA280, data, sizeof(data));
    EXPECT_EQ(log, std::vector<std::string>{"first0"});
    EXPECT_TRUE(first.isChanged());
    EXPECT_FALSE(second.isChanged());

    // Once the first is inactive, the second receives the answers.
    EXPECT_TRUE(first.deactivate());
    receiveCallResponse(0xA280, data, sizeof(data));
    EXPECT_EQ(log, (std::vector<std::string>{"first0", "second0"}));
    EXPECT_TRUE(second.deactivate());
}

TEST_F(FunctionCalls, ResponsesTheRowIgnoresAreOfferedOn)
{
    model::RPCFactorySettings factorySettings;
    model::RPCFunctionCode functionCode;
    TakingProperty row2(model::RPC_FACTORY_SETTINGS), row3(model::RPC_FUNCTION_CODE);
    for (model::RPCProperty* property : std::initializer_list<model::RPCProperty*>{&factorySettings, &functionCode, &row2, &row3}) {
        EXPECT_TRUE(property->activate());
    }
    const std::uint8_t data[36] = {1};
    dispatcher().route(model::RPC_FACTORY_SETTINGS, data);
    dispatcher().route(model::RPC_FUNCTION_CODE, data);
    EXPECT_EQ(row2.taken, 1);
    EXPECT_EQ(row3.taken, 1);
    EXPECT_FALSE(factorySettings.isChanged());
    EXPECT_FALSE(functionCode.isChanged());
    for (model::RPCProperty* property : std::initializer_list<model::RPCProperty*>{&factorySettings, &functionCode, &row2, &row3}) {
        EXPECT_TRUE(property->deactivate());
    }
}

TEST_F(FunctionCalls, UnknownCallsAndRowsAreDropped)
{
    TakingProperty rows[7] = {TakingProperty(0), TakingProperty(1), TakingProperty(2), TakingProperty(3),
                              TakingProperty(4), TakingProperty(5), TakingProperty(6)};
    for (TakingProperty& row : rows) {
        row.activate();
    }
    const std::uint8_t data[36] = {};
    receiveCallResponse(0xA2FF, data, 18);   // no call at this address
    receiveCallResponse(0xA280, data, 17);   // shorter than the call's answer
    dispatcher().route(7, data);             // no such row
    dispatcher().route(0xFFFFFFFF, data);
    for (TakingProperty& row : rows) {
        EXPECT_EQ(row.taken, 0);
        row.deactivate();
    }
    // A row without a registered property: nothing to do.
    dispatcher().route(model::RPC_ACTUATOR, data);
}

TEST_F(FunctionCalls, Registration)
{
    model::RPCActuator actuator;
    EXPECT_TRUE(actuator.activate());
    EXPECT_FALSE(actuator.activate()); // once only
    EXPECT_EQ(dispatcher().getCount(), registeredBefore + 1);
    EXPECT_TRUE(actuator.deactivate());
    EXPECT_FALSE(actuator.deactivate());

    // Fill the dispatcher: the 101st is refused and receives nothing.
    std::vector<std::unique_ptr<TakingProperty>> properties;
    while (dispatcher().getCount() < RPCDispatcher::MAX_PROPERTIES) {
        properties.emplace_back(new TakingProperty(model::RPC_SUBSCRIBER_CHECK));
        ASSERT_TRUE(properties.back()->activate());
    }
    TakingProperty refused(model::RPC_FUNCTION_6);
    EXPECT_FALSE(refused.activate());
    const std::uint8_t data[36] = {};
    dispatcher().route(model::RPC_FUNCTION_6, data);
    EXPECT_EQ(refused.taken, 0);

    // Destruction unregisters: a destroyed property is never routed to.
    std::uint32_t position = 0;
    TakingProperty* middle = properties[properties.size() / 2].get();
    EXPECT_TRUE(dispatcher().find(middle, &position));
    properties.erase(properties.begin() + static_cast<long>(properties.size() / 2));
    EXPECT_FALSE(dispatcher().find(middle, &position));
    EXPECT_EQ(dispatcher().getCount(), RPCDispatcher::MAX_PROPERTIES - 1);
    properties.clear();
    EXPECT_EQ(dispatcher().getCount(), registeredBefore);
}

TEST_F(FunctionCalls, PrimaryListenerFirstThenAtMostThreeOthers)
{
    model::RPCActuator actuator;
    RecordingResponseListener primary(&log, "p"), a(&log, "a"), b(&log, "b"), c(&log, "c"), d(&log, "d");
    for (RecordingResponseListener* listener : {&a, &b, &c, &d}) {
        actuator.addListener(listener); // d is one too many
    }
    actuator.activate();
    EXPECT_TRUE(actuator.start(&primary));
    const std::vector<Sent> sent = sentCalls();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].address, 0xA053);
    EXPECT_TRUE(sent[0].data.empty());

    const std::uint8_t data[40] = {9, 8, 7};
    receiveCallResponse(0xA053, data, 40); // longer than the buffer: its first 36 bytes
    EXPECT_EQ(log, (std::vector<std::string>{"p4", "a4", "b4", "c4"}));
    EXPECT_EQ(primary.lastFirstByte, 9);

    const std::uint8_t* response = nullptr;
    EXPECT_TRUE(actuator.isChanged());
    EXPECT_TRUE(actuator.takeResponse(&response));
    EXPECT_EQ(response[2], 7);
    EXPECT_FALSE(actuator.takeResponse(&response));

    // Removal takes every occurrence; the rest still hear.
    log.clear();
    actuator.addListener(&d);
    actuator.removeListener(&a);
    actuator.removeListener(&a);
    actuator.addListener(&a);
    actuator.removeListener(&b);
    receiveCallResponse(0xA053, data, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"p4", "c4", "a4"}));
    actuator.deactivate();
}

TEST_F(FunctionCalls, SetAndSendKeepsANullPrimaryListenerNull)
{
    model::RPCGetProperty get;
    RecordingResponseListener listener(&log, "l");
    get.activate();
    EXPECT_TRUE(get.setAndSend(1, 2, 3, -1, &listener));
    const Answer answer = codingAnswer(1, 2, 0x1234, 5);
    dispatcher().route(model::RPC_GET, answer.bytes);
    EXPECT_TRUE(log.empty());

    std::uint8_t copy[18] = {};
    EXPECT_TRUE(get.isChanged());
    EXPECT_TRUE(get.isChanged()); // looking does not clear it
    EXPECT_TRUE(get.takeResponse(copy));
    EXPECT_EQ(std::memcmp(copy, answer.bytes, 18), 0);
    EXPECT_FALSE(get.takeResponse(copy));
    get.deactivate();
}

TEST_F(FunctionCalls, CallFrames)
{
    model::RPCGroup rpc;
    const std::uint8_t data[2] = {1, 0};
    EXPECT_TRUE(rpc.get.setAndSend(1, 2, 3, -1, nullptr));
    EXPECT_TRUE(rpc.put.setAndSend(4, 5, 6, 0x0102, -2, nullptr));
    EXPECT_TRUE(rpc.factorySettings.setAndSend(2));
    EXPECT_TRUE(rpc.factorySettings.sendFor(1));
    EXPECT_TRUE(rpc.functionCode.sendCode(0x20));
    EXPECT_TRUE(rpc.functionCode.sendCodeWithData(97, data, 1));
    EXPECT_TRUE(rpc.actuator.request());
    // Neither sends anything: their calls are made directly.
    EXPECT_FALSE(rpc.functionCode.send());
    EXPECT_FALSE(rpc.functionCode.request());
    EXPECT_FALSE(rpc.factorySettings.request());

    const std::int16_t extra = -2;
    const std::uint16_t value = 0x0102;
    std::vector<std::uint8_t> put = {4, 5, 6, 1, 0, 0, 0, 0};
    std::memcpy(&put[4], &value, 2);
    std::memcpy(&put[6], &extra, 2);
    struct Expected { std::uint16_t address; std::vector<std::uint8_t> data; };
    // Calls go to the front of the queue: the latest comes out first.
    const Expected expected[] = {
        {0xA053, {}}, {0xA052, {97, 1}}, {0xA052, {0x20}}, {0xA051, {1}}, {0xA051, {2}}, {0xA281, put},
        {0xA280, {1, 2, 3, 0xFF}},
    };
    const std::vector<Sent> sent = sentCalls();
    ASSERT_EQ(sent.size(), sizeof(expected) / sizeof(expected[0]));
    for (std::size_t i = 0; i < sent.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(sent[i].address, expected[i].address);
        EXPECT_EQ(sent[i].data, expected[i].data);
    }
}

TEST_F(FunctionCalls, AFilterHearsTheResponsesOfItsCalls)
{
    model::RPCGroup rpc;
    model::DefaultPropertyFilter filter;
    filter.add(&rpc.get);
    filter.add(&rpc.functionCode);
    filter.activateAll();
    EXPECT_EQ(dispatcher().getCount(), registeredBefore + 2);
    EXPECT_TRUE(sentCalls().empty()); // activation sends nothing
    filter.refreshAll();
    EXPECT_EQ(sentCalls().size(), 1u); // the get call only

    filter.clearChanged();
    const std::uint8_t data[18] = {};
    receiveCallResponse(0xA280, data, sizeof(data));
    EXPECT_TRUE(filter.takeChanged());
    filter.removeAll();
    EXPECT_EQ(dispatcher().getCount(), registeredBefore);
}
