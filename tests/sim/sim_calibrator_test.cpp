// The simulated calibration device and the bench it shares with a transmitter.
#include <cmath>
#include <string>

#include "protocol/frames.h"
#include "sim/sim_bootloader.h"
#include "sim/sim_calibrator.h"
#include "sim/sim_live.h"
#include "sim/sim_models.h"
#include "sim_test_support.h"

namespace travik::sim {
namespace {

constexpr std::uint8_t kTx = 1;
constexpr std::uint8_t kCal = 2;

class BenchTest : public SimFixture {
 protected:
  void Wire(const char* model) {
    tx = &bus.AddTransmitter(*FindSimModel(model));
    cal = &AddCalibrator(bus);
    PutOnBench(*cal, tx);
    const int count = EnumerateDevices();
    ASSERT_TRUE(OpenByIds(0xA600, 0xE240, count, kTx));
    ASSERT_TRUE(OpenByIds(0xA600, 0xE24F, count, kCal));
  }
  bool SendTo(std::uint8_t slot, std::uint8_t code, std::uint8_t p2 = 0, std::uint8_t p3 = 0,
              std::uint32_t argument = kCommandMagic) {
    auto frame = Frame(code, p2, p3, argument);
    return SendFeatureReport(frame.data(), 9, slot);
  }
  bool ReadFrom(std::uint8_t slot, std::array<std::uint8_t, 64>& report) {
    std::uint32_t n = 0;
    return ReadInputReport(report.data(), 64, n, slot) && n == 64;
  }
  // One measurement report of the input selected with `code`.
  std::uint32_t Reading(std::uint8_t code) {
    EXPECT_TRUE(SendTo(kCal, code, 0, 0, 0));
    std::array<std::uint8_t, 64> report{};
    EXPECT_TRUE(ReadFrom(kCal, report));
    return report[5] | report[6] << 8 | report[7] << 16;
  }
  // The output module's two channel values, as its dialog writes them.
  void WriteOutputs(std::int16_t ch0, std::int16_t ch1) {
    ASSERT_TRUE(SendTo(kTx, 0xC1, 1));
    std::array<std::uint8_t, 64> report{};
    report[1] = static_cast<std::uint8_t>(ch0 >> 8);
    report[2] = static_cast<std::uint8_t>(ch0);
    report[3] = static_cast<std::uint8_t>(ch1 >> 8);
    report[4] = static_cast<std::uint8_t>(ch1);
    std::uint32_t n = 0;
    ASSERT_TRUE(WriteOutputReport(report.data(), 64, n, kTx));
  }

