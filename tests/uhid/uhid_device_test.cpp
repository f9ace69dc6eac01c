// The uhid transport of travik-uhid against a recorded kernel side: the
// report-ID conventions of each report kind, the endpoint timing, and leaving
// and rejoining the bus.
#include "uhid/uhid_device.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "sim/sim_backend.h"
#include "sim/sim_bootloader.h"
#include "sim/sim_calibrator.h"
#include "sim/sim_models.h"

namespace travik::uhid {
namespace {

struct Kernel : Channel {
  std::vector<uhid_event> events;
  bool Write(const uhid_event& event) override {
    events.push_back(event);
    return true;
  }
  std::vector<uhid_event> Take(std::uint32_t type) {
    std::vector<uhid_event> out;
    for (const uhid_event& e : events)
      if (e.type == type) out.push_back(e);
    events.erase(std::remove_if(events.begin(), events.end(),
                                [type](const uhid_event& e) { return e.type == type; }),
                 events.end());
    return out;
  }
};

class UhidDevice : public ::testing::Test {
 protected:
  void SetUp() override { bus.SetClock([this] { return now; }); }

  uhid_event Event(std::uint32_t type) {
    uhid_event e;
    std::memset(&e, 0, sizeof e);
    e.type = type;
    return e;
  }
  // A command frame as hidraw hands it over: report-ID byte 0 first.
  uhid_event SetFeature(std::uint8_t code, std::uint8_t p2 = 0, std::uint8_t rnum = 0) {
    uhid_event e = Event(UHID_SET_REPORT);
    e.u.set_report = {};
    e.u.set_report.id = 7;
    e.u.set_report.rnum = rnum;
    e.u.set_report.rtype = UHID_FEATURE_REPORT;
    e.u.set_report.size = 9;
    const std::uint8_t frame[9] = {rnum, code, p2, 0, 0, 0xD4, 0x71, 0x3A, 0x5C};
    std::memcpy(e.u.set_report.data, frame, 9);
    return e;
  }
  void Wait(std::int64_t ms, VirtualDevice& d) {
    for (std::int64_t t = 0; t < ms; t += 5) {
      now += 5;
      d.Tick();
    }
  }

  std::int64_t now = 0;
  sim::SimBackend bus;
  Kernel kernel;
};

TEST_F(UhidDevice, PresentsTheTransmitterWithItsIdentityAndReportSizes) {
  sim::SimBootableTransmitter& kdb = sim::AddBootableTransmitter(bus, *sim::FindSimModel("KDB"));
  VirtualDevice d(kdb, kernel);
  d.Tick();
  std::vector<uhid_event> created = kernel.Take(UHID_CREATE2);
  ASSERT_EQ(created.size(), 1u);
  const uhid_create2_req& c = created[0].u.create2;
  EXPECT_STREQ(reinterpret_cast<const char*>(c.name), "Kolvar KDB");
  EXPECT_EQ(c.vendor, 0xA600u);
  EXPECT_EQ(c.product, 0xE240u);
  EXPECT_EQ(c.bus, 0x03);
  const std::vector<std::uint8_t> rd(c.rd_data, c.rd_data + c.rd_size);
  // Vendor page, usage 1, one application collection, no report IDs; report
  // counts 63 (input), 63 (output), 8 (feature).
  EXPECT_EQ(std::vector<std::uint8_t>(rd.begin(), rd.begin() + 7),
            (std::vector<std::uint8_t>{0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01}));
  EXPECT_EQ(std::count(rd.begin(), rd.end(), 0x85), 0);
  std::vector<int> counts;
  for (std::size_t i = 0; i + 1 < rd.size(); ++i)
    if (rd[i] == 0x95) counts.push_back(rd[i + 1]);
  EXPECT_EQ(counts, (std::vector<int>{63, 63, 8}));
}

TEST_F(UhidDevice, ReportIdByteOnEachReportKind) {
  sim::SimBootableTransmitter& kdb = sim::AddBootableTransmitter(bus, *sim::FindSimModel("KDB"));
  VirtualDevice d(kdb, kernel);
  d.Tick();
  kernel.events.clear();

  // Init while nobody has the device open: the identification waits in the
  // endpoint for the next open, then goes out without the report-ID byte.
  d.Handle(SetFeature(0xCC));
  std::vector<uhid_event> replies = kernel.Take(UHID_SET_REPORT_REPLY);
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_EQ(replies[0].u.set_report_reply.id, 7u);
  EXPECT_EQ(replies[0].u.set_report_reply.err, 0);
  Wait(100, d);
  EXPECT_TRUE(kernel.Take(UHID_INPUT2).empty());
  d.Handle(Event(UHID_OPEN));
  std::vector<uhid_event> inputs = kernel.Take(UHID_INPUT2);
  ASSERT_EQ(inputs.size(), 1u);
  EXPECT_EQ(inputs[0].u.input2.size, 63);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(inputs[0].u.input2.data), 11), "KDB SN10222");

