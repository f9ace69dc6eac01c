// The device list, the slots and the report transfers over the simulated bus.
#include "hid/hid.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "sim/sim_backend.h"

namespace travik {
namespace {

using sim::Exchange;

class HidTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    SetCurrentHidBackend(&bus);
  }
  void TearDown() override {
    SetHidTrace(nullptr, nullptr);
    SetCurrentHidBackend(nullptr);
  }

  std::vector<std::string> ListedPaths() const {
    const DeviceList& list = G().Devices;
    return {list.paths.begin(), list.paths.begin() + list.count};
  }
  std::vector<std::string> OpenedPaths() const {
    std::vector<std::string> paths;
    for (const sim::LogEntry& e : bus.LogOf(Exchange::kOpen)) paths.push_back(e.path);
    return paths;
  }
  sim::SimDevice& AddVendor(int i) {
    return bus.AddVendorDevice(0xA600, static_cast<std::uint16_t>(0x1000 + i));
  }

  sim::SimBackend bus;
};

// --- Enumeration -----------------------------------------------------------

struct AppendCase {
  const char* name;
  int devices;
  int enumerations;
  int expected_count;
};

class EnumerateAppendTest : public HidTest, public ::testing::WithParamInterface<AppendCase> {};

TEST_P(EnumerateAppendTest, AppendsInOrderUpToTen) {
  const AppendCase& c = GetParam();
  std::vector<std::string> present;
  for (int i = 0; i < c.devices; ++i) present.push_back(AddVendor(i).path());
  int count = 0;
  for (int e = 0; e < c.enumerations; ++e) count = EnumerateDevices();

  EXPECT_EQ(count, c.expected_count);
  ASSERT_EQ(G().Devices.count, c.expected_count);
  for (int i = 0; i < c.expected_count; ++i) {
    EXPECT_EQ(G().Devices.paths[i], present[i % c.devices]) << "position " << i;
  }
  for (int i = c.expected_count; i < kDeviceListCapacity; ++i) EXPECT_TRUE(G().Devices.paths[i].empty());
  EXPECT_EQ(G().Slots[0].handle, kClosedHandle);
  EXPECT_EQ(bus.OpenHandles(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Hid, EnumerateAppendTest,
    ::testing::Values(AppendCase{"none", 0, 1, 0}, AppendCase{"three", 3, 1, 3},
                      AppendCase{"eleven_keeps_ten", 11, 1, 10}, AppendCase{"twice_duplicates", 3, 2, 6},
                      AppendCase{"thrice_overflows", 4, 3, 10}, AppendCase{"full_stays_full", 10, 2, 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HidTest, EnumerationStopsProbingOnceTheListIsFull) {
  for (int i = 0; i < 11; ++i) AddVendor(i);
  EnumerateDevices();
  std::vector<std::string> opened = OpenedPaths();
  EXPECT_EQ(opened.size(), 10u);
  EXPECT_EQ(opened, ListedPaths());

  bus.ClearLog();
  EXPECT_EQ(EnumerateDevices(), 10);
  EXPECT_TRUE(bus.LogOf(Exchange::kOpen).empty());
}

TEST_F(HidTest, EnumerationSkipsWhatIsNotOurVendorInterface) {
  const std::string transmitter = bus.AddTransmitter().path();
  bus.AddVendorOtherUsage(0x0002);
  bus.AddKeyboard();
  bus.AddMouse();
  bus.AddUnopenable();
  const std::string other_vendor = bus.AddVendorDevice(0x1111, 0x2222).path();

  EXPECT_EQ(EnumerateDevices(), 2);
  EXPECT_EQ(ListedPaths(), (std::vector<std::string>{transmitter, other_vendor}));
  EXPECT_EQ(G().Slots[0].handle, kClosedHandle);
  EXPECT_EQ(bus.OpenHandles(), 0);
  EXPECT_EQ(bus.StaleCloses(), 0);
}

TEST_F(HidTest, EnumerationSkipsAnInterfaceThatRefusesTheProbe) {
  AddVendor(0);
  const std::string second = AddVendor(1).path();
  bus.FailNth(Exchange::kOpen, 1);
  EXPECT_EQ(EnumerateDevices(), 1);
  EXPECT_EQ(ListedPaths(), std::vector<std::string>{second});
}

TEST_F(HidTest, ReleaseKeepsCountAndClearEmptiesTheList) {
  AddVendor(0);
  AddVendor(1);
  EnumerateDevices();
  ReleaseDeviceList();
  EXPECT_EQ(G().Devices.count, 2);
  for (const std::string& p : G().Devices.paths) EXPECT_TRUE(p.empty());
  ClearDeviceList();
  EXPECT_EQ(G().Devices.count, 0);
  EXPECT_EQ(EnumerateDevices(), 2);
}

// --- Finding by identifiers --------------------------------------------------

struct WalkCase {
  const char* name;
  std::uint16_t product;  // searched for, vendor 0xA600
  bool found;
  int position;
};

class WalkTest : public HidTest, public ::testing::WithParamInterface<WalkCase> {};

TEST_P(WalkTest, FindAndRememberRecordsThePositionAndClosesTheSlot) {
  // Positions: 0 calibration device, 1 transmitter, 2 another vendor device.
  sim::SimTransmitter& calibrator = bus.AddTransmitter();
  calibrator.set_ids(0xA600, 0xE24F);
  bus.AddTransmitter();
  bus.AddVendorDevice(0xA600, 0x7777);
  ASSERT_EQ(EnumerateDevices(), 3);
  G().Slots[1].remembered = -5;

  const WalkCase& c = GetParam();
  EXPECT_EQ(FindAndRemember(0xA600, c.product, G().Devices.count, 1), c.found);
  EXPECT_EQ(G().Slots[1].handle, kClosedHandle);
  EXPECT_EQ(G().Slots[1].remembered, c.found ? c.position : -5);
  EXPECT_EQ(bus.OpenHandles(), 0);

  if (c.found) {
    bus.ClearLog();
    ASSERT_TRUE(OpenRemembered(G().Slots[1].remembered, 1));
    EXPECT_EQ(OpenedPaths(), std::vector<std::string>{G().Devices.paths[c.position]});
  }
}

INSTANTIATE_TEST_SUITE_P(Hid, WalkTest,
                         ::testing::Values(WalkCase{"first", 0xE24F, true, 0},
                                           WalkCase{"second", 0xE240, true, 1},
                                           WalkCase{"last", 0x7777, true, 2},
                                           WalkCase{"absent", 0x1234, false, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HidTest, OpenByIdsLeavesTheMatchOpenAndRemembersNothing) {
  bus.AddVendorDevice(0xA600, 0x7777);
  const std::string transmitter = bus.AddTransmitter().path();  // listed first: transmitters lead
  EnumerateDevices();
  G().Slots[1].remembered = 7;
  ASSERT_TRUE(OpenByIds(0xA600, 0xE240, G().Devices.count, 1));
  EXPECT_NE(G().Slots[1].handle, kClosedHandle);
  EXPECT_EQ(G().Slots[1].remembered, 7);
  EXPECT_EQ(bus.OpenHandles(), 1);
  EXPECT_EQ(OpenedPaths().back(), transmitter);
}

TEST_F(HidTest, WalkStopsAtADeviceThatCannotBeOpened) {
  sim::SimTransmitter& blocker = bus.AddTransmitter();
  blocker.set_ids(0xA600, 0xE24F);
  const std::string wanted = bus.AddTransmitter().path();
  ASSERT_EQ(EnumerateDevices(), 2);
  blocker.set_openable(false);  // taken by another program since the enumeration
  bus.ClearLog();

  EXPECT_FALSE(FindAndRemember(0xA600, 0xE240, 2, 1));
  EXPECT_FALSE(OpenByIds(0xA600, 0xE240, 2, 1));
  EXPECT_EQ(G().Slots[1].handle, kClosedHandle);
  for (const std::string& p : OpenedPaths()) EXPECT_NE(p, wanted);
}

TEST_F(HidTest, WalkFailsOnAnEmptyEntryWithinTheCount) {
  bus.AddVendorDevice(0xA600, 0x7777);
  EnumerateDevices();
  EXPECT_FALSE(FindAndRemember(0xA600, 0xE240, 5, 1));
  EXPECT_FALSE(OpenByIds(0xA600, 0xE240, 0, 1));
  EXPECT_EQ(G().Slots[1].handle, kClosedHandle);
}

TEST_F(HidTest, OpenRememberedRejectsEmptyAndOutOfRangeEntries) {
  bus.AddTransmitter();
  EnumerateDevices();
  for (int position : {1, 9, 10, -1}) {
    ASSERT_TRUE(OpenRemembered(0, 1));  // something open that must not leak
    HidHandle held = G().Slots[1].handle;
    EXPECT_FALSE(OpenRemembered(position, 1)) << position;
    EXPECT_EQ(G().Slots[1].handle, kClosedHandle);
    EXPECT_EQ(bus.CloseCount(held), 1);
  }
  EXPECT_FALSE(OpenRemembered(0, 3));  // no such slot
}

// --- Closed marker -----------------------------------------------------------

TEST_F(HidTest, ClosingTwiceNeverClosesAStaleHandle) {
  bus.AddTransmitter();
  EnumerateDevices();
  ASSERT_TRUE(OpenRemembered(0, 1));
  HidHandle first = G().Slots[1].handle;
  CloseSlot(1);
  CloseSlot(1);
  EXPECT_EQ(bus.CloseCount(first), 1);
  EXPECT_EQ(bus.StaleCloses(), 0);
  CloseSlot(7);  // no such slot: nothing happens
}

TEST_F(HidTest, OpeningIntoAnOccupiedSlotClosesWhatItHeld) {
  bus.AddTransmitter();
  EnumerateDevices();
  ASSERT_TRUE(OpenRemembered(0, 1));
  HidHandle first = G().Slots[1].handle;
  ASSERT_TRUE(OpenByIds(0xA600, 0xE240, 1, 1));
  HidHandle second = G().Slots[1].handle;
  EXPECT_NE(first, second);
  EXPECT_EQ(bus.CloseCount(first), 1);
  ASSERT_TRUE(FindAndRemember(0xA600, 0xE240, 1, 1));
  EXPECT_EQ(bus.CloseCount(second), 1);
  EXPECT_EQ(bus.OpenHandles(), 0);
  EXPECT_EQ(bus.StaleCloses(), 0);
}

// --- Transfers ---------------------------------------------------------------

struct TraceRecord {
  HidTraceEvent::Kind kind;
  std::uint8_t slot;
  std::vector<std::uint8_t> bytes;
  bool ok;
};

void CollectTrace(const HidTraceEvent& event, void* context) {
  static_cast<std::vector<TraceRecord>*>(context)->push_back(
      {event.kind, event.slot, std::vector<std::uint8_t>(event.bytes, event.bytes + event.length), event.ok});
}

class TransferTest : public HidTest {
 protected:
  void SetUp() override {
    HidTest::SetUp();
    transmitter = &bus.AddTransmitter();
    EnumerateDevices();
    ASSERT_TRUE(OpenRemembered(0, 1));
    SetHidTrace(&CollectTrace, &trace);
  }
  std::array<std::uint8_t, 9> Command(std::uint8_t code, std::uint8_t p2 = 0) {
    return {0, code, p2, 0, 0, 0xD4, 0x71, 0x3A, 0x5C};
  }

  sim::SimTransmitter* transmitter = nullptr;
  std::vector<TraceRecord> trace;
};

TEST_F(TransferTest, EveryExchangeIsTracedWithItsBytesAndOutcome) {
  auto init = Command(0xCC);
  ASSERT_TRUE(SendFeatureReport(init.data(), 9, 1));
  std::array<std::uint8_t, 64> input{};
  std::uint32_t got = 0;
  ASSERT_TRUE(ReadInputReport(input.data(), 64, got, 1));
  EXPECT_EQ(got, 64u);
  std::array<std::uint8_t, 9> reply{};
  ASSERT_TRUE(ReadFeatureReport(reply.data(), 9, 1));
  std::array<std::uint8_t, 64> output{};
  std::uint32_t put = 0;
  ASSERT_TRUE(WriteOutputReport(output.data(), 64, put, 1));
  EXPECT_EQ(put, 64u);
  EXPECT_FALSE(ReadInputReport(input.data(), 64, got, 1));  // nothing more to send
  EXPECT_EQ(got, 0u);

  ASSERT_EQ(trace.size(), 5u);
  EXPECT_EQ(trace[0].kind, HidTraceEvent::kSetFeature);
  EXPECT_EQ(trace[0].bytes, std::vector<std::uint8_t>(init.begin(), init.end()));
  EXPECT_EQ(trace[1].kind, HidTraceEvent::kReadInput);
  EXPECT_EQ(trace[1].bytes, std::vector<std::uint8_t>(input.begin(), input.end()));
  EXPECT_EQ(trace[2].kind, HidTraceEvent::kGetFeature);
  EXPECT_EQ(trace[2].bytes.size(), 9u);
  EXPECT_EQ(trace[3].kind, HidTraceEvent::kWriteOutput);
  EXPECT_EQ(trace[3].bytes.size(), 64u);
  EXPECT_FALSE(trace[4].ok);
  EXPECT_TRUE(trace[4].bytes.empty());
  for (const TraceRecord& r : trace) EXPECT_EQ(r.slot, 1);
}

TEST_F(TransferTest, ClosedSlotOrNoBackendFailsEveryExchange) {
  std::array<std::uint8_t, 64> buffer{};
  std::uint32_t n = 99;
  auto run_all = [&](std::uint8_t slot) {
    EXPECT_FALSE(SendFeatureReport(buffer.data(), 9, slot));
    EXPECT_FALSE(ReadFeatureReport(buffer.data(), 9, slot));
    EXPECT_FALSE(ReadInputReport(buffer.data(), 64, n, slot));
    EXPECT_EQ(n, 0u);
    EXPECT_FALSE(WriteOutputReport(buffer.data(), 64, n, slot));
    char text[8] = "xxxxxxx";
    EXPECT_FALSE(ReadProductText(text, 4, slot));
    EXPECT_STREQ(text, "xxxxxxx");
  };
  run_all(2);  // never opened
  run_all(5);  // no such slot

  SetCurrentHidBackend(nullptr);
  run_all(1);
  EXPECT_EQ(EnumerateDevices(), 1);  // the list stands as it was
  EXPECT_FALSE(OpenRemembered(0, 1));
  EXPECT_FALSE(FindAndRemember(0xA600, 0xE240, 1, 1));
  SetCurrentHidBackend(&bus);
}

// The window layer coalesces a timer's idle ticks only while this stands still.
TEST_F(TransferTest, EveryAttemptedExchangeMovesTheCounterAndBookkeepingDoesNot) {
  std::array<std::uint8_t, 64> buffer{};
  std::uint32_t n = 0;
  char text[8] = {};
  struct Row {
    const char* what;
    std::function<void()> run;
    bool counts;
  };
  const std::vector<Row> rows = {
      {"set feature", [&] { SendFeatureReport(buffer.data(), 9, 1); }, true},
      {"get feature", [&] { ReadFeatureReport(buffer.data(), 9, 1); }, true},
      {"input, nothing to read", [&] { ReadInputReport(buffer.data(), 64, n, 1); }, true},
      {"output", [&] { WriteOutputReport(buffer.data(), 64, n, 1); }, true},
      {"product text", [&] { ReadProductText(text, 4, 1); }, true},
      {"refused: slot never opened", [&] { SendFeatureReport(buffer.data(), 9, 2); }, true},
      {"enumeration", [&] { EnumerateDevices(); }, true},
      {"open", [&] { OpenRemembered(0, 2); }, true},
      {"close an open slot", [&] { CloseSlot(2); }, true},
      {"close a closed slot", [&] { CloseSlot(2); }, false},
      {"release the list", [&] { ReleaseDeviceList(); }, false},
      {"clear the list", [&] { ClearDeviceList(); }, false},
      {"bad buffer", [&] { SendFeatureReport(nullptr, 9, 1); }, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const std::uint64_t before = HidExchangeCount();
    row.run();
    EXPECT_EQ(HidExchangeCount() > before, row.counts);
  }
}

struct FaultCase {
  const char* name;
  Exchange kind;
  bool timeout;
};

class TransferFaultTest : public TransferTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(TransferFaultTest, OnlyTheArmedExchangeOfTheKindFails) {
  const FaultCase& c = GetParam();
  // Streaming set up before the fault is armed: these do not count.
  auto read_block = Command(0xC0, 1);
  auto write_block = Command(0xC1, 1);
  ASSERT_TRUE(SendFeatureReport(read_block.data(), 9, 1));
  ASSERT_TRUE(SendFeatureReport(write_block.data(), 9, 1));
  if (c.timeout) {
    bus.TimeoutNthRead(2);
  } else {
    bus.FailNth(c.kind, 2);
  }
  auto beep = Command(0xCF);
  auto exchange = [&] {
    std::array<std::uint8_t, 64> buffer{};
    std::uint32_t n = 0;
    switch (c.kind) {
      case Exchange::kSetFeature: return SendFeatureReport(beep.data(), 9, 1);
      case Exchange::kGetFeature: return ReadFeatureReport(buffer.data(), 9, 1);
      case Exchange::kReadInput: return ReadInputReport(buffer.data(), 64, n, 1);
      case Exchange::kWriteOutput: return WriteOutputReport(buffer.data(), 64, n, 1);
      default: return false;
    }
  };
  EXPECT_TRUE(exchange());
  EXPECT_FALSE(exchange());
  EXPECT_TRUE(exchange());
  ASSERT_EQ(trace.size(), 5u);
  EXPECT_FALSE(trace[3].ok);
  std::vector<sim::LogEntry> log = bus.LogOf(c.kind);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log[log.size() - 2].timed_out, c.timeout);
}

INSTANTIATE_TEST_SUITE_P(Hid, TransferFaultTest,
                         ::testing::Values(FaultCase{"set_feature", Exchange::kSetFeature, false},
                                           FaultCase{"get_feature", Exchange::kGetFeature, false},
                                           FaultCase{"read_input", Exchange::kReadInput, false},
                                           FaultCase{"read_timeout", Exchange::kReadInput, true},
                                           FaultCase{"write_output", Exchange::kWriteOutput, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransferTest, UnpluggedDeviceFailsOnItsOldHandleEvenAfterReplug) {
  auto beep = Command(0xCF);
  bus.Unplug(*transmitter);
  EXPECT_FALSE(SendFeatureReport(beep.data(), 9, 1));
  bus.Replug(*transmitter);
  EXPECT_FALSE(SendFeatureReport(beep.data(), 9, 1));
  ASSERT_TRUE(OpenRemembered(0, 1));
  EXPECT_TRUE(SendFeatureReport(beep.data(), 9, 1));
  EXPECT_EQ(transmitter->beep_count(), 1);
}

// --- Product text ------------------------------------------------------------

struct ProductCase {
  const char* name;
  std::u16string product;
  int count;
  std::string expected;
};

class ProductTextTest : public TransferTest, public ::testing::WithParamInterface<ProductCase> {};

TEST_P(ProductTextTest, KeepsTheLowByteOfEachUnit) {
  const ProductCase& c = GetParam();
  transmitter->set_product_string(c.product);
  std::array<char, 140> text;
  text.fill('#');
  ASSERT_TRUE(ReadProductText(text.data(), c.count, 1));
  EXPECT_EQ(std::string(text.data()), c.expected);
  for (int k = static_cast<int>(c.expected.size()); k <= c.count; ++k) EXPECT_EQ(text[k], '\0') << k;
  EXPECT_EQ(text[c.count + 1], '#');  // nothing written past count + 1
}

INSTANTIATE_TEST_SUITE_P(
    Hid, ProductTextTest,
    ::testing::Values(ProductCase{"ascii", u"ABC", 24, "ABC"},
                      ProductCase{"above_latin1", u"\u0141ODZ", 24, "AODZ"},
                      ProductCase{"latin1_kept", u"T\u00e9st", 24, "T\xe9st"},
                      ProductCase{"cut_at_count", u"Kolvar KDB", 3, "Kol"},
                      ProductCase{"zero_unit_ends", std::u16string(u"AB\0CD", 5), 24, "AB"},
                      ProductCase{"empty", u"", 24, ""},
                      ProductCase{"long_count", u"Kolvar transmitter", 128, "Kolvar transmitter"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransferTest, ProductTextFailureLeavesTheBufferAlone) {
  bus.FailNth(Exchange::kProductString, 1);
  char text[6] = "keep!";
  EXPECT_FALSE(ReadProductText(text, 5, 1));
  EXPECT_STREQ(text, "keep!");
}

}  // namespace
}  // namespace travik
