#include "ui/qt/qt_backend.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QFile>
#include <QMetaObject>
#include <QPixmap>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/qt_window.h"

namespace travik::ui {
namespace {

// QApplication keeps a reference to argc, so the default arguments must live on.
int g_default_argc = 1;
char g_default_name[] = "travik";
char* g_default_argv[] = {g_default_name, nullptr};

}  // namespace

QtBackend::QtBackend(int& argc, char** argv) : source_(&FindTemplate) {
  if (QCoreApplication::instance() == nullptr) {
    own_app_ = std::make_unique<QApplication>(argc, argv);
  } else if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    std::fprintf(stderr, "travik: the Qt window layer needs a QApplication\n");
    std::abort();
  }
  // Windows are hidden and shown while dialogs run; only End ends the program.
  QApplication::setQuitOnLastWindowClosed(false);
  // The focus and the active window are part of what the procedures see.
  focus_watch_ = QObject::connect(qApp, &QApplication::focusChanged, qApp, [this] { Touch(); });
}

QtBackend::QtBackend() : QtBackend(g_default_argc, g_default_argv) {}

QtBackend::~QtBackend() { QObject::disconnect(focus_watch_); }

int QtBackend::RunMainWindow(int template_number, DialogProc& proc) {
  const DialogTemplate* tpl = Template(template_number);
  if (tpl == nullptr) return -1;
  qtimpl::Window window(*this, *tpl, proc, nullptr);
  return window.Run();
}

void QtBackend::SetTemplateSource(TemplateSource source) {
  source_ = source ? std::move(source) : TemplateSource(&FindTemplate);
}

const DialogTemplate* QtBackend::Template(int number) const { return source_(number); }

void QtBackend::After(int ms, std::function<void()> task) {
  QTimer::singleShot(ms, QCoreApplication::instance(), std::move(task));
}

bool QtBackend::Click(int template_number, int id) {
  auto* button = qobject_cast<QAbstractButton*>(FindControl(template_number, id));
  if (button == nullptr) return false;
  button->click();
  return true;
}

bool QtBackend::MenuCommand(int template_number, int command) {
  QWidget* window = FindWindow(template_number);
  if (window == nullptr) return false;
  for (QAction* action : window->findChildren<QAction*>()) {
    if (action->data().toInt() == command) {
      action->trigger();
      return true;
    }
  }
  return false;
}

bool QtBackend::AcceptMessageBox() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(w);
    if (box != nullptr && box->isVisible()) {
      box->accept();
      return true;
    }
  }
  return false;
}

bool QtBackend::TakeFileAnswer(std::string& path) {
  if (file_answers_.empty()) return false;
  path = file_answers_.front();
  file_answers_.erase(file_answers_.begin());
  return true;
}

bool QtBackend::GrabScreen(const std::string& png_path) const {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return false;
  return screen->grabWindow(0).save(QString::fromStdString(png_path), "PNG");
}

void QtBackend::Post(std::function<void()> task) {
  if (!task) return;
  QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(task), Qt::QueuedConnection);
}

QWidget* QtBackend::FindWindow(int template_number) const {
  const qtimpl::Window* window = Find(template_number, false);
  return window != nullptr ? window->Top() : nullptr;
}

QWidget* QtBackend::FindControl(int template_number, int id) const {
  const qtimpl::Window* window = Find(template_number, false);
  return window != nullptr ? window->Control(id) : nullptr;
}

Dialog* QtBackend::FindDialog(int template_number) const { return Find(template_number, false); }

bool QtBackend::GrabWindow(int template_number, const std::string& png_path) const {
  const qtimpl::Window* window = Find(template_number, true);
  if (window == nullptr) return false;
  return window->Top()->grab().save(QFile::decodeName(png_path.c_str()), "PNG");
}

void QtBackend::Wake() {
  // A batch is made of ticks that change nothing; should one change
  // something after all, the timers go back to exact without another batch.
  const bool flush = !catching_up_;
  const std::vector<qtimpl::Window*> windows = windows_;
  for (qtimpl::Window* window : windows)
    if (std::find(windows_.begin(), windows_.end(), window) != windows_.end()) window->ExactTimers(flush);
}

void QtBackend::Register(qtimpl::Window* window) {
  Touch();
  windows_.push_back(window);
}

void QtBackend::Unregister(qtimpl::Window* window) {
  Touch();
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

qtimpl::Window* QtBackend::Find(int template_number, bool visible_only) const {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    qtimpl::Window* window = *it;
    if (window->TemplateNumber() != template_number) continue;
    if (visible_only && !window->Top()->isVisible()) continue;
    return window;
  }
  return nullptr;
}

}  // namespace travik::ui
