// travik-icons: writes the program icon for the desktop's icon theme, as the
// scalable SVG and the PNG sizes, from the one description the windows use.
//
//   travik-icons OUTDIR NAME   ->  OUTDIR/scalable/apps/NAME.svg,
//                                  OUTDIR/SIZExSIZE/apps/NAME.png
#include <QImage>
#include <QString>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "ui/program_icon.h"
#include "ui/qt/qt_window.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: travik-icons OUTDIR NAME\n";
    return 2;
  }
  const fs::path out = argv[1];
  const std::string name = argv[2];
  std::error_code ec;

  const fs::path scalable = out / "scalable" / "apps";
  fs::create_directories(scalable, ec);
  std::ofstream svg(scalable / (name + ".svg"), std::ios::binary | std::ios::trunc);
  svg << travik::ui::ProgramIconSvg();
  svg.close();
  if (!svg) {
    std::cerr << "travik-icons: cannot write " << (scalable / (name + ".svg")).string() << '\n';
    return 1;
  }

  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const std::string dir_name = std::to_string(size) + 'x' + std::to_string(size);
    const fs::path dir = out / dir_name / "apps";
    fs::create_directories(dir, ec);
    const fs::path png = dir / (name + ".png");
    if (!travik::ui::qtimpl::ProgramIconImage(size).save(QString::fromStdString(png.string()),
                                                           "PNG")) {
      std::cerr << "travik-icons: cannot write " << png.string() << '\n';
      return 1;
    }
  }
  return 0;
}
