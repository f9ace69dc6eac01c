// How a simulated transmitter takes an input calibration point: told with a
// calibration-form 0xF0 frame (range, point number, nominal in bytes 5-6) to
// take its input as the nominal, it is busy for a number of status polls and
// then reports 0xAA in reply byte 2 until its next command. What it saw at
// its input is kept with each point.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace travik::sim {

inline constexpr std::uint8_t kPointTaken = 0xAA;

struct TakenPoint {
  std::uint8_t range = 0;
  std::uint8_t point = 0;
  std::uint16_t nominal = 0;
  double input = 0.0;  // what the input saw (ohms), 0 when nothing was connected
};

class SimInputPoints {
 public:
  // Status polls a point keeps the transmitter busy; negative: never ready.
  void set_busy_polls(int polls) { busy_polls_ = polls; }
  int busy_polls() const { return busy_polls_; }

  void Take(std::uint8_t range, std::uint8_t point, std::uint16_t nominal, double input);
  // Any other command ends the wait: the reply is about that command again.
  void OnOtherCommand() { pending_ = false; }
  void Reset() { pending_ = false; }
  // Reply byte 2 while a point is pending (nullopt: none is).
  std::optional<std::uint8_t> PollStatus();

  const std::vector<TakenPoint>& taken() const { return taken_; }

 private:
  int busy_polls_ = 2;
  int polls_left_ = 0;
  bool pending_ = false;
  std::vector<TakenPoint> taken_;
};

}  // namespace travik::sim