  // A reply carries the report-ID byte first.
  uhid_event get = Event(UHID_GET_REPORT);
  get.u.get_report.id = 9;
  get.u.get_report.rtype = UHID_FEATURE_REPORT;
  d.Handle(get);
  replies = kernel.Take(UHID_GET_REPORT_REPLY);
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_EQ(replies[0].u.get_report_reply.id, 9u);
  EXPECT_EQ(replies[0].u.get_report_reply.size, 9);
  EXPECT_EQ(replies[0].u.get_report_reply.data[0], 0);
  EXPECT_EQ(replies[0].u.get_report_reply.data[1], 0xCC);

  // Output data arrives with the report-ID byte first: block 4 starts at word 40.
  d.Handle(SetFeature(0xC1, 4));
  uhid_event out = Event(UHID_OUTPUT);
  out.u.output.rtype = UHID_OUTPUT_REPORT;
  out.u.output.size = 64;
  out.u.output.data[1] = 0x12;
  out.u.output.data[2] = 0x34;
  d.Handle(out);
  EXPECT_EQ(kdb.memory()[40], 0x1234);

  // Another report number is not ours: refused.
  d.Handle(SetFeature(0xCF, 0, 1));
  replies = kernel.Take(UHID_SET_REPORT_REPLY);
  ASSERT_EQ(replies.size(), 2u);
  EXPECT_NE(replies[1].u.set_report_reply.err, 0);
  EXPECT_EQ(d.unexpected_requests(), 1);
}

TEST_F(UhidDevice, ReportArmedWhileOpenGoesOutAfterTheDeviceHasPreparedIt) {
  sim::SimBootableTransmitter& kdb = sim::AddBootableTransmitter(bus, *sim::FindSimModel("KDB"));
  VirtualDevice d(kdb, kernel);
  d.Tick();
  d.Handle(Event(UHID_OPEN));
  d.Handle(SetFeature(0xC0, 1));
  EXPECT_TRUE(kernel.Take(UHID_INPUT2).empty());
  Wait(kArmDelayMs, d);
  EXPECT_EQ(kernel.Take(UHID_INPUT2).size(), 1u);
  Wait(200, d);  // one report per command, not a stream
  EXPECT_TRUE(kernel.Take(UHID_INPUT2).empty());
}

TEST_F(UhidDevice, RestartIntoTheBootloaderLeavesAndRejoinsTheBus) {
  sim::SimBootableTransmitter& kdb = sim::AddBootableTransmitter(bus, *sim::FindSimModel("KDB"));
  VirtualDevice d(kdb, kernel);
  d.Tick();
  kernel.events.clear();
  d.Handle(SetFeature(0xCA));
  EXPECT_EQ(kernel.Take(UHID_DESTROY).size(), 1u);
  EXPECT_FALSE(d.created());
  Wait(600, d);
  std::vector<uhid_event> created = kernel.Take(UHID_CREATE2);
  ASSERT_EQ(created.size(), 1u);
  EXPECT_STREQ(reinterpret_cast<const char*>(created[0].u.create2.name), "Kolvar Bootloader");
  EXPECT_EQ(created[0].u.create2.product, 0xE240u);
  d.Handle(Event(UHID_OPEN));
  d.Handle(SetFeature(0x55));
  Wait(kArmDelayMs, d);
  std::vector<uhid_event> info = kernel.Take(UHID_INPUT2);
  ASSERT_EQ(info.size(), 1u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(info[0].u.input2.data), 6), "TRX-21");
}

