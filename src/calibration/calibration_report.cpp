#include "calibration/calibration_report.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <sstream>

#include "config/file_io.h"
#include "core/globals.h"
#include "core/text.h"
#include "protocol/calibrator.h"

namespace travik {
namespace {

namespace fs = std::filesystem;

std::string LocalTime(std::time_t t, const char* format) {
  std::tm local{};
  localtime_r(&t, &local);
  char text[64];
  std::strftime(text, sizeof text, format, &local);
  return text;
}

std::string Window(const CalibrationPoint& p) {
  return "± " + ReadingText(p, p.window_at_once) + " at once, ± " + ReadingText(p, p.window_final) +
         " after the last step";
}

std::string Signed(long long v, const CalibrationPoint& p) {
  return (v < 0 ? "-" : "+") + ReadingText(p, static_cast<std::uint32_t>(v < 0 ? -v : v));
}

}  // namespace

CalibrationReport& CurrentCalibration() {
  std::shared_ptr<CalibrationReport>& report = G().Calibration;
  if (!report) report = std::make_shared<CalibrationReport>();
  return *report;
}

void BeginCalibrationReport(bool outputs) {
  CalibrationReport& r = CurrentCalibration();
  r = CalibrationReport{};
  r.outputs = outputs;
  r.started = std::time(nullptr);
}

namespace {
CalibrationEndSink& EndSink() {
  static CalibrationEndSink sink;
  return sink;
}
}  // namespace

void RecordDevices(const std::string& calibrator_product, const std::string& calibrator_id,
                   const std::string& calibrator_firmware, const std::string& transmitter_product,
                   const std::string& transmitter_id, const std::string& transmitter_firmware) {
  CalibrationReport& report = CurrentCalibration();
  if (!report.points.empty()) return;
  report.calibrator_product = TrimBlanks(calibrator_product);
  report.calibrator_id = TrimBlanks(calibrator_id);
  report.calibrator_firmware = TrimBlanks(calibrator_firmware);
  report.transmitter_product = TrimBlanks(transmitter_product);
  report.transmitter_id = TrimBlanks(transmitter_id);
  report.transmitter_firmware = TrimBlanks(transmitter_firmware);
}

void SetCalibrationEndSink(CalibrationEndSink sink) { EndSink() = std::move(sink); }

std::string EndCalibrationReport() { return EndSink() ? EndSink()(CurrentCalibration()) : std::string(); }

long long ReadingError(const CalibrationPoint& p, std::uint32_t reading) {
  return static_cast<long long>(reading) - static_cast<long long>(p.nominal_counts);
}

std::string ReadingText(const CalibrationPoint& p, std::uint32_t reading) {
  return TrimBlanks(FormatCalibratorReading(reading, p.current));
}

void WriteReportHtml(const CalibrationReport& r, std::ostream& out) {
  const char* kind = r.outputs ? "analog outputs" : "inputs";
  out << "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">\n<title>Calibration of "
      << kind << " – " << EscapeMarkup(r.transmitter_id) << "</title>\n<style>\n"
      << "body{font-family:sans-serif;margin:2em}table{border-collapse:collapse;margin:1em 0}"
      << "td,th{border:1px solid #999;padding:.2em .6em;text-align:left}"
      << ".pass{color:#070;font-weight:bold}.fail{color:#b00;font-weight:bold}\n"
      << "</style></head><body>\n<h1>Calibration of " << kind << "</h1>\n<p>"
      << EscapeMarkup(LocalTime(r.started, "%Y-%m-%d %H:%M:%S %z")) << " – <span class=\""
      << (r.complete ? "pass\">PASS" : "fail\">FAIL") << "</span></p>\n<table>\n"
      << "<tr><th></th><th>Product</th><th>ID</th><th>Firmware</th></tr>\n"
      << "<tr><th>Transmitter</th><td>" << EscapeMarkup(r.transmitter_product) << "</td><td>"
      << EscapeMarkup(r.transmitter_id) << "</td><td>" << EscapeMarkup(r.transmitter_firmware) << "</td></tr>\n"
      << "<tr><th>Calibration device</th><td>" << EscapeMarkup(r.calibrator_product) << "</td><td>"
      << EscapeMarkup(r.calibrator_id) << "</td><td>" << EscapeMarkup(r.calibrator_firmware) << "</td></tr>\n"
      << "</table>\n";
  for (const CalibrationPoint& p : r.points) {
    out << "<h2>" << EscapeMarkup(p.name) << "</h2>\n<p>Nominal " << EscapeMarkup(p.nominal);
    if (p.measured) out << ", acceptance window " << EscapeMarkup(Window(p));
    out << ": <span class=\"" << (p.passed ? "pass\">PASS" : "fail\">FAIL") << "</span></p>\n";
    if (!p.measured) continue;
    out << "<table>\n<tr><th>Step</th><th>Constant</th><th>Reading</th><th>Error</th></tr>\n";
    for (std::size_t i = 0; i < p.steps.size(); ++i)
      out << "<tr><td>" << i + 1 << "</td><td>" << p.steps[i].constant << "</td><td>"
          << EscapeMarkup(ReadingText(p, p.steps[i].reading)) << "</td><td>"
          << EscapeMarkup(Signed(ReadingError(p, p.steps[i].reading), p)) << "</td></tr>\n";
    out << "</table>\n";
    if (p.ended)
      out << "<p>Final reading " << EscapeMarkup(ReadingText(p, p.final_reading)) << ", error "
          << EscapeMarkup(Signed(ReadingError(p, p.final_reading), p)) << "</p>\n";
  }
  out << "</body></html>\n";
}

void WriteReportCsv(const CalibrationReport& r, std::ostream& out) {
  out << "date,transmitter_product,transmitter_id,transmitter_firmware,calibrator_product,"
         "calibrator_id,calibrator_firmware,point,nominal,window_at_once,window_final,step,"
         "constant,reading,error,result\n";
  const std::string head = CsvField(LocalTime(r.started, "%Y-%m-%dT%H:%M:%S%z")) + ',' +
                           CsvField(r.transmitter_product) + ',' + CsvField(r.transmitter_id) + ',' +
                           CsvField(r.transmitter_firmware) + ',' + CsvField(r.calibrator_product) + ',' +
                           CsvField(r.calibrator_id) + ',' + CsvField(r.calibrator_firmware) + ',';
  for (const CalibrationPoint& p : r.points) {
    const std::string point = head + CsvField(p.name) + ',' + CsvField(p.nominal) + ',' +
                              (p.measured ? CsvField(ReadingText(p, p.window_at_once)) + ',' +
                                                CsvField(ReadingText(p, p.window_final))
                                          : std::string(","));
    for (std::size_t i = 0; i < p.steps.size(); ++i)
      out << point << ',' << i + 1 << ',' << p.steps[i].constant << ','
          << CsvField(ReadingText(p, p.steps[i].reading)) << ','
          << CsvField(Signed(ReadingError(p, p.steps[i].reading), p)) << ",\n";
    out << point << ",final,,";
    if (p.measured && p.ended)
      out << CsvField(ReadingText(p, p.final_reading)) << ',' << CsvField(Signed(ReadingError(p, p.final_reading), p));
    else
      out << ',';
    out << ',' << (p.passed ? "pass" : "fail") << '\n';
  }
}

std::string DefaultReportFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data != nullptr && *data == '/') return (fs::path(data) / "travik" / "reports").string();
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home == '/')
    return (fs::path(home) / ".local" / "share" / "travik" / "reports").string();
  return {};
}

