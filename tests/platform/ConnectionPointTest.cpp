#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/Bstr.h"
#include "platform/com/COleDispatchDriver.h"
#include "platform/com/EventSink.h"
#include "tests/platform/ComTestLibrary.h"

namespace {

struct Received {
  DISPID id;
  std::vector<std::string> args;  // each argument as text, in declared order
};

EventSink* MakeSink(std::vector<Received>* log, const char* tag = "") {
  return new EventSink(comtest::kEventsIid, [log, tag](DISPID id, std::span<const VARIANT> args) {
    Received r{id, {}};
    for (const VARIANT& arg : args) {
      CComVariant text;
      VariantChangeType(&text, &arg, 0, VT_BSTR);
      r.args.push_back(std::string(tag) + CP932FromBstr(text.bstrVal).str());
    }
    log->push_back(r);
  });
}

const BYTE kFireArgs[] = VTS_I4 VTS_I4 VTS_BSTR;

class ConnectionPointTest : public ::testing::Test {
 protected:
  void SetUp() override {
    IDispatch* object = comtest::CreateObject();
    ASSERT_TRUE(object);
    m_source.AttachDispatch(object);
  }
  COleDispatchDriver m_source;
};

}  // namespace

TEST_F(ConnectionPointTest, EventReachesAdvisedSinksInOrderWithItsArguments) {
  std::vector<Received> log;
  EventSink* first = MakeSink(&log, "1:");
  EventSink* second = MakeSink(&log, "2:");
  ASSERT_EQ(first->Connect(m_source.m_lpDispatch), S_OK);
  ASSERT_EQ(second->Connect(m_source.m_lpDispatch), S_OK);

  m_source.InvokeHelper(comtest::kFire, DISPATCH_METHOD, VT_EMPTY, nullptr, kFireArgs, LONG{7}, LONG{-3}, "リンク");
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].id, 7);
  EXPECT_EQ(log[0].args, (std::vector<std::string>{"1:-3", "1:リンク"}));
  EXPECT_EQ(log[1].args, (std::vector<std::string>{"2:-3", "2:リンク"}));

  first->Disconnect();
  log.clear();
  m_source.InvokeHelper(comtest::kFire, DISPATCH_METHOD, VT_EMPTY, nullptr, kFireArgs, LONG{3}, LONG{1}, "x");
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].args[0], "2:1");
  second->Disconnect();
  first->Release();
  second->Release();
}

TEST_F(ConnectionPointTest, AFailingSinkDoesNotStopTheNext) {
  std::vector<Received> log;
  EventSink* failing = new EventSink(comtest::kEventsIid, [](DISPID, std::span<const VARIANT>) {
    throw std::runtime_error("host failure");  // must not reach the source
  });
  EventSink* second = MakeSink(&log);
  ASSERT_EQ(failing->Connect(m_source.m_lpDispatch), S_OK);
  ASSERT_EQ(second->Connect(m_source.m_lpDispatch), S_OK);
  m_source.InvokeHelper(comtest::kFire, DISPATCH_METHOD, VT_EMPTY, nullptr, kFireArgs, LONG{1}, LONG{5}, "a");
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].args, (std::vector<std::string>{"5", "a"}));
  failing->Disconnect();
  second->Disconnect();
  failing->Release();
  second->Release();
}

TEST_F(ConnectionPointTest, AdviseRefusesWrongInterfaceAndUnadviseUnknownCookie) {
  IConnectionPointContainer* container = nullptr;
  ASSERT_EQ(m_source.m_lpDispatch->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)),
            S_OK);
  IConnectionPoint* point = nullptr;
  EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, &point), CONNECT_E_NOCONNECTION);
  ASSERT_EQ(container->FindConnectionPoint(comtest::kEventsIid, &point), S_OK);
  EventSink* other = new EventSink(IID_IEnumVARIANT, nullptr);  // answers another event interface
  DWORD cookie = 0;
  EXPECT_EQ(point->Advise(other, &cookie), CONNECT_E_CANNOTCONNECT);
  EXPECT_EQ(point->Unadvise(42), CONNECT_E_NOCONNECTION);
  other->Release();
  point->Release();
  container->Release();
}
