// The window layer on Qt 6 Widgets: real windows for the GUI program.
//
// One QtBackend per process. It needs a QApplication: the constructors create
// one when none exists yet (and own it), otherwise they use the existing one.
// Every call is made on the GUI thread, except Post, which any thread may use.
#pragma once

#include <QMetaObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/ui.h"

class QApplication;
class QWidget;

namespace travik::ui {

namespace qtimpl {
class Window;
}

class QtBackend final : public Backend {
 public:
  // argc must outlive the backend (QApplication keeps a reference to it).
  QtBackend(int& argc, char** argv);
  QtBackend();
  ~QtBackend() override;
  QtBackend(const QtBackend&) = delete;
  QtBackend& operator=(const QtBackend&) = delete;

  int RunMainWindow(int template_number, DialogProc& proc) override;

  // Where templates come from; ui::FindTemplate unless set (tests use their own).
  using TemplateSource = std::function<const DialogTemplate*(int)>;
  void SetTemplateSource(TemplateSource source);
  const DialogTemplate* Template(int number) const;

  // Runs task on the GUI thread once the current handler has returned.
  void Post(std::function<void()> task);

  // The most recently opened live window of a template, and one of its
  // controls; nullptr when there is none. For tests and drivers.
  QWidget* FindWindow(int template_number) const;
  QWidget* FindControl(int template_number, int id) const;
  Dialog* FindDialog(int template_number) const;

  // Saves the most recently opened visible window of a template as PNG.
  bool GrabWindow(int template_number, const std::string& png_path) const;
  // Saves the whole screen (all windows, message boxes included) as PNG.
  bool GrabScreen(const std::string& png_path) const;

  // Acting as a user, for drivers that run the real windows (screenshots,
  // benchmarks). Each returns false when the control or command is not there.
  // A click or command that opens a modal dialog returns when that ends.
  void After(int ms, std::function<void()> task);
  bool Click(int template_number, int id);
  bool MenuCommand(int template_number, int command);
  // The active modal message box, accepted; false when none is up.
  bool AcceptMessageBox();
  // Answers the next file chooser with a path without showing it (drivers
  // cannot type into the platform's chooser reliably).
  void QueueFileAnswer(std::string path) { file_answers_.push_back(std::move(path)); }
  bool TakeFileAnswer(std::string& path);

  // Dialog::StateSerial of every window, and what moves it on (and ends
  // any coalescing of idle ticks first).
  std::uint64_t StateSerial() const { return state_serial_; }
  void Touch() {
    Wake();
    ++state_serial_;
  }
  // Every timer back to its exact period, the idle ticks that came due
  // delivered first: something may change what the idle tests read.
  void Wake();

 private:
  friend class qtimpl::Window;
  void Register(qtimpl::Window* window);
  void Unregister(qtimpl::Window* window);
  qtimpl::Window* Find(int template_number, bool visible_only) const;

  std::unique_ptr<QApplication> own_app_;
  TemplateSource source_;
  std::vector<qtimpl::Window*> windows_;  // in opening order
  std::vector<std::string> file_answers_;
  std::uint64_t state_serial_ = 0;
  bool catching_up_ = false;  // delivering a batch of idle ticks
  QMetaObject::Connection focus_watch_;
};

}  // namespace travik::ui