std::string ReportBaseName(const CalibrationReport& r) {
  std::string id;
  for (char c : r.transmitter_id.empty() ? std::string("unknown") : r.transmitter_id)
    id += (std::isalnum(static_cast<unsigned char>(c)) || c == '-') ? c : '_';
  return std::string("calibration-") + (r.outputs ? "outputs-" : "inputs-") + id + "-" +
         LocalTime(r.started, "%Y%m%d-%H%M%S");
}

std::vector<std::string> SaveCalibrationReport(const CalibrationReport& report,
                                               const std::string& path, std::string& error) {
  fs::path base(path);
  if (base.extension() == ".html" || base.extension() == ".csv") base.replace_extension();
  std::error_code ec;
  if (base.has_parent_path()) fs::create_directories(base.parent_path(), ec);
  std::ostringstream html, csv;
  WriteReportHtml(report, html);
  WriteReportCsv(report, csv);
  std::vector<std::string> written;
  for (const auto& [ext, text] : {std::pair{".html", html.str()}, std::pair{".csv", csv.str()}}) {
    const std::string file = base.string() + ext;
    if (!ReplaceWholeFile(file, text.data(), text.size())) {
      error = "cannot write " + file;
      return {};
    }
    written.push_back(file);
  }
  return written;
}

}  // namespace travik
