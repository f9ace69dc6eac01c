// One live window of the Qt window layer: a template turned into widgets,
// driven the way the program's procedures expect of a dialog manager.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <map>
#include <unordered_map>
#include <memory>
#include <string>
#include <vector>

#include "ui/idle_ticks.h"
#include "ui/ui.h"

class QComboBox;
class QImage;
class QPainter;
class QRect;

namespace travik::ui {

class QtBackend;

namespace qtimpl {

class ChartWidget;
class Window;

// The client area: controls are its children, painted texts are drawn on it.
class Surface final : public QWidget {
 public:
  Surface(Window& window, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Window& window_;
};

class DialogFrame final : public QDialog {
 public:
  DialogFrame(Window& window, QWidget* owner, bool thin_border);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  Window& window_;
  bool thin_border_;
};

class MainFrame final : public QMainWindow {
 public:
  explicit MainFrame(Window& window);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  Window& window_;
};

// The template's font on this system: the Windows dialog fonts become the
// system sans-serif at the same point size.
QFont TemplateFont(const DialogTemplate& tpl);

// Dialog units to pixels for a font, as the Windows dialog manager computes them.
struct DialogUnits {
  int base_x = 4;  // average character width
  int base_y = 8;  // character height
  int X(int units) const { return (units * base_x + 2) / 4; }
  int Y(int units) const { return (units * base_y + 4) / 8; }
};
DialogUnits UnitsOf(const QFont& font);

// Name filters for a file dialog ("Desc (*.a *.b)", joined by ";;").
QString FileFilterString(const std::vector<FileFilter>& filters);

// The program icon (a small gauge), drawn rather than loaded.
QIcon ProgramIcon();
// One size of it; also what the installed PNG icons are made from.
QImage ProgramIconImage(int size);

class Window final : public Dialog {
 public:
  // owner == nullptr makes the main window (menu bar, no dialog keys).
  Window(QtBackend& backend, const DialogTemplate& tpl, DialogProc& proc, QWidget* owner);
  ~Window() override;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Shows the window, runs its procedure until End, returns the end code.
  int Run();

  QWidget* Top() const { return top_; }
  QWidget* Control(int id) const;
  bool Ended() const { return ended_; }
  // Whether a timer wakes less often than its period now, its ticks idle.
  bool Coalescing(int timer_id) const;

  // An item image for an owner-drawn combo (24 x 16 pixels).
  void ComboSetImage(int id, int position, const QImage& image);
  // Owner drawing: the procedure paints one item of combo `id` into `area`.
  void PaintOwnerDrawn(int id, int position, bool selected, QPainter& painter, const QRect& area);
  int OwnerDrawnItemHeight(int id);

  // Every coalesced timer back to its period; with flush, the ticks that
  // came due are delivered first.
  void ExactTimers(bool flush);

  // From the widgets.
  void CloseRequested();
  void EscapePressed();
  void EnterPressed();
  void PaintTexts(QWidget& surface);

