// The calibration report's two files: where they go and what they say.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>

#include "calibration/calibration_report.h"
#include "support/files.h"

namespace travik {
namespace {

CalibrationReport Sample() {
  CalibrationReport r;
  r.outputs = true;
  r.started = 1765207862;  // a fixed moment
  r.transmitter_product = "Kolvar NSC";
  r.transmitter_id = "NSC <SN10000>";
  r.transmitter_firmware = "00.00.31";
  r.calibrator_id = "CAL-4 UI SN00042";
  CalibrationPoint p;
  p.name = "Kalibrace Napeti kanal 1 kalibracni bod 1V";
  p.measured = true;
  p.nominal_counts = 10000;  // 1 V in 0.1 mV
  p.nominal = "1.0000 V";
  p.window_at_once = 11;
  p.window_final = 19;
  p.steps = {{2048, 10095}, {1024, 9779}, {1536, 9996}};
  p.final_reading = 9996;
  p.ended = true;
  p.passed = true;
  r.points.push_back(p);
  CalibrationPoint q = p;
  q.name = "Kalibrace \"Proudu\", kanal 1";
  q.current = true;
  q.passed = false;
  q.final_reading = 20500;
  r.points.push_back(q);
  return r;
}

TEST(CalibrationReport, WhereTheFilesGo) {
  struct Row {
    const char* asked;
    const char* html;
    const char* csv;
  };
  const Row rows[] = {
      {"r", "r.html", "r.csv"},
      {"r.html", "r.html", "r.csv"},
      {"r.csv", "r.html", "r.csv"},
      {"new/folder/r", "new/folder/r.html", "new/folder/r.csv"},
      {"r.v2", "r.v2.html", "r.v2.csv"},
  };
  for (const Row& row : rows) {
    testing::TempDir dir;
    std::string error;
    const auto written = SaveCalibrationReport(Sample(), dir.File(row.asked), error);
    ASSERT_EQ(written.size(), 2u) << row.asked << ": " << error;
    EXPECT_EQ(written[0], dir.File(row.html));
    EXPECT_EQ(written[1], dir.File(row.csv));
    EXPECT_FALSE(testing::ReadFile(written[0]).empty());
  }
  std::string error;
  EXPECT_TRUE(SaveCalibrationReport(Sample(), "/proc/no/such/place/r", error).empty());
  EXPECT_NE(error.find("cannot write"), std::string::npos);
}

TEST(CalibrationReport, HtmlAndCsvCarryEveryStepEscaped) {
  std::ostringstream html, csv;
  CalibrationReport r = Sample();
  WriteReportHtml(r, html);
  WriteReportCsv(r, csv);
  const std::string h = html.str();
  EXPECT_NE(h.find("NSC &lt;SN10000&gt;"), std::string::npos);
  EXPECT_EQ(h.find("<SN10000>"), std::string::npos);
  EXPECT_NE(h.find("<tr><td>3</td><td>1536</td><td>0.9996 V</td><td>-0.0004 V</td></tr>"),
            std::string::npos) << h;
  EXPECT_NE(h.find("Final reading 2.0500 mA"), std::string::npos);
  EXPECT_NE(h.find("<span class=\"fail\">FAIL</span>"), std::string::npos);  // not complete

  const std::string c = csv.str();
  EXPECT_NE(c.find(",NSC <SN10000>,"), std::string::npos);
  EXPECT_NE(c.find(",\"Kalibrace \"\"Proudu\"\", kanal 1\","), std::string::npos) << c;
  EXPECT_NE(c.find(",1.0000 V,0.0011 V,0.0019 V,2,1024,0.9779 V,-0.0221 V,\n"), std::string::npos);
  EXPECT_NE(c.find(",final,,0.9996 V,-0.0004 V,pass\n"), std::string::npos);
  EXPECT_NE(c.find(",final,,2.0500 mA,+1.0500 mA,fail\n"), std::string::npos);
  // Header, three steps and a final row per point.
  EXPECT_EQ(std::count(c.begin(), c.end(), '\n'), 1 + 2 * 4);
}

TEST(CalibrationReport, NameAndDefaultFolder) {
  EXPECT_EQ(ReportBaseName(Sample()).rfind("calibration-outputs-NSC__SN10000_-", 0), 0u);
  const char* data = std::getenv("XDG_DATA_HOME");
  const std::string saved = data != nullptr ? data : "";
  setenv("XDG_DATA_HOME", "/srv/data", 1);
  EXPECT_EQ(DefaultReportFolder(), "/srv/data/travik/reports");
  setenv("XDG_DATA_HOME", "relative", 1);  // a relative path is ignored
  EXPECT_NE(DefaultReportFolder(), "relative/travik/reports");
  if (data != nullptr) setenv("XDG_DATA_HOME", saved.c_str(), 1); else unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace travik