TEST_F(UhidDevice, UnplugInsteadOfAnInputReportAndReplugLater) {
  sim::SimBootableTransmitter& kdb = sim::AddBootableTransmitter(bus, *sim::FindSimModel("KDB"));
  Behaviour behaviour;
  behaviour.unplug_at_input = 2;
  behaviour.replug_after_ms = 1000;
  VirtualDevice d(kdb, kernel, false, behaviour);
  d.Tick();
  d.Handle(Event(UHID_OPEN));
  d.Handle(SetFeature(0xCC));
  Wait(kArmDelayMs, d);
  EXPECT_EQ(kernel.Take(UHID_INPUT2).size(), 1u);
  d.Handle(SetFeature(0xC0, 1));
  Wait(kUnplugDuringReadMs - 10, d);
  EXPECT_TRUE(d.created());
  Wait(10, d);
  EXPECT_FALSE(d.created());
  EXPECT_TRUE(kernel.Take(UHID_INPUT2).empty());
  EXPECT_EQ(kernel.Take(UHID_DESTROY).size(), 1u);
  Wait(1000, d);
  EXPECT_TRUE(d.created());
  EXPECT_EQ(d.creations(), 2);
}

TEST_F(UhidDevice, DroppedInputReportLeavesTheNextOneAlone) {
  sim::SimBootableTransmitter& kdb = sim::AddBootableTransmitter(bus, *sim::FindSimModel("KDB"));
  Behaviour behaviour;
  behaviour.drop_input = 2;
  VirtualDevice d(kdb, kernel, false, behaviour);
  d.Tick();
  d.Handle(Event(UHID_OPEN));
  for (int block = 1; block <= 3; ++block) {
    d.Handle(SetFeature(0xC0, static_cast<std::uint8_t>(block)));
    Wait(kArmDelayMs, d);
    EXPECT_EQ(kernel.Take(UHID_INPUT2).size(), block == 2 ? 0u : 1u) << block;
  }
  EXPECT_TRUE(d.created());
  EXPECT_EQ(d.inputs_sent(), 2);
}

TEST_F(UhidDevice, CompositeDeviceNumbersTheVendorReports) {
  sim::SimBootableTransmitter& kdb = sim::AddBootableTransmitter(bus, *sim::FindSimModel("KDB"));
  VirtualDevice d(kdb, kernel, true);
  d.Tick();
  const std::vector<uhid_event> created = kernel.Take(UHID_CREATE2);
  ASSERT_EQ(created.size(), 1u);
  const uhid_create2_req& c = created[0].u.create2;
  const std::vector<std::uint8_t> rd(c.rd_data, c.rd_data + c.rd_size);
  EXPECT_EQ(std::vector<std::uint8_t>(rd.begin(), rd.begin() + 4),
            (std::vector<std::uint8_t>{0x05, 0x01, 0x09, 0x06}));  // the keyboard comes first
  d.Handle(Event(UHID_OPEN));
  d.Handle(SetFeature(0xCC, 0, 2));
  Wait(kArmDelayMs, d);
  std::vector<uhid_event> inputs = kernel.Take(UHID_INPUT2);
  ASSERT_EQ(inputs.size(), 1u);
  EXPECT_EQ(inputs[0].u.input2.size, 64);
  EXPECT_EQ(inputs[0].u.input2.data[0], 2);
  EXPECT_EQ(inputs[0].u.input2.data[1], 'K');
}