  // Dialog
  int TemplateNumber() const override { return tpl_.number; }
  std::string GetText(int id, std::size_t max_chars = 255) const override;
  void SetText(int id, std::string_view text) override;
  void LimitText(int id, std::size_t max_chars) override;
  void Enable(int id, bool enabled) override;
  bool IsEnabled(int id) const override;
  void Show(int id, bool visible) override;
  bool IsVisible(int id) const override;
  void Check(int id, bool checked) override;
  bool IsChecked(int id) const override;
  bool HasFocus(int id) const override;
  void SetFocus(int id) override;
  void ComboReset(int id) override;
  int ComboAdd(int id, std::string_view text) override;
  void ComboSetSel(int id, int position) override;
  int ComboGetSel(int id) const override;
  int ComboCount(int id) const override;
  std::string ComboItem(int id, int position) const override;
  void ComboSetItemData(int id, int position, std::uintptr_t data) override;
  std::uintptr_t ComboItemData(int id, int position) const override;
  std::uint64_t StateSerial() const override;
  void ChartSetSeries(int id, const std::vector<ChartSeriesInfo>& series) override;
  void ChartAdd(int id, std::int64_t t_ms, const std::vector<std::optional<double>>& values) override;
  void ChartGap(int id, std::int64_t t_ms) override;
  void SetCaption(std::string_view text) override;
  void ShowWindow(bool visible) override;
  bool IsWindowVisible() const override;
  void SetTimer(int timer_id, int period_ms) override;
  void KillTimer(int timer_id) override;
  void SetTimerIdleTest(int timer_id, std::function<bool()> idle) override;
  void PostClose() override;
  void End(int code) override;
  int RunModal(int template_number, DialogProc& proc) override;
  int MessageBox(std::string_view text, std::string_view caption, Icon icon,
                 Buttons buttons = Buttons::kOk) override;
  std::optional<std::string> ChooseOpenFile(const std::vector<FileFilter>& filters) override;
  std::optional<std::string> ChooseSaveFile(const std::vector<FileFilter>& filters,
                                            std::string_view default_extension) override;

 protected:
  void DeliverTimer(int timer_id) override;

 private:
  struct Item {
    int id = 0;
    ControlKind kind = ControlKind::kStatic;
    QWidget* widget = nullptr;  // nullptr for a painted text
    int radio_group = -1;
    QString painted;            // painted text, as shown
    std::string source;         // a label's, combo's or status line's text as its procedure set it
    bool status_line = false;   // an edit shown translated (kStyleStatusLine)
    QPoint at;                  // painted text position
    bool visible = true;        // painted text
  };
  // A text of this window in the language shown.
  QString T(std::string_view source) const;
  static std::string ItemSource(const QComboBox& combo, int position);

  struct TimerSlot {
    int period = 1;
    bool active = false;
    int running = 0;  // this timer's handlers on the stack
    // [0] is the timer; [k] stands in while k of its handlers are running.
    std::vector<std::unique_ptr<QTimer>> timers;
    // Coalescing of idle ticks ([0] only): the procedure's idle test, the
    // policy, what the last tick left, and whether [0] runs a part period
    // to get back in phase.
    std::function<bool()> idle_test;
    IdleTicks idle;
    std::uint64_t serial_after = 0;
    std::uint64_t exchanges_after = 0;
    bool rephase = false;
  };
  // Runs a nested message loop: stand-ins for the timers whose handlers are
  // running, so that they go on ticking under it.
  template <typename Loop>
  auto Nested(Loop loop);

  void Build();
  void BuildMenus(QMainWindow& frame);
  QWidget* MakeControl(const ControlTemplate& c, std::size_t index);
  void GroupRadios();
  void Command(int id, Notify code);
  void RadioClicked(std::size_t index);
  void TimerElapsed(int timer_id, std::size_t k);
  void Tick(TimerSlot& slot, int timer_id);
  bool CatchUp(TimerSlot& slot, int timer_id, std::int64_t now_ms);
  QTimer& SlotTimer(TimerSlot& slot, int timer_id, std::size_t k);
  void ArmStandIns(std::vector<QTimer*>& armed);
  void StopTimers();
  const Item* Find(int id) const;
  Item* Find(int id);
  QComboBox* Combo(int id) const;
  ChartWidget* Chart(int id) const;

  QtBackend& backend_;
  const DialogTemplate& tpl_;
  DialogProc& proc_;
  const bool main_;
  QWidget* top_ = nullptr;       // DialogFrame or MainFrame, owned
  Surface* surface_ = nullptr;
  DialogUnits units_;
  std::vector<Item> items_;      // template order
  std::unordered_map<int, std::size_t> index_;  // identifier -> first item
  std::map<int, std::unique_ptr<TimerSlot>> timers_;
  QEventLoop loop_;
  bool looping_ = false;
  bool ended_ = false;
  int code_ = 0;
  bool setting_text_ = false;    // SetText on a multi-line edit is not a user edit
};

}  // namespace qtimpl
}  // namespace travik::ui
