#include "sim/sim_input_points.h"

namespace travik::sim {

void SimInputPoints::Take(std::uint8_t range, std::uint8_t point, std::uint16_t nominal, double input) {
  taken_.push_back({range, point, nominal, input});
  pending_ = true;
  polls_left_ = busy_polls_;
}

std::optional<std::uint8_t> SimInputPoints::PollStatus() {
  if (!pending_) return std::nullopt;
  if (polls_left_ < 0) return 0;
  if (polls_left_ > 0) {
    --polls_left_;
    return 0;
  }
  return kPointTaken;
}

}  // namespace travik::sim