  SimTransmitter* tx = nullptr;
  SimCalibrator* cal = nullptr;
};

TEST_F(BenchTest, IdentificationUntilStreamingThenMeasurementReports) {
  Wire("NSC");
  std::array<std::uint8_t, 64> report{};
  EXPECT_FALSE(ReadFrom(kCal, report));  // neither init nor read block 1: nothing comes
  ASSERT_TRUE(SendTo(kCal, 0xCC));
  for (int i = 0; i < 3; ++i) {  // the output calibration reads several before streaming
    ASSERT_TRUE(ReadFrom(kCal, report));
    EXPECT_EQ(std::string(report.begin() + 1, report.begin() + 17), "CAL-4 UI SN00042");
    EXPECT_EQ(std::string(report.begin() + 17, report.begin() + 25), "01.02.00");
  }
  cal->SetFixedReadingAll(0x123456);
  ASSERT_TRUE(SendTo(kCal, 0xC0, 1));
  ASSERT_TRUE(ReadFrom(kCal, report));
  EXPECT_EQ(report[5], 0x56);
  EXPECT_EQ(report[6], 0x34);
  EXPECT_EQ(report[7], 0x12);
  EXPECT_EQ(report[1], 0xA2);  // U1 selected at power-up

  // Without the magic, init and read block are ignored; a fixed value past
  // 24 bits is held at the largest one.
  ASSERT_TRUE(SendTo(kCal, 0xCC, 0, 0, 0));
  cal->SetFixedReadingAll(0x2000000);
  ASSERT_TRUE(ReadFrom(kCal, report));
  EXPECT_EQ(report[5] | report[6] << 8 | report[7] << 16, 0xFFFFFF);
}

TEST_F(BenchTest, InputsMeasureTheirOwnTerminal) {
  Wire("NSC");
  tx->analog().MakeIdeal();
  tx->SetLiveWord(0, 250);  // channel 1: 2.5 V and 8 mA
  tx->SetLiveWord(1, 1000);  // channel 2: 10 V and 20 mA
  ASSERT_TRUE(SendTo(kCal, 0xC0, 1));
  EXPECT_EQ(Reading(0xA2), 25000u);   // U1
  EXPECT_EQ(Reading(0xA3), 80000u);   // I1
  EXPECT_EQ(Reading(0xA0), 100000u);  // U2
  EXPECT_EQ(Reading(0xA1), 200000u);  // I2
  EXPECT_EQ(Reading(0xA5), 0u);       // no input in the meter role

  bus.Unplug(*tx);  // a transmitter off the bus puts out nothing
  EXPECT_EQ(Reading(0xA2), 0u);
}

TEST_F(BenchTest, OutputModuleMapsItsRangesOntoItsUnitsTerminals) {
  Wire("EHA9");  // channel 0: 0-1000 onto 0.0-10.0 V, channel 1: 0-1000 onto 4.0-20.0 mA
  tx->analog().MakeIdeal();
  ASSERT_TRUE(SendTo(kCal, 0xC0, 1));
  WriteOutputs(1000, 200);
  EXPECT_EQ(Reading(0xA2), 100000u);
  EXPECT_EQ(Reading(0xA3), 0u);  // channel 0 is a voltage output
  EXPECT_EQ(Reading(0xA1), 72000u);
  EXPECT_EQ(Reading(0xA0), 0u);
  WriteOutputs(-50, 2000);  // beyond the input range: held at its ends
  EXPECT_EQ(Reading(0xA2), 0u);
  EXPECT_EQ(Reading(0xA1), 200000u);
}

TEST_F(BenchTest, FactoryUnitIsCloseButNotExactAndNoisy) {
  Wire("EHA9");
  ASSERT_TRUE(SendTo(kCal, 0xC0, 1));
  WriteOutputs(1000, 0);
  int distinct = 0;
  std::uint32_t last = 0;
  for (int i = 0; i < 20; ++i) {
    const std::uint32_t r = Reading(0xA2);
    EXPECT_NEAR(r, 100000.0, 8.0);
    distinct += r != last;
    last = r;
  }
  EXPECT_GT(distinct, 3);
  // A unit that drifts by 2 % reads 2 % more with the constants it has.
  tx->analog().set_noise(0);
  const double before = Reading(0xA2);
  const UnitError e = tx->analog().error(0, Terminal::kVoltage);
  tx->analog().SetError(0, Terminal::kVoltage, {e.gain * 1.02, e.offset});
  EXPECT_NEAR(Reading(0xA2), (before - e.offset) * 1.02 + e.offset, 1.0);
}

// The successive approximation of the output calibration, as the calibration
// dialog runs it: 12 corrections from 2048, 1024 down.
struct Approximation {
  bool accepted = false;
  int writes = 0;
  std::uint32_t reading = 0;
};

class CalibrationTest : public BenchTest {
 protected:
  Approximation Approximate(std::uint8_t channel, std::uint8_t point_code, std::uint8_t input,
                            std::int64_t nominal, int at_once, int final_range) {
    Approximation a;
    std::uint32_t value = 2048, step = 1024;
    for (int steps_left = 12;;) {
      EXPECT_TRUE(SendTo(kTx, 0xF0, channel, point_code, value));
      ++a.writes;
      a.reading = Reading(input);
      const std::int64_t r = a.reading;
      if (r >= nominal - at_once && r <= nominal + at_once) return a.accepted = true, a;
      value = r < nominal - at_once ? value + step : value - step;
      step /= 2;
      if (--steps_left == 0) {
        a.accepted = std::llabs(r - nominal) <= final_range;
        return a;
      }
    }
  }
};

TEST_F(CalibrationTest, ApproximationConvergesOnEveryPointOfADriftedUnit) {
  Wire("NSC");
  ASSERT_TRUE(SendTo(kCal, 0xC0, 1));
  for (int c = 0; c < 2; ++c) {
    tx->analog().SetError(c, Terminal::kVoltage, {0.975, 45});
    tx->analog().SetError(c, Terminal::kCurrent, {1.03, -60});
  }
  struct Point {
    std::uint8_t channel, code, input;
    std::int64_t nominal;
    int at_once, final_range;
  };
  const Point points[] = {{1, 0x04, 0xA2, 10000, 11, 19},  {1, 0x06, 0xA2, 100000, 11, 19},
                          {1, 0x00, 0xA3, 20000, 22, 39},  {1, 0x02, 0xA3, 200000, 22, 39},
                          {2, 0x0C, 0xA0, 10000, 11, 19},  {2, 0x0E, 0xA0, 100000, 11, 19},
                          {2, 0x08, 0xA1, 20000, 22, 39},  {2, 0x0A, 0xA1, 200000, 22, 39}};
  for (const Point& p : points) {
    const Approximation a = Approximate(p.channel, p.code, p.input, p.nominal, p.at_once, p.final_range);
    EXPECT_TRUE(a.accepted) << "point " << int(p.code) << " read " << a.reading;
    EXPECT_LE(a.writes, 12);
    EXPECT_GT(a.writes, 3);  // a drifted unit is not right at 2048
  }
  // Stored and powered again, the outputs are right between the points too.
  ASSERT_TRUE(SendTo(kTx, 0xCD, 3, 0, 0));
  tx->PowerCycle();
  tx->SetLiveWord(0, 500);
  tx->analog().set_noise(0);
  // Each point within its at-once range: the line between them within it too.
  EXPECT_NEAR(Reading(0xA2), 50000.0, 11.0);
  EXPECT_NEAR(Reading(0xA3), 120000.0, 22.0);
}

TEST_F(CalibrationTest, ConstantsLiveInRamUntilSavedWithTheJumper) {
  Wire("NSC");
  const auto factory = tx->analog().eeprom_constants();
  ASSERT_TRUE(SendTo(kTx, 0xF0, 1, 0x06, 3000));
  EXPECT_EQ(tx->analog().constants()[0][kPoint10V], 3000);
  EXPECT_EQ(tx->analog().driven_point(0), kPoint10V);
  tx->set_jumper_fitted(false);
  ASSERT_TRUE(SendTo(kTx, 0xCD, 3, 0, 0));  // accepted, not stored; the drive ends
  EXPECT_EQ(tx->analog().driven_point(0), std::nullopt);
  EXPECT_EQ(tx->analog().eeprom_constants(), factory);
  tx->PowerCycle();
  EXPECT_EQ(tx->analog().constants(), factory);

  tx->set_jumper_fitted(true);
  ASSERT_TRUE(SendTo(kTx, 0xF0, 2, 0x0A, 1000));
  ASSERT_TRUE(SendTo(kTx, 0xCD, 3, 0, 0));
  tx->PowerCycle();
  EXPECT_EQ(tx->analog().constants()[1][kPoint20mA], 1000);
}

TEST_F(CalibrationTest, AUnitOutOfReachFailsTheFinalRange) {
  Wire("NSC");
  ASSERT_TRUE(SendTo(kCal, 0xC0, 1));
  tx->analog().SetError(0, Terminal::kVoltage, {0.88, 0});  // needs +13.6 %, the constants give 6 %
  const Approximation a = Approximate(1, 0x04, 0xA2, 10000, 11, 19);
  EXPECT_FALSE(a.accepted);
  EXPECT_EQ(a.writes, 12);
}

TEST_F(CalibrationTest, FramesThatAreNoCalibrationPointDriveNothing) {
  Wire("NSC");
  ASSERT_TRUE(SendTo(kTx, 0xF0, 0x01, 0x90, 0));      // the dialog form: a value of 400
  ASSERT_TRUE(SendTo(kTx, 0xF0, 1, 0x08, 2048));      // channel 2's point code on channel 1
  ASSERT_TRUE(SendTo(kTx, 0xF0, 3, 0x00, 2048));      // no channel 3
  EXPECT_EQ(tx->analog().driven_point(0), std::nullopt);
  EXPECT_EQ(tx->analog().driven_point(1), std::nullopt);
  EXPECT_EQ(tx->calibration().frames.size(), 3u);     // all recorded all the same
}

TEST_F(BenchTest, SourceRoleFeedsTheTransmittersInputWithinTheBracket) {
  Wire("N3tNT");
  ASSERT_TRUE(SendTo(kCal, 0xA2, 0, 0, 0));
  EXPECT_EQ(tx->InputSignal().kind, SimReference::Kind::kNone);  // meter role
  ASSERT_TRUE(SendTo(kCal, 0xC8));
  EXPECT_EQ(tx->InputSignal(), (SimReference{SimReference::Kind::kResistance, 1000.0}));
  ASSERT_TRUE(SendTo(kCal, 0xA7, 0, 0, 0));
  EXPECT_EQ(tx->InputSignal(), (SimReference{SimReference::Kind::kCurrent, 20.0}));
  ASSERT_TRUE(SendTo(kCal, 0xAF, 0, 0, 0));
  EXPECT_EQ(tx->InputSignal().kind, SimReference::Kind::kNone);
  ASSERT_TRUE(SendTo(kCal, 0xA0, 0, 0, 0));
  ASSERT_TRUE(SendTo(kCal, 0xC9));
  EXPECT_EQ(tx->InputSignal().kind, SimReference::Kind::kNone);
  ASSERT_TRUE(SendTo(kCal, 0xCF, 0, 0, 0));
  EXPECT_EQ(cal->beep_count(), 1);
  EXPECT_EQ(cal->host_transfers(), 1);
  // Type 48 calibrates inputs: its calibration frames drive no output.
  ASSERT_TRUE(SendTo(kTx, 0xF0, 1, 0x02, 20000));
  EXPECT_EQ(tx->analog().driven_point(0), std::nullopt);
}

TEST_F(BenchTest, FaultsOfOneDeviceLeaveTheOtherAlone) {
  Wire("NSC");
  ASSERT_TRUE(SendTo(kTx, 0xC0, 1));
  ASSERT_TRUE(SendTo(kCal, 0xC0, 1));
  bus.FailNth(Exchange::kReadInput, 2, cal);
  std::array<std::uint8_t, 64> report{};
  EXPECT_TRUE(ReadFrom(kTx, report));
  EXPECT_TRUE(ReadFrom(kCal, report));
  EXPECT_TRUE(ReadFrom(kTx, report));
  EXPECT_FALSE(ReadFrom(kCal, report));  // the calibration device's second read
  EXPECT_TRUE(ReadFrom(kCal, report));
  bus.FailAll(Exchange::kSetFeature, true, cal);
  EXPECT_TRUE(SendTo(kTx, 0xC0, 1));
  EXPECT_FALSE(SendTo(kCal, 0xA2, 0, 0, 0));
  bus.ClearFaults();
  EXPECT_TRUE(SendTo(kCal, 0xA2, 0, 0, 0));
}

TEST_F(BenchTest, AHistoryLimitKeepsALongPollingRunBounded) {
  Wire("NSC");
  bus.SetHistoryLimit(100);
  ASSERT_TRUE(SendTo(kCal, 0xC0, 1));
  G().Slots[kCal].remembered = 1;
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(ReadInputRemembered(kCal));  // open, read, close
  EXPECT_LE(bus.Log().size(), 100u);
  EXPECT_EQ(bus.Log().back().kind, Exchange::kClose);
  EXPECT_LE(bus.OpenHandles(), 2);
  EXPECT_EQ(bus.StaleCloses(), 0);
}

TEST(MovingValues, SwingAroundTheStoredValueWithoutChangingSign) {
  const auto move = MovingValues(5);
  std::uint16_t lo = 0xFFFF, hi = 0;
  for (std::int64_t t = 0; t < 60000; t += 250) {
    const std::uint16_t v = move(0, 235, t);
    lo = std::min(lo, v);
    hi = std::max(hi, v);
    EXPECT_LT(static_cast<std::int16_t>(move(0, 0xFFFF, t)), 0);  // -0.1 °C stays below zero
  }
  EXPECT_EQ(lo, 235 - 7);
  EXPECT_EQ(hi, 235 + 7);
  EXPECT_EQ(move(3, 0, 1234), 0);  // an unused word stays unused
  // Type 4's high frequency bytes stay, the low words move within 16 bits.
  const auto freq = MovingValues(4);
  EXPECT_EQ(freq(3, 0x0001, 5000), 0x0001);
  for (std::int64_t t = 0; t < 60000; t += 500) EXPECT_GE(freq(0, 0xFFF0, t), 0xF000);
  // An illuminance above 32767 lx moves as the unsigned word it is; the
  // temperature beside it stays signed.
  const auto lux = MovingValues(11);
  for (std::int64_t t = 0; t < 60000; t += 500) {
    EXPECT_NEAR(lux(2, 40000, t), 40000, 1200);
    EXPECT_LT(static_cast<std::int16_t>(lux(0, static_cast<std::uint16_t>(-50), t)), 0);
  }
}

}  // namespace
}  // namespace travik::sim
