// What a calibration did, point by point, kept while the window's calibration
// dialogs run, and written as a report: a self-contained HTML page for people
// and CSV for spreadsheets. travik-cli calibrate and the window share it.
#pragma once

#include <cstdint>
#include <functional>
#include <ctime>
#include <iosfwd>
#include <string>
#include <vector>

namespace travik {

struct CalibrationStep {
  std::uint16_t constant;  // the value written to the transmitter
  std::uint32_t reading;   // what the calibration device measured then
};

struct CalibrationPoint {
  std::string name;     // as the dialog shows it
  std::string nominal;  // nominal value with its unit
  bool measured = false;       // output points: readings of the calibration device
  bool current = false;        // readings in 0.1 uA, else 0.1 mV
  std::uint32_t nominal_counts = 0;
  std::uint32_t window_at_once = 0;  // accepted at once within nominal ± this
  std::uint32_t window_final = 0;    // accepted after the last step within ± this
  std::vector<CalibrationStep> steps;
  std::uint32_t final_reading = 0;
  bool passed = false;
  bool ended = false;
};

struct CalibrationReport {
  bool outputs = true;  // output calibration; false: inputs
  std::time_t started = 0;
  std::string transmitter_product, transmitter_id, transmitter_firmware;
  std::string calibrator_product, calibrator_id, calibrator_firmware;
  std::vector<CalibrationPoint> points;
  bool complete = false;  // every point passed and the constants were stored
};

// The run the dialogs record into. Begin starts a new one.
CalibrationReport& CurrentCalibration();
void BeginCalibrationReport(bool outputs);
// The devices' fields of the run, once (with its first point), trimmed as
// the report shows them (texts in UTF-8).
void RecordDevices(const std::string& calibrator_product, const std::string& calibrator_id,
                   const std::string& calibrator_firmware, const std::string& transmitter_product,
                   const std::string& transmitter_id, const std::string& transmitter_firmware);

// Called when a calibration run has ended, passed or not (all points stored,
// or a point out of range): the window program saves the report there.
// Nothing is called when none is set (tests, scenarios, travik-cli). The sink
// returns where the report went ("" when it was not saved); the dialog shows it.
using CalibrationEndSink = std::function<std::string(const CalibrationReport&)>;
void SetCalibrationEndSink(CalibrationEndSink sink);
std::string EndCalibrationReport();

// Signed error of a reading in the nominal's counts.
long long ReadingError(const CalibrationPoint& p, std::uint32_t reading);
// A reading as the calibration device's display shows it ("10.0012 V").
std::string ReadingText(const CalibrationPoint& p, std::uint32_t reading);

void WriteReportHtml(const CalibrationReport& report, std::ostream& out);
void WriteReportCsv(const CalibrationReport& report, std::ostream& out);

// $XDG_DATA_HOME/travik/reports (~/.local/share/travik/reports without it);
// "" when neither can be told.
std::string DefaultReportFolder();
// "calibration-outputs-SN10222-20261208-153102" (no extension).
std::string ReportBaseName(const CalibrationReport& report);
// Writes PATH.html and PATH.csv, or, when `path` ends in .html or .csv, that
// file and its sibling with the other extension. The paths written, or empty
// with `error` set.
std::vector<std::string> SaveCalibrationReport(const CalibrationReport& report,
                                               const std::string& path, std::string& error);

}  // namespace travik