// The calibration device beside a KDB whose output channel 1 carries 5 V
// (live word 0 = 500 of 0-1000 onto 0-10 V), exactly.
class UhidCalibrator : public UhidDevice {
 protected:
  void SetUp() override {
    UhidDevice::SetUp();
    kdb.analog().MakeIdeal();
    kdb.SetLiveValues([](int word, std::uint16_t stored, std::int64_t) {
      return word == 0 ? std::uint16_t{500} : stored;
    });
    sim::PutOnBench(cal, &kdb);
    streams.streaming = [this] { return cal.streaming(); };
  }
  // Reports sent within ms, as the host reads them (no report-ID byte).
  std::vector<uhid_event> InputsWithin(std::int64_t ms, VirtualDevice& d) {
    Wait(ms, d);
    return kernel.Take(UHID_INPUT2);
  }
  static std::uint32_t Reading(const uhid_event& e) {
    const std::uint8_t* r = e.u.input2.data;  // report bytes 5-7 without the report-ID byte
    return r[4] | r[5] << 8 | r[6] << 16;
  }

  sim::SimBootableTransmitter& kdb = sim::AddBootableTransmitter(bus, *sim::FindSimModel("KDB"));
  sim::SimCalibrator& cal = sim::AddCalibrator(bus);
  Behaviour streams;
};

TEST_F(UhidCalibrator, IdentifiesAfterInitThenStreamsWhileOpen) {
  VirtualDevice d(cal, kernel, false, streams);
  d.Tick();
  std::vector<uhid_event> created = kernel.Take(UHID_CREATE2);
  ASSERT_EQ(created.size(), 1u);
  EXPECT_STREQ(reinterpret_cast<const char*>(created[0].u.create2.name), "Kolvar CAL-4 U/I");
  EXPECT_EQ(created[0].u.create2.vendor, 0xA600u);
  EXPECT_EQ(created[0].u.create2.product, 0xE24Fu);
  d.Handle(Event(UHID_OPEN));
  EXPECT_TRUE(InputsWithin(1000, d).empty()) << "nothing before init";

  // Init: one identification record, not a stream of them.
  d.Handle(SetFeature(0xCC));
  EXPECT_EQ(kernel.Take(UHID_SET_REPORT_REPLY).at(0).u.set_report_reply.err, 0);
  std::vector<uhid_event> inputs = InputsWithin(kArmDelayMs, d);
  ASSERT_EQ(inputs.size(), 1u);
  EXPECT_EQ(inputs[0].u.input2.size, 63);
  const char* record = reinterpret_cast<const char*>(inputs[0].u.input2.data);
  EXPECT_EQ(std::string(record, 16), "CAL-4 UI SN00042");
  EXPECT_EQ(std::string(record + 16, 8), "01.02.00");
  EXPECT_TRUE(InputsWithin(1000, d).empty());

  // Read block 1 with U1 selected: a report at once, then one per period,
  // each the bench's 5 V.
  d.Handle(SetFeature(0xA2));
  d.Handle(SetFeature(0xC0, 1));
  inputs = kernel.Take(UHID_INPUT2);
  EXPECT_EQ(inputs.size(), 1u);
  const std::vector<uhid_event> more = InputsWithin(5 * kStreamPeriodMs, d);
  EXPECT_EQ(more.size(), 5u);
  inputs.insert(inputs.end(), more.begin(), more.end());
  for (const uhid_event& e : inputs) {
    EXPECT_EQ(e.u.input2.data[0], 0xA2);
    EXPECT_EQ(Reading(e), 50000u);
  }
}

TEST_F(UhidCalibrator, StreamPausesWhileClosedAndStopsAtInit) {
  VirtualDevice d(cal, kernel, false, streams);
  d.Tick();
  d.Handle(Event(UHID_OPEN));
  d.Handle(SetFeature(0xC0, 1));
  EXPECT_EQ(InputsWithin(kStreamPeriodMs * 3 - 5, d).size(), 3u);
  d.Handle(Event(UHID_CLOSE));
  EXPECT_TRUE(InputsWithin(1000, d).empty());
  d.Handle(Event(UHID_OPEN));  // a new handle gets the current reading at once
  EXPECT_EQ(kernel.Take(UHID_INPUT2).size(), 1u);
  EXPECT_EQ(InputsWithin(kStreamPeriodMs, d).size(), 1u);

  d.Handle(SetFeature(0xCC));
  std::vector<uhid_event> inputs = InputsWithin(1000, d);
  ASSERT_EQ(inputs.size(), 1u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(inputs[0].u.input2.data), 5), "CAL-4");
}

}  // namespace
}  // namespace travik::uhid
