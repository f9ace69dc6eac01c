// The simulated bus: enumeration order, faults, presence and the frame log.
#include <string>

#include "sim_test_support.h"

namespace travik::sim {
namespace {

using BackendTest = SimFixture;

TEST_F(BackendTest, EnumerationOrderFollowsTheGroupsNotTheAdditions) {
  SimDevice& locked = bus.AddUnopenable();
  SimDevice& mouse = bus.AddMouse();
  SimDevice& other_usage = bus.AddVendorOtherUsage(2);
  SimDevice& vendor = bus.AddVendorDevice(0x1111, 0x2222);
  SimTransmitter& first = bus.AddTransmitter();
  SimDevice& keyboard = bus.AddKeyboard();
  SimTransmitter& second = bus.AddTransmitter();
  EXPECT_EQ(bus.ListInterfaces(),
            (std::vector<std::string>{first.path(), second.path(), vendor.path(), other_usage.path(),
                                      mouse.path(), keyboard.path(), locked.path()}));
  EXPECT_NE(first.path(), second.path());
}

TEST_F(BackendTest, FaultsCountFromArmingAndFireOnce) {
  bus.AddTransmitter();
  Connect();
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(Send(0xCF, 0, 0));
  bus.FailNth(Exchange::kSetFeature, 3);
  bus.FailNth(Exchange::kGetFeature, 1);
  std::array<std::uint8_t, 9> reply{};
  EXPECT_TRUE(Send(0xCF, 0, 0));
  EXPECT_FALSE(ReadFeatureReport(reply.data(), 9, 1));
  EXPECT_TRUE(Send(0xCF, 0, 0));
  EXPECT_FALSE(Send(0xCF, 0, 0));
  EXPECT_TRUE(Send(0xCF, 0, 0));
  EXPECT_TRUE(ReadFeatureReport(reply.data(), 9, 1));

  bus.FailAll(Exchange::kSetFeature, true);
  EXPECT_FALSE(Send(0xCF, 0, 0));
  EXPECT_FALSE(Send(0xCF, 0, 0));
  bus.ClearFaults();
  EXPECT_TRUE(Send(0xCF, 0, 0));
}

TEST_F(BackendTest, RefusedOpenAndUnopenableDevicesSayWhy) {
  SimTransmitter& tx = bus.AddTransmitter();
  bus.FailNth(Exchange::kOpen, 1);
  EXPECT_EQ(bus.Open(tx.path()), kClosedHandle);
  EXPECT_EQ(bus.LastOpenError(), "refused");
  tx.set_openable(false);
  EXPECT_EQ(bus.Open(tx.path()), kClosedHandle);
  EXPECT_EQ(bus.LastOpenError(), "permission denied");
  tx.set_openable(true);
  bus.Unplug(tx);
  EXPECT_EQ(bus.Open(tx.path()), kClosedHandle);
  EXPECT_EQ(bus.LastOpenError(), "device not present");
  EXPECT_TRUE(bus.ListInterfaces().empty());
  bus.Replug(tx);
  HidHandle h = bus.Open(tx.path());
  EXPECT_NE(h, kClosedHandle);
  EXPECT_EQ(bus.LastOpenError(), "");
  bus.Close(h);
}

TEST_F(BackendTest, FrameLogHoldsEveryExchangeInOrder) {
  SimTransmitter& tx = bus.AddTransmitter();
  tx.SetIdText("NSC");
  Connect();
  bus.ClearLog();
  ASSERT_TRUE(Send(0xCC));
  std::array<std::uint8_t, 64> report{};
  ASSERT_TRUE(Read(report));
  EXPECT_FALSE(Read(report));
  CloseSlot(1);

  const std::vector<LogEntry>& log = bus.Log();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0].kind, Exchange::kSetFeature);
  EXPECT_EQ(log[0].bytes, (std::vector<std::uint8_t>{0x00, 0xCC, 0, 0, 0, 0xD4, 0x71, 0x3A, 0x5C}));
  EXPECT_EQ(log[0].path, tx.path());
  EXPECT_EQ(log[1].kind, Exchange::kReadInput);
  ASSERT_EQ(log[1].bytes.size(), 64u);
  EXPECT_EQ(std::string(log[1].bytes.begin() + 1, log[1].bytes.begin() + 17), "NSC             ");
  EXPECT_TRUE(log[1].ok);
  EXPECT_FALSE(log[2].ok);
  EXPECT_TRUE(log[2].timed_out);
  EXPECT_TRUE(log[2].bytes.empty());
  EXPECT_EQ(log[3].kind, Exchange::kClose);
  EXPECT_STREQ(ExchangeName(log[3].kind), "close");
  bus.ClearLog();
  EXPECT_TRUE(bus.Log().empty());
}

TEST_F(BackendTest, StaleAndUnknownClosesAreCounted) {
  SimTransmitter& tx = bus.AddTransmitter();
  HidHandle h = bus.Open(tx.path());
  bus.Close(h);
  bus.Close(h);
  bus.Close(12345);
  EXPECT_EQ(bus.CloseCount(h), 2);
  EXPECT_EQ(bus.StaleCloses(), 2);
  EXPECT_EQ(bus.OpenHandles(), 0);
}

TEST_F(BackendTest, DevicesSeeTheBackendsClock) {
  SimTransmitter& tx = bus.AddTransmitter();
  EXPECT_EQ(tx.Now(), 0);
  std::int64_t now = 1234;
  bus.SetClock([&] { return now; });
  EXPECT_EQ(tx.Now(), 1234);
}

// A restart command that makes the device leave the bus and come back later,
// the way a personality change is built on the handler hooks.
class RestartingTransmitter : public SimTransmitter {
 public:
  using SimTransmitter::SimTransmitter;
  void Advance(std::int64_t now_ms) override {
    if (!present() && now_ms >= back_at_) Replug();
  }

 protected:
  void OnRestartIntoBootloader() override {
    Unplug();
    back_at_ = Now() + 500;
  }

 private:
  std::int64_t back_at_ = 0;
};

TEST_F(BackendTest, ADeviceCanLeaveAndRejoinTheBusByItself) {
  std::int64_t now = 1000;
  bus.SetClock([&] { return now; });
  bus.Add(std::make_unique<RestartingTransmitter>("sim/restarting"), Group::kTransmitter);
  Connect();
  ASSERT_TRUE(Send(0xCA));
  EXPECT_FALSE(Send(0xCF, 0, 0));  // the old handle is gone
  now = 1499;
  EXPECT_TRUE(bus.ListInterfaces().empty());
  now = 1500;
  EXPECT_EQ(bus.ListInterfaces(), std::vector<std::string>{"sim/restarting"});
  ASSERT_TRUE(OpenRemembered(0, 1));
  EXPECT_TRUE(Send(0xCF, 0, 0));
}

}  // namespace
}  // namespace travik::sim
