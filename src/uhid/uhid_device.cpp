#include "uhid/uhid_device.h"

#include <algorithm>
#include <cstring>

namespace travik::uhid {
namespace {

// Commands after which a transmitter arms its interrupt endpoint: the
// identification record (0xCC), a configuration block (0xC0) and, in the
// bootloader, the hardware information (0x55).
bool ArmsInput(std::uint8_t code) { return code == 0xCC || code == 0xC0 || code == 0x55; }

uhid_event Event(std::uint32_t type) {
  uhid_event event;
  std::memset(&event, 0, sizeof event);
  event.type = type;
  return event;
}

}  // namespace

std::vector<std::uint8_t> ReportDescriptor(bool keyboard_first) {
  std::vector<std::uint8_t> d;
  if (keyboard_first) {
    // A boot keyboard's input report without modifiers: 8 key codes.
    d.insert(d.end(), {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01,  // Generic Desktop, Keyboard, Application
                       0x85, 0x01,                          // report ID 1
                       0x05, 0x07, 0x15, 0x00, 0x25, 0x65, 0x19, 0x00, 0x29, 0x65,
                       0x75, 0x08, 0x95, 0x08, 0x81, 0x00,  // 8 x 8 bits, input (array)
                       0xC0});
  }
  d.insert(d.end(), {0x06, 0x00, 0xFF,  // usage page 0xFF00 (vendor defined)
                     0x09, 0x01,        // usage 1
                     0xA1, 0x01});      // collection (application)
  if (keyboard_first) d.insert(d.end(), {0x85, 0x02});  // a composite device numbers its reports
  const auto report = [&d](std::uint8_t usage, std::uint8_t count, std::uint8_t main_item) {
    d.insert(d.end(), {0x09, usage, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, count,
                       main_item, 0x02});  // data, variable, absolute
  };
  report(0x01, static_cast<std::uint8_t>(kDataPayload), 0x81);     // input
  report(0x02, static_cast<std::uint8_t>(kDataPayload), 0x91);     // output
  report(0x03, static_cast<std::uint8_t>(kFeaturePayload), 0xB1);  // feature
  d.push_back(0xC0);
  return d;
}

std::string DeviceName(const std::u16string& product) {
  std::string out;
  for (char16_t c : product) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c >= 0xD800 && c < 0xE000) {
      out += "?";  // no surrogate pairs in a product string of ours
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

VirtualDevice::VirtualDevice(sim::SimDevice& brain, Channel& channel, bool keyboard_first,
                             Behaviour behaviour)
    : brain_(brain), channel_(channel), keyboard_first_(keyboard_first), behaviour_(behaviour) {}

void VirtualDevice::Create() {
  uhid_event event = Event(UHID_CREATE2);
  uhid_create2_req& req = event.u.create2;
  const std::string name = DeviceName(brain_.product_string());
  std::memcpy(req.name, name.data(), std::min(name.size(), sizeof req.name - 1));
  std::strcpy(reinterpret_cast<char*>(req.phys), "travik-uhid");
  const std::vector<std::uint8_t> descriptor = ReportDescriptor(keyboard_first_);
  std::memcpy(req.rd_data, descriptor.data(), descriptor.size());
  req.rd_size = static_cast<std::uint16_t>(descriptor.size());
  req.bus = 0x03;  // USB, as the real devices are
  req.vendor = brain_.vendor();
  req.product = brain_.product();
  req.version = 1;
  created_ = channel_.Write(event);
  opened_ = false;
  generation_ = brain_.generation();
  armed_.reset();
  if (created_) ++creations_;
}

void VirtualDevice::Destroy() {
  if (!created_) return;
  channel_.Write(Event(UHID_DESTROY));
  created_ = false;
  opened_ = false;
  armed_.reset();
}

void VirtualDevice::Tick() {
  const std::int64_t now = Now();
  if (unplug_at_ms_ && now >= *unplug_at_ms_) {
    unplug_at_ms_.reset();
    brain_.Unplug();
    if (behaviour_.replug_after_ms >= 0) replug_at_ms_ = now + behaviour_.replug_after_ms;
  }
  if (replug_at_ms_ && now >= *replug_at_ms_) {
    replug_at_ms_.reset();
    brain_.Replug();
  }
  brain_.Advance(now);
  // A restart between two ticks leaves and rejoins the bus all the same.
  if (created_ && (!brain_.present() || brain_.generation() != generation_)) Destroy();
  if (!created_ && brain_.present()) Create();
  if (!created_ || !opened_) return;
  if (armed_ && now >= armed_ready_ms_) {
    const std::array<std::uint8_t, sim::kDataReportSize> report = *armed_;
    armed_.reset();
    SendInput(report);
  }
  if (Streaming() && now >= next_stream_ms_) SendStreamed();
}

void VirtualDevice::Handle(const uhid_event& event) {
  switch (event.type) {
    case UHID_OPEN:
      opened_ = true;
      armed_ready_ms_ = Now();  // the host polls at once
      next_stream_ms_ = Now();
      break;
    case UHID_CLOSE:
      opened_ = false;
      break;
    case UHID_SET_REPORT:
      OnSetReport(event.u.set_report);
      break;
    case UHID_GET_REPORT:
      OnGetReport(event.u.get_report);
      break;
    case UHID_OUTPUT:
      OnOutput(event.u.output);
      break;
    default:  // UHID_START, UHID_STOP: nothing to do
      break;
  }
  Tick();
}

void VirtualDevice::OnSetReport(const uhid_set_report_req& req) {
  uhid_event reply = Event(UHID_SET_REPORT_REPLY);
  reply.u.set_report_reply.id = req.id;
  const std::size_t size = std::min<std::size_t>(req.size, UHID_DATA_MAX);
  bool ok = false;
  if (req.rtype == UHID_FEATURE_REPORT && req.rnum == ReportId() && size > 0) {
    ok = brain_.OnSetFeature(req.data, size);
    if (ok) ArmInput(req.data, size);
  } else {
    ++unexpected_;
  }
  reply.u.set_report_reply.err = ok ? 0 : 5;  // EIO
  channel_.Write(reply);
}

void VirtualDevice::OnGetReport(const uhid_get_report_req& req) {
  uhid_event reply = Event(UHID_GET_REPORT_REPLY);
  uhid_get_report_reply_req& r = reply.u.get_report_reply;
  r.id = req.id;
  bool ok = false;
  if (req.rtype == UHID_FEATURE_REPORT && req.rnum == ReportId()) {
    // The reply starts with the report-ID byte, as uhid hands it to hidraw.
    ok = brain_.OnGetFeature(r.data, sim::kFeatureReportSize);
    r.data[0] = ReportId();
    r.size = ok ? static_cast<std::uint16_t>(sim::kFeatureReportSize) : 0;
  } else {
    ++unexpected_;
  }
  r.err = ok ? 0 : 5;
  channel_.Write(reply);
}

void VirtualDevice::OnOutput(const uhid_output_req& req) {
  const std::size_t size = std::min<std::size_t>(req.size, UHID_DATA_MAX);
  // OUTPUT carries no reply: a refused report is simply lost, as on the bus.
  if (req.rtype != UHID_OUTPUT_REPORT || size == 0 || req.data[0] != ReportId()) {
    ++unexpected_;
    return;
  }
  brain_.OnWriteOutput(req.data, size);
}

void VirtualDevice::ArmInput(const std::uint8_t* frame, std::size_t length) {
  if (length < 2 || !ArmsInput(frame[1])) return;
  if (Streaming()) {  // the stream's next report answers it
    armed_.reset();
    return;
  }
  std::array<std::uint8_t, sim::kDataReportSize> report{};
  std::uint32_t n = 0;
  if (!brain_.OnReadInput(report.data(), report.size(), n)) return;
  ++inputs_;
  if (behaviour_.unplug_at_input != 0 && inputs_ == behaviour_.unplug_at_input) {
    unplug_at_ms_ = Now() + kUnplugDuringReadMs;
    return;
  }
  if (behaviour_.drop_input != 0 && inputs_ == behaviour_.drop_input) return;
  armed_ = report;
  armed_ready_ms_ = Now() + behaviour_.answer_delay_ms;
}

void VirtualDevice::SendStreamed() {
  next_stream_ms_ = Now() + behaviour_.stream_period_ms;
  std::array<std::uint8_t, sim::kDataReportSize> report{};
  std::uint32_t n = 0;
  if (brain_.OnReadInput(report.data(), report.size(), n)) SendInput(report);
}

void VirtualDevice::SendInput(const std::array<std::uint8_t, sim::kDataReportSize>& report) {
  uhid_event event = Event(UHID_INPUT2);
  // An unnumbered report goes without the report-ID byte, a numbered one with it.
  const std::size_t skip = ReportId() == 0 ? 1 : 0;
  std::memcpy(event.u.input2.data, report.data() + skip, kDataPayload + 1 - skip);
  if (skip == 0) event.u.input2.data[0] = ReportId();
  event.u.input2.size = static_cast<std::uint16_t>(kDataPayload + 1 - skip);
  if (channel_.Write(event)) ++inputs_sent_;
}

}  // namespace travik::uhid
