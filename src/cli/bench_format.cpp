#include "cli/bench_format.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <ostream>

#include "cli/bench_run.h"
#include "config/config_file.h"
#include "config/file_io.h"
#include "resources/resources.h"

namespace travik::cli {
namespace {

std::string Seconds(std::int64_t ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f s", static_cast<double>(ms) / 1000.0);
  return text;
}


}  // namespace

std::string JsonString(std::string_view s) {
  std::string j = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '"': j += "\\\""; break;
      case '\\': j += "\\\\"; break;
      case '\n': j += "\\n"; break;
      case '\r': j += "\\r"; break;
      case '\t': j += "\\t"; break;
      default:
        if (c < 0x20) {
          char u[8];
          std::snprintf(u, sizeof u, "\\u%04x", c);
          j += u;
        } else {
          j += static_cast<char>(c);
        }
    }
  }
  return j + '"';
}

bool ParseDuration(const std::string& text, long long& ms) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || !std::isfinite(v) || v < 0) return false;
  const std::string unit(end);
  double scale = 0;
  if (unit.empty() || unit == "s") scale = 1000;
  else if (unit == "ms") scale = 1;
  else if (unit == "m" || unit == "min") scale = 60000;
  else return false;
  const double total = v * scale;
  if (total < 10 || total > 3600000) return false;
  ms = static_cast<long long>(std::llround(total));
  return true;
}

namespace {
void DeviceJson(const BenchDevice& d, std::ostream& out) {
  out << "{\"path\": " << JsonString(d.path) << ", \"kind\": "
      << (d.openable ? JsonString(RoleName(d.role)) : "null") << ", \"vendor_id\": "
      << (d.openable ? JsonString(Hex4(d.vendor)) : "null")
      << ", \"product_id\": " << (d.openable ? JsonString(Hex4(d.product)) : "null")
      << ", \"model\": " << JsonString(d.model) << ", \"serial\": " << JsonString(d.serial)
      << ", \"id_text\": " << JsonString(d.id_text) << ", \"firmware\": " << JsonString(d.firmware)
      << ", \"product\": " << JsonString(d.product_text)
      << ", \"openable\": " << (d.openable ? "true" : "false")
      << ", \"problem\": " << JsonString(d.problem) << "}";
}
}  // namespace

void PrintBenchJson(const std::vector<BenchDevice>& bench, std::ostream& out) {
  out << "[";
  for (std::size_t i = 0; i < bench.size(); ++i) {
    out << (i == 0 ? "\n  " : ",\n  ");
    DeviceJson(bench[i], out);
  }
  out << (bench.empty() ? "]\n" : "\n]\n");
}

void PrintInfo(const InfoFields& info, bool json, std::ostream& out) {
  const BenchDevice& d = info.device;
  if (json) {
    out << "{\"path\": " << JsonString(d.path) << ", \"vendor_id\": " << JsonString(Hex4(d.vendor))
        << ", \"product_id\": " << JsonString(Hex4(d.product)) << ", \"model\": "
        << JsonString(info.model) << ", \"serial\": " << JsonString(d.serial)
        << ", \"id_text\": " << JsonString(info.id_text) << ", \"firmware\": "
        << JsonString(info.firmware) << ", \"firmware_current\": "
        << (info.firmware_current ? "true" : "false") << ", \"product\": "
        << JsonString(info.product) << "}\n";
    return;
  }
  PrintTable({{"path", d.path},
         {"ids", Hex4(d.vendor) + ":" + Hex4(d.product)},
         {"product", info.product},
         {"model", info.model},
         {"serial", d.serial.empty() ? "-" : d.serial},
         {"id text", info.id_text},
         {"firmware", info.firmware + (info.firmware_current ? "" : " (outdated)")}},
        out);
}

std::string CompareWords(const std::array<std::uint16_t, kConfigWords>& sent,
                         const std::array<std::uint16_t, kConfigWords>& back, int first) {
  std::string list;
  for (int w = first; w < kConfigWords; ++w) {
    if (sent[w] == back[w]) continue;
    if (!list.empty()) list += ", ";
    list += "word " + std::to_string(w) + " wrote " + std::to_string(sent[w]) + " read " +
            std::to_string(back[w]);
  }
  return list;
}

std::string FileModel(const std::string& path) {
  ConfigFile file;
  bool longer = false;
  const std::size_t n = ReadWholeFile(path, file.bytes.data(), file.bytes.size(), &longer);
  if (n != kConfigFileSize || longer) return {};
  return TrimBlanks(std::string_view(file.bytes.data(), 16));
}

const char* StatusWord(int status) {
  switch (status) {
    case kExitDone: return "ok";
    case kExitMismatch: return "mismatch";
    case kExitInterrupted: return "interrupted";
    default: return "failed";
  }
}

void PrintAllTable(const std::vector<AllRow>& rows, std::ostream& out) {
  std::vector<std::vector<std::string>> table{{"SERIAL", "RESULT", "TIME"}};
  for (const auto& r : rows) table.push_back({r.name, StatusWord(r.status), Seconds(r.ms)});
  PrintTable(table, out);
}

std::vector<ValueRow> ReadValueRows(ui::HeadlessBackend& ui, bool as_shown) {
  static constexpr int kLabels[] = {1031, 1029, 1030, 1032};
  static constexpr int kValues[] = {1009, 1007, 1008, 1010};
  std::vector<ShownRow> shown(4);
  for (int i = 0; i < 4; ++i) {
    const auto label = as_shown ? ui.ShownControl(res::kDlgValues, kLabels[i])
                                : ui.Control(res::kDlgValues, kLabels[i]);
    const auto value = ui.Control(res::kDlgValues, kValues[i]);
    if (label) shown[i].label = label->text;
    shown[i].label_visible = label && label->visible;
    if (value) shown[i].value = value->text;
    shown[i].value_visible = value && value->visible;
  }
  return ValueRows(shown);
}

void PrintValuesLine(const std::string& time, const std::vector<ValueRow>& rows, bool json,
                     std::ostream& out) {
  if (json) {
    out << "{\"time\": " << JsonString(time) << ", \"values\": [";
    for (std::size_t i = 0; i < rows.size(); ++i)
      out << (i ? ", " : "") << "{\"quantity\": " << JsonString(rows[i].quantity)
          << ", \"value\": " << JsonString(rows[i].number) << ", \"unit\": "
          << JsonString(rows[i].unit) << ", \"text\": " << JsonString(rows[i].text) << "}";
    out << "]}\n" << std::flush;
    return;
  }
  out << time;
  for (const auto& r : rows) out << "  " << r.quantity << ": " << r.text;
  out << '\n' << std::flush;
}

}  // namespace travik::cli
