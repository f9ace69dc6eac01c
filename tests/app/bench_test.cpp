// The bench probe and the device filter that makes the program find the
// chosen transmitter.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/bench.h"
#include "core/globals.h"
#include "hid/device_filter.h"
#include "sim/sim_backend.h"
#include "sim/sim_calibrator.h"
#include "sim/sim_models.h"

namespace travik {
namespace {

TEST(Bench, ProbeKeepsOnlyOurDevicesAndSaysWhyOneIsLocked) {
  ResetProgramState();
  sim::SimBackend sim;
  sim.AddKeyboard();
  sim.AddVendorDevice(0x1234, 0x0001);
  sim.AddUnopenable(0x046D, 0xC31C);  // someone else's locked device
  auto& kdb = sim.AddTransmitter(*sim::FindSimModel("KDB"));
  sim.AddUnopenable();                // ours, locked
  sim::AddCalibrator(sim);
  auto& nsc = sim.AddTransmitter(*sim::FindSimModel("NSC"));
  sim.FailAll(sim::Exchange::kReadInput, true, &nsc);

  const auto bench = ProbeBench(sim);
  ASSERT_EQ(bench.size(), 4u);
  std::ostringstream table;
  PrintBenchTable(bench, table);
  EXPECT_EQ(bench[0].path, kdb.path());
  EXPECT_EQ(bench[0].model, "KDB");
  EXPECT_EQ(bench[0].serial, "SN10222");
  EXPECT_EQ(bench[0].product_text, "Kolvar KDB");
  EXPECT_EQ(bench[1].path, nsc.path());
  EXPECT_EQ(bench[1].problem, "does not answer init with its identification");
  EXPECT_EQ(bench[2].role, BenchDevice::Role::kCalibrator);
  EXPECT_FALSE(bench[3].openable);
  EXPECT_EQ(bench[3].problem, "permission denied");
  EXPECT_EQ(table.str().find("046D"), std::string::npos) << table.str();
  // The probe leaves no handle open and no backend behind.
  EXPECT_EQ(sim.OpenHandles(), 0);
  EXPECT_EQ(CurrentHidBackend(), nullptr);

  std::string why;
  EXPECT_EQ(SelectTransmitter(bench, bench[3].path, why), -1);
  EXPECT_NE(why.find("cannot be opened: permission denied"), std::string::npos);
}

TEST(Bench, FilterHidesTheOtherTransmittersEvenFromARememberedPath) {
  ResetProgramState();
  sim::SimBackend sim;
  auto& a = sim.AddTransmitter(*sim::FindSimModel("KDB"));
  auto& b = sim.AddTransmitter(*sim::FindSimModel("KDB"));
  b.SetIdText(OtherSerial(b.id_text(), 1));
  sim::AddCalibrator(sim);
  const auto bench = ProbeBench(sim);
  std::string why;
  const int chosen = SelectTransmitter(bench, "SN11222", why);
  ASSERT_EQ(chosen, 1) << why;
  DeviceFilter filter(sim, OtherTransmitters(bench, chosen));
  const auto shown = filter.ListInterfaces();
  EXPECT_EQ(std::count(shown.begin(), shown.end(), a.path()), 0);
  EXPECT_EQ(std::count(shown.begin(), shown.end(), b.path()), 1);
  EXPECT_EQ(shown.size(), 2u);  // and the calibration device
  EXPECT_EQ(filter.Open(a.path()), kClosedHandle);
  const HidHandle h = filter.Open(b.path());
  EXPECT_NE(h, kClosedHandle);
  filter.Close(h);
}

}  // namespace
}  // namespace travik
