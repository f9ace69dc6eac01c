// The Qt window layer on the offscreen platform, driven by posted events only.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <chrono>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/text.h"
#include "i18n/catalogue.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/qt_window.h"

namespace travik::ui {
namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = new QApplication(argc_, argv_);
  }
  void TearDown() override { delete app_; }

 private:
  int argc_ = 1;
  char name_[8] = "test_qt";
  char* argv_[2] = {name_, nullptr};
  QApplication* app_ = nullptr;
};
const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Template numbers no resource uses.
constexpr int kMain = 9100;
constexpr int kDialog = 9200;
constexpr int kCancelDisabled = 9201;
constexpr int kNoCancel = 9202;
constexpr int kPopup = 9203;

constexpr const char* kCzech = "Příliš žluťoučký kůň úpěl ďábelské ódy";

const DialogTemplate* TestTemplate(int number) {
  static const std::map<int, DialogTemplate> templates = [] {
    std::map<int, DialogTemplate> t;
    DialogTemplate main;
    main.number = kMain;
    main.caption = "Travik test";
    main.x = 100;
    main.y = 100;
    main.w = 300;
    main.h = 200;
    main.style = kDialogPixels;
    main.icon = 101;
    main.controls = {{20, ControlKind::kStatic, "", 20, 60, 140, 25, kStyleClientEdge},
                     {10, ControlKind::kButton, "Otevřít", 20, 120, 90, 25},
                     {11, ControlKind::kButton, "Konec", 140, 120, 90, 25},
                     {30, ControlKind::kPaintedText, "Zařízení", 20, 40, 100, 16}};
    main.menus = {{"Soubor", {{40002, "Konec"}, {0, ""}, {40004, "O programu"}}}};
    t[kMain] = main;

    DialogTemplate d;
    d.number = kDialog;
    d.caption = "Zkušební dialog";
    d.w = 200;
    d.h = 160;
    d.controls = {
        {1, ControlKind::kDefaultButton, "OK", 10, 140, 50, 14},
        {2, ControlKind::kButton, "Zrušit", 70, 140, 50, 14},
        {1001, ControlKind::kStatic, "Popis", 10, 5, 80, 8},
        {1002, ControlKind::kEdit, "", 10, 15, 80, 12},
        {1003, ControlKind::kReadOnlyEdit, "", 100, 15, 80, 12},
        {1004, ControlKind::kGroupBox, "Výstup", 5, 30, 190, 40},
        {1005, ControlKind::kCheckBox, "Zapnuto", 10, 40, 60, 10},
        {1006, ControlKind::kRadio, "Proud", 80, 40, 50, 10},
        {1007, ControlKind::kRadio, "Napětí", 80, 52, 50, 10},
        {1008, ControlKind::kStatic, "", 130, 40, 10, 8},
        {1009, ControlKind::kRadio, "Teplota", 140, 40, 50, 10},
        {1010, ControlKind::kRadio, "Vlhkost", 140, 52, 50, 10},
        {1011, ControlKind::kSortedCombo, "", 10, 75, 80, 60},
        {1012, ControlKind::kDropDownList, "", 100, 75, 80, 60},
        {1013, ControlKind::kEdit, "", 10, 95, 80, 30, kStyleMultiline},
        {1014, ControlKind::kOwnerDrawCombo, "", 100, 95, 80, 60},
        {1015, ControlKind::kStatic, "skrytý", 100, 110, 40, 8, kStyleHidden},
        {1016, ControlKind::kButton, "Vypnutý", 140, 110, 50, 14, kStyleDisabled},
        {1020, ControlKind::kPaintedText, "Malováno", 100, 125, 60, 8},
        {1021, ControlKind::kEdit, "", 10, 130, 80, 12, kStyleStatusLine},
    };
    t[kDialog] = d;

    DialogTemplate disabled = d;
    disabled.number = kCancelDisabled;
    disabled.controls[1].style = kStyleDisabled;
    t[kCancelDisabled] = disabled;

    DialogTemplate no_cancel;
    no_cancel.number = kNoCancel;
    no_cancel.caption = "OFF LINE mode";
    no_cancel.w = 100;
    no_cancel.h = 50;
    no_cancel.style = kDialogNoCloseBox;
    no_cancel.controls = {{7, ControlKind::kButton, "KFX", 7, 8, 50, 14}};
    t[kNoCancel] = no_cancel;

    DialogTemplate popup;
    popup.number = kPopup;
    popup.w = 130;
    popup.h = 60;
    popup.font = "Microsoft Sans Serif";
    popup.font_size = 16;
    popup.style = kDialogNoCaption;
    popup.controls = {{1035, ControlKind::kStatic, "Read", 30, 25, 70, 8}};
    t[kPopup] = popup;
    return t;
  }();
  auto it = templates.find(number);
  return it == templates.end() ? nullptr : &it->second;
}

// A procedure assembled from lambdas; unset handlers do nothing.
struct Proc : DialogProc {
  std::function<void(Dialog&)> init;
  std::function<void(Dialog&, int, Notify)> command;
  std::function<void(Dialog&, int)> timer;
  std::function<void(Dialog&)> close;
  std::function<void(Dialog&)> destroy;
  std::vector<std::string> log;

  void OnInit(Dialog& d) override {
    if (init) init(d);
  }
  void OnCommand(Dialog& d, int id, Notify code) override {
    log.push_back("command " + std::to_string(id) + " " + std::to_string(static_cast<int>(code)));
    if (command) command(d, id, code);
  }
  void OnTimer(Dialog& d, int id) override {
    if (timer) timer(d, id);
  }
  void OnClose(Dialog& d) override {
    log.push_back("close");
    if (close) close(d);
  }
  void OnDestroy(Dialog& d) override {
    log.push_back("destroy");
    if (destroy) destroy(d);
  }
};

std::string Cmd(int id, Notify code) {
  return "command " + std::to_string(id) + " " + std::to_string(static_cast<int>(code));
}

void Key(QWidget* target, int key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(target, &press);
}

class QtBackendTest : public ::testing::Test {
 protected:
  QtBackendTest() { backend_.SetTemplateSource(&TestTemplate); }

  // Runs a dialog modally over a hidden host window; returns its end code.
  int RunDialog(int number, DialogProc& proc) {
    int code = -100;
    Proc host;
    host.init = [&](Dialog& d) {
      d.ShowWindow(false);
      code = d.RunModal(number, proc);
      d.End(0);
    };
    backend_.RunMainWindow(kMain, host);
    return code;
  }

  // Posts the click of a button of the topmost window of a template.
  void PostClick(int number, int id) {
    backend_.Post([this, number, id] {
      auto* button = qobject_cast<QAbstractButton*>(backend_.FindControl(number, id));
      ASSERT_NE(button, nullptr);
      button->click();
    });
  }

  // Posts the end of a window unless it has gone or ended already.
  void PostEnd(int number, int code) {
    backend_.Post([this, number, code] {
      auto* window = static_cast<qtimpl::Window*>(backend_.FindDialog(number));
      if (window != nullptr && !window->Ended()) window->End(code);
    });
  }

  QtBackend backend_;
};

TEST_F(QtBackendTest, MainWindowMenuButtonsAndModalDialog) {
  Proc dialog;
  bool owner_hidden = false;
  dialog.init = [&](Dialog&) {
    owner_hidden = !backend_.FindWindow(kMain)->isVisible();
    PostClick(kDialog, 1);
  };
  dialog.command = [](Dialog& d, int id, Notify) { d.End(id == 1 ? 5 : 6); };

  Proc main;
  int dialog_code = 0;
  main.init = [&](Dialog& d) {
    QWidget* window = backend_.FindWindow(kMain);
    EXPECT_EQ(window->size(), QSize(300, 200));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(backend_.FindControl(kMain, 20)->geometry(), QRect(20, 60, 140, 25));
    EXPECT_EQ(backend_.FindControl(kMain, 30), nullptr);  // painted, not a control
    EXPECT_EQ(d.GetText(30), "Zařízení");
    auto* bar = static_cast<QMainWindow*>(window)->menuBar();
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions()[0]->text(), QString::fromUtf8("Soubor"));
    PostClick(kMain, 10);
  };
  main.command = [&](Dialog& d, int id, Notify) {
    if (id == 10) {
      d.ShowWindow(false);
      dialog_code = d.RunModal(kDialog, dialog);
      d.ShowWindow(true);
      backend_.Post([this] {
        for (QAction* action : backend_.FindWindow(kMain)->findChildren<QAction*>())
          if (action->data().toInt() == 40002) action->trigger();
      });
    } else if (id == 40002) {
      d.End(7);
    }
  };

  EXPECT_EQ(backend_.RunMainWindow(kMain, main), 7);
  EXPECT_EQ(dialog_code, 5);
  EXPECT_TRUE(owner_hidden);
  EXPECT_EQ(main.log, (std::vector<std::string>{Cmd(10, Notify::kClicked),
                                                Cmd(40002, Notify::kClicked), "destroy"}));
  EXPECT_EQ(backend_.FindWindow(kMain), nullptr);
  EXPECT_EQ(backend_.RunMainWindow(4242, main), -1);
}

TEST_F(QtBackendTest, FramesFollowTheTemplateStyle) {
  struct Case {
    int number;
    bool frameless;
    bool close_box;
  };
  for (const Case& c : {Case{kDialog, false, true}, Case{kNoCancel, false, false},
                        Case{kPopup, true, false}}) {
    SCOPED_TRACE(c.number);
    Proc proc;
    proc.init = [&](Dialog& d) {
      QWidget* top = backend_.FindWindow(c.number);
      const DialogTemplate& t = *TestTemplate(c.number);
      const qtimpl::DialogUnits u = qtimpl::UnitsOf(qtimpl::TemplateFont(t));
      const int border = c.frameless ? 2 : 0;
      EXPECT_EQ(top->size(), QSize(u.X(t.w) + border, u.Y(t.h) + border));
      EXPECT_EQ(top->windowFlags().testFlag(Qt::FramelessWindowHint), c.frameless);
      EXPECT_EQ(top->windowFlags().testFlag(Qt::WindowCloseButtonHint), c.close_box);
      d.End(1);
    };
    EXPECT_EQ(RunDialog(c.number, proc), 1);
  }
  // The 16-point popup font makes larger dialog units than the 8-point default.
  EXPECT_GT(qtimpl::UnitsOf(qtimpl::TemplateFont(*TestTemplate(kPopup))).base_y,
            qtimpl::UnitsOf(qtimpl::TemplateFont(*TestTemplate(kDialog))).base_y);
}

TEST_F(QtBackendTest, TimersTickUntilEndAndNotAfter) {
  Proc proc;
  int ticks = 0, killed_ticks = 0, ticks_at_destroy = -1;
  proc.init = [&](Dialog& d) {
    d.SetTimer(1, 2);
    d.SetTimer(2, 1);
    d.TickNow(1);
    EXPECT_EQ(ticks, 1);  // delivered at once
  };
  proc.timer = [&](Dialog& d, int id) {
    if (id == 2) {
      ++killed_ticks;
      d.KillTimer(2);
      return;
    }
    if (++ticks == 5) d.End(ticks);
  };
  proc.destroy = [&](Dialog&) { ticks_at_destroy = ticks; };
  EXPECT_EQ(RunDialog(kDialog, proc), 5);
  EXPECT_EQ(ticks_at_destroy, 5);
  EXPECT_EQ(killed_ticks, 1);
}

// The transfer popups go on while their own message box is open, and the main
// window's timer runs under a modal dialog.
TEST_F(QtBackendTest, TimersFireUnderModalWindows) {
  Proc proc;
  int ticks = 0, ticks_under_box = 0;
  bool box_open = false;
  backend_.on_message_box = [&](const MessageRecord&) { box_open = true; };
  proc.init = [&](Dialog& d) { d.SetTimer(1, 2); };
  proc.timer = [&](Dialog& d, int) {
    ++ticks;
    if (box_open) {
      if (++ticks_under_box == 3) {
        backend_.Post([] {
          auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
          ASSERT_NE(box, nullptr);
          box->button(QMessageBox::Ok)->click();
        });
      }
      return;
    }
    if (ticks == 2) {
      d.MessageBox("Servisní Jumper není připojen.", "Data write info", Icon::kInformation);
      box_open = false;
      d.End(ticks_under_box);
    }
  };
  EXPECT_GE(RunDialog(kDialog, proc), 3);

  Proc main, dialog;
  int main_ticks = 0, main_ticks_at_open = -1;
  main.init = [&](Dialog& d) {
    d.SetTimer(1, 2);
    backend_.Post([&, &d = d] {
      main_ticks_at_open = main_ticks;
      d.RunModal(kDialog, dialog);
      d.End(0);
    });
  };
  main.timer = [&](Dialog&, int) { ++main_ticks; };
  dialog.init = [&](Dialog& d) { d.SetTimer(1, 1); };
  dialog.timer = [&](Dialog& d, int) {
    if (main_ticks >= main_ticks_at_open + 3) d.End(0);
  };
  backend_.RunMainWindow(kMain, main);
  EXPECT_GE(main_ticks, main_ticks_at_open + 3);
}

// A timer whose ticks the procedure vouches for as idle wakes less often and
// gets what came due in batches: never a tick before its time, and as many
// as the clock gives; an input brings it back to its period at once.
TEST_F(QtBackendTest, IdleTicksComeInBatchesKeepTheirCountAndEndOnInput) {
  using Clock = std::chrono::steady_clock;
  const auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
  Proc proc;
  bool idle = true;
  std::vector<Clock::time_point> at;
  Clock::time_point start;
  int at_click = -1;
  bool coalescing_at_200 = false, coalescing_at_click = true, coalescing_at_end = true;
  auto window = [&] { return static_cast<qtimpl::Window*>(backend_.FindDialog(kDialog)); };
  proc.init = [&](Dialog& d) {
    d.SetTimerIdleTest(1, [&] { return idle; });
    d.SetTimer(1, 5);
    start = Clock::now();
  };
  proc.timer = [&](Dialog& d, int) {
    at.push_back(Clock::now());
    if (at.size() == 200) {
      coalescing_at_200 = window()->Coalescing(1);
      PostClick(kDialog, 1);
    }
    if (at_click >= 0 && static_cast<int>(at.size()) == at_click + 40) {
      coalescing_at_end = window()->Coalescing(1);
      d.End(1);
    }
  };
  proc.command = [&](Dialog&, int id, Notify) {
    if (id != 1) return;
    coalescing_at_click = window()->Coalescing(1);
    at_click = static_cast<int>(at.size());
    // Ticks that change something from now on: they must come one by one.
    idle = false;
    // Never more than the clock gives; fewer only by what Qt dropped while exact.
    const int by_clock = static_cast<int>(ms(Clock::now() - start) / 5);
    EXPECT_LE(at_click, by_clock);
    EXPECT_GE(at_click, by_clock - 3);
  };
  EXPECT_EQ(RunDialog(kDialog, proc), 1);
  EXPECT_TRUE(coalescing_at_200);
  EXPECT_FALSE(coalescing_at_click);
  EXPECT_FALSE(coalescing_at_end);
  ASSERT_GE(at_click, 200);
  int wakes = 1;
  for (std::size_t k = 0; k < at.size(); ++k) {
    // 1 ms of slack: the batches count whole milliseconds.
    EXPECT_GE(ms(at[k] - start), 5.0 * static_cast<double>(k + 1) - 1.0) << "tick " << k + 1;
    if (k > 0 && k < 200 && ms(at[k] - at[k - 1]) > 1.0) ++wakes;
  }
  // Exact, 200 wake-ups; coalesced after the first 100 ms, about 30.
  EXPECT_LT(wakes, 60);
}

// A timer that does not vouch for its ticks (the values window polling)
// keeps every timer of the program at its period.
TEST_F(QtBackendTest, AnUndeclaredTimerKeepsTheOthersExact) {
  Proc proc;
  int ticks = 0;
  bool ever_coalesced = false;
  proc.init = [&](Dialog& d) {
    d.SetTimerIdleTest(1, [] { return true; });
    d.SetTimer(1, 5);
    d.SetTimer(2, 20);
  };
  proc.timer = [&](Dialog& d, int id) {
    if (id != 1) return;
    ever_coalesced = ever_coalesced || static_cast<qtimpl::Window&>(d).Coalescing(1);
    if (++ticks == 80) d.End(1);
  };
  EXPECT_EQ(RunDialog(kDialog, proc), 1);
  EXPECT_FALSE(ever_coalesced);
}

TEST_F(QtBackendTest, TextsAreUtf8AndCutToMaxChars) {
  Proc proc;
  proc.init = [&](Dialog& d) {
    for (int id : {1, 1001, 1002, 1003, 1004, 1005, 1011, 1013, 1020}) {
      SCOPED_TRACE(id);
      d.SetText(id, kCzech);
      EXPECT_EQ(d.GetText(id), kCzech);
      EXPECT_EQ(d.GetText(id, 6), "Příliš");
      EXPECT_EQ(d.GetText(id, 0), "");
    }
    EXPECT_EQ(static_cast<QLabel*>(backend_.FindControl(kDialog, 1001))->text(),
              QString::fromUtf8(kCzech));
    d.SetText(1001, "   Firmware\n\nkonfigurace");
    EXPECT_EQ(d.GetText(1001), "   Firmware\n\nkonfigurace");
    EXPECT_EQ(d.GetText(4711), "");
    d.SetText(4711, "x");  // no such control: nothing happens

    d.SetCaption("Nastavení");
    EXPECT_EQ(backend_.FindWindow(kDialog)->windowTitle(), QString::fromUtf8("Nastavení"));
    d.SetText(1002, "12");
    d.SetText(1013, "a");
    backend_.Post([&, &d = d] {
      Key(backend_.FindControl(kDialog, 1002), Qt::Key_3, "3");
      Key(backend_.FindControl(kDialog, 1013), Qt::Key_B, "b");
      EXPECT_EQ(d.GetText(1002), "123");
      d.End(1);
    });
  };
  EXPECT_EQ(RunDialog(kDialog, proc), 1);
  // SetText is not a user edit; typing is, once per key.
  EXPECT_EQ(proc.log, (std::vector<std::string>{Cmd(1002, Notify::kEditChange),
                                                Cmd(1013, Notify::kEditChange), "destroy"}));
}

// Labels and status lines show the catalogue's text; a plain edit shows what
// it was given. The procedure reads its own text back either way.
TEST_F(QtBackendTest, StatusLinesAreShownTranslated) {
  i18n::SetTranslator([](std::string_view, std::string_view source) {
    return source == "Kalibrace dokoncena" ? std::string("Calibration finished") : std::string(source);
  });
  Proc proc;
  proc.init = [&](Dialog& d) {
    for (int id : {1001, 1002, 1021}) d.SetText(id, "Kalibrace dokoncena");
    auto shown = [&](int id) {
      QWidget* w = backend_.FindControl(kDialog, id);
      if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
      return qobject_cast<QLineEdit*>(w)->text().toStdString();
    };
    EXPECT_EQ(shown(1001), "Calibration finished");
    EXPECT_EQ(shown(1002), "Kalibrace dokoncena");
    EXPECT_EQ(shown(1021), "Calibration finished");
    for (int id : {1001, 1002, 1021}) EXPECT_EQ(d.GetText(id), "Kalibrace dokoncena") << id;
    d.SetText(1021, "12.5");  // a value in a status line stays itself
    EXPECT_EQ(shown(1021), "12.5");
    EXPECT_EQ(d.GetText(1021), "12.5");
    d.End(1);
  };
  EXPECT_EQ(RunDialog(kDialog, proc), 1);
  i18n::SetTranslator(nullptr);
}

// An edit's limit holds for set and typed texts alike, in characters.
TEST_F(QtBackendTest, EditsTakeNoMoreThanTheirLimit) {
  Proc proc;
  proc.init = [&](Dialog& d) {
    d.LimitText(1002, 6);
    d.SetText(1002, kCzech);
    EXPECT_EQ(d.GetText(1002), "Příliš");
    d.LimitText(1002, 8);
    d.SetText(1002, "1234567");
    backend_.Post([&, &d = d] {
      Key(backend_.FindControl(kDialog, 1002), Qt::Key_8, "8");
      Key(backend_.FindControl(kDialog, 1002), Qt::Key_9, "9");
      EXPECT_EQ(d.GetText(1002), "12345678");
      d.End(1);
    });
  };
  EXPECT_EQ(RunDialog(kDialog, proc), 1);
}

TEST_F(QtBackendTest, ControlStatesFromTemplateAndCalls) {
  Proc proc;
  proc.init = [&](Dialog& d) {
    EXPECT_FALSE(d.IsVisible(1015));
    EXPECT_FALSE(d.IsEnabled(1016));
    EXPECT_TRUE(d.IsVisible(1001));
    EXPECT_TRUE(d.IsEnabled(1002));
    d.Show(1015, true);
    d.Enable(1016, true);
    d.Show(1020, false);
    d.Enable(1002, false);
    EXPECT_TRUE(d.IsVisible(1015));
    EXPECT_TRUE(d.IsEnabled(1016));
    EXPECT_FALSE(d.IsVisible(1020));
    EXPECT_FALSE(d.IsEnabled(1002));
    EXPECT_FALSE(d.IsVisible(4711));
    d.Check(1005, true);
    EXPECT_TRUE(d.IsChecked(1005));
    d.Check(1, true);  // a push button has no check state
    EXPECT_FALSE(d.IsChecked(1));
    backend_.Post([&, &d = d] {
      d.SetFocus(1003);
      EXPECT_TRUE(d.HasFocus(1003));
      EXPECT_FALSE(d.HasFocus(1002));
      d.End(1);
    });
  };
  EXPECT_EQ(RunDialog(kDialog, proc), 1);
}

TEST_F(QtBackendTest, RadioButtonsAreExclusiveWithinTheirRun) {
  Proc proc;
  proc.init = [&](Dialog& d) {
    d.Check(1007, true);
    d.Check(1009, true);
    d.Check(1010, true);  // setting a state touches that button only
    EXPECT_TRUE(d.IsChecked(1009));
    PostClick(kDialog, 1006);
    PostClick(kDialog, 1006);  // a checked radio stays checked
    backend_.Post([&, &d = d] {
      EXPECT_TRUE(d.IsChecked(1006));
      EXPECT_FALSE(d.IsChecked(1007));
      EXPECT_TRUE(d.IsChecked(1009));  // another run (a static lies between)
      EXPECT_TRUE(d.IsChecked(1010));
      d.End(1);
    });
  };
  EXPECT_EQ(RunDialog(kDialog, proc), 1);
  EXPECT_EQ(proc.log, (std::vector<std::string>{Cmd(1006, Notify::kClicked),
                                                Cmd(1006, Notify::kClicked), "destroy"}));
}

TEST_F(QtBackendTest, CombosSortSelectAndNotifyUserChoicesOnly) {
  Proc proc;
  int selection_seen = -2;
  proc.command = [&](Dialog& d, int id, Notify code) {
    if (code == Notify::kSelChange) selection_seen = d.ComboGetSel(id);
  };
  proc.init = [&](Dialog& d) {
    const std::vector<std::pair<const char*, int>> adds = {
        {"19200Bd", 0}, {" 1200Bd", 0}, {"Čáp", 2}, {"Zebra", 2}, {"apple", 2}, {"Banana", 3},
        {" 9600Bd", 1}};
    for (const auto& [text, position] : adds) EXPECT_EQ(d.ComboAdd(1011, text), position) << text;
    const std::vector<std::string> sorted = {" 1200Bd", " 9600Bd", "19200Bd", "apple",
                                             "Banana",  "Zebra",   "Čáp"};
    ASSERT_EQ(d.ComboCount(1011), 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(d.ComboItem(1011, i), sorted[i]);
    EXPECT_EQ(d.ComboItem(1011, 7), "");
    EXPECT_EQ(d.ComboGetSel(1011), -1);  // adding selects nothing
    EXPECT_EQ(d.GetText(1011), "");

    d.ComboSetSel(1011, 2);
    EXPECT_EQ(d.GetText(1011), "19200Bd");
    d.SetText(1011, "neznámá");  // the edit text only: the selection stays
    EXPECT_EQ(d.GetText(1011), "neznámá");
    EXPECT_EQ(d.ComboGetSel(1011), 2);
    d.ComboSetSel(1011, 2);
    EXPECT_EQ(d.GetText(1011), "19200Bd");
    d.ComboAdd(1011, " 2400Bd");  // inserted before the selection, which follows its item
    EXPECT_EQ(d.ComboGetSel(1011), 3);
    EXPECT_EQ(d.GetText(1011), "19200Bd");
    d.ComboSetSel(1011, 99);
    EXPECT_EQ(d.ComboGetSel(1011), -1);
    EXPECT_EQ(d.GetText(1011), "");

    for (const char* text : {"b", "a", "c"}) d.ComboAdd(1012, text);  // unsorted list
    EXPECT_EQ(d.ComboItem(1012, 0), "b");
    EXPECT_EQ(d.ComboGetSel(1012), -1);
    d.SetText(1012, "c");  // a list shows items only: the text selects one
    EXPECT_EQ(d.ComboGetSel(1012), 2);
    d.SetText(1012, "zz");
    EXPECT_EQ(d.GetText(1012), "c");

    backend_.Post([&, &d = d] {
      // A shown text that names another item is not a selection, not even
      // when the combo loses the focus.
      d.ComboSetSel(1011, 0);
      d.SetText(1011, "19200Bd");
      auto* combo = static_cast<QComboBox*>(backend_.FindControl(kDialog, 1011));
      QFocusEvent focus_out(QEvent::FocusOut, Qt::TabFocusReason);
      QCoreApplication::sendEvent(combo->lineEdit(), &focus_out);
      EXPECT_EQ(d.ComboGetSel(1011), 0);
      d.ComboSetSel(1011, 0);
      Key(combo, Qt::Key_Down);
      EXPECT_EQ(selection_seen, 1);
      d.ComboReset(1011);
      EXPECT_EQ(d.ComboCount(1011), 0);
      EXPECT_EQ(d.GetText(1011), "");
      d.End(1);
    });
  };
  EXPECT_EQ(RunDialog(kDialog, proc), 1);
  EXPECT_EQ(proc.log,
            (std::vector<std::string>{Cmd(1011, Notify::kSelChange), "destroy"}));
}

TEST_F(QtBackendTest, PostedCloseArrivesAfterTheHandler) {
  Proc proc;
  proc.init = [&](Dialog& d) {
    d.PostClose();
    proc.log.push_back("init done");
  };
  proc.close = [&](Dialog& d) {
    if (proc.log.size() == 2) {  // the posted close
      d.SetTimer(1, 1);
      return;
    }
    d.End(3);
  };
  proc.timer = [&](Dialog& d, int) {
    d.KillTimer(1);
    d.PostClose();
    d.PostClose();
    proc.log.push_back("tick done");
  };
  // The second close ends the dialog, so the third is dropped with it.
  EXPECT_EQ(RunDialog(kDialog, proc), 3);
  EXPECT_EQ(proc.log, (std::vector<std::string>{"init done", "close", "tick done", "close",
                                                "destroy"}));

  // A close posted in the handler that ends the dialog never arrives.
  Proc ending;
  ending.init = [](Dialog& d) {
    d.PostClose();
    d.End(4);
  };
  EXPECT_EQ(RunDialog(kDialog, ending), 4);
  EXPECT_EQ(ending.log, (std::vector<std::string>{"destroy"}));
}

TEST_F(QtBackendTest, CloseBoxGoesToTheProcedure) {
  Proc proc;
  proc.close = [](Dialog&) {};  // refuses
  proc.init = [&](Dialog&) {
    backend_.Post([&] {
      QWidget* top = backend_.FindWindow(kDialog);
      top->close();
      EXPECT_TRUE(top->isVisible());
    });
    PostEnd(kDialog, 8);
  };
  EXPECT_EQ(RunDialog(kDialog, proc), 8);
  EXPECT_EQ(proc.log, (std::vector<std::string>{"close", "destroy"}));
}

TEST_F(QtBackendTest, EscapeAndEnterKeys) {
  struct Case {
    int number;
    int key;
    int focus;  // control to focus first, 0 for none
    int expected;
  };
  const Case cases[] = {
      {kDialog, Qt::Key_Escape, 1002, 2},          // from an edit, as cancel
      {kCancelDisabled, Qt::Key_Escape, 1002, 99}, // cancel disabled: nothing
      {kNoCancel, Qt::Key_Escape, 0, 2},           // no cancel control: still cancel
      {kDialog, Qt::Key_Return, 1002, 1},          // the default button
      {kDialog, Qt::Key_Return, 2, 2},             // a focused button takes over
      {kNoCancel, Qt::Key_Return, 0, 99},          // no default button: nothing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.number << " key " << c.key << " focus " << c.focus);
    Proc proc;
    proc.command = [](Dialog& d, int id, Notify) { d.End(id); };
    proc.init = [&](Dialog& d) {
      if (c.focus != 0) d.SetFocus(c.focus);
      backend_.Post([&] {
        QWidget* top = backend_.FindWindow(c.number);
        QWidget* target = c.focus != 0 ? backend_.FindControl(c.number, c.focus) : top;
        Key(target, c.key);
      });
      PostEnd(c.number, 99);
    };
    EXPECT_EQ(RunDialog(c.number, proc), c.expected);
  }
}

TEST_F(QtBackendTest, EndCodesAndNestedDialogs) {
  Proc early;
  early.init = [](Dialog& d) { d.End(11); };
  EXPECT_EQ(RunDialog(kDialog, early), 11);
  EXPECT_EQ(early.log, (std::vector<std::string>{"destroy"}));

  Proc missing;
  EXPECT_EQ(RunDialog(4242, missing), -1);

  // The inner dialog ends the outer one: the outer ends once the inner has
  // returned, and hears nothing more.
  Proc outer, inner;
  int inner_code = 0;
  QWidget* inner_owner = nullptr;
  QWidget* outer_top = nullptr;
  outer.init = [&](Dialog& d) {
    outer_top = backend_.FindWindow(kDialog);
    backend_.Post([&, &d = d] {
      inner_code = d.RunModal(kPopup, inner);
      d.SetText(1001, "after");
    });
  };
  inner.init = [&](Dialog&) {
    inner_owner = backend_.FindWindow(kPopup)->parentWidget();
    backend_.Post([&] { backend_.FindDialog(kDialog)->End(50); });
    PostClick(kDialog, 1);  // the outer one is blocked and ended anyway
    PostEnd(kPopup, 42);
  };
  EXPECT_EQ(RunDialog(kDialog, outer), 50);
  EXPECT_EQ(inner_code, 42);
  EXPECT_EQ(inner_owner, outer_top);
  EXPECT_EQ(outer.log, (std::vector<std::string>{"destroy"}));
}

TEST_F(QtBackendTest, MessageBoxesReportAndAnswer) {
  struct Case {
    Buttons buttons;
    QMessageBox::StandardButton click;
    int expected;
  };
  const Case cases[] = {{Buttons::kOk, QMessageBox::Ok, kAnswerOk},
                        {Buttons::kOkCancel, QMessageBox::Cancel, kAnswerCancel},
                        {Buttons::kYesNo, QMessageBox::Yes, kAnswerYes},
                        {Buttons::kYesNo, QMessageBox::No, kAnswerNo}};
  const std::string text = "              Firmware zařízení je zastaralý\n\nkonfigurace";
  std::vector<MessageRecord> records;
  QString shown;
  backend_.on_message_box = [&](const MessageRecord& record) { records.push_back(record); };
  for (const Case& c : cases) {
    Proc proc;
    int answer = 0;
    proc.init = [&](Dialog& d) {
      backend_.Post([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->parentWidget(), backend_.FindWindow(kDialog));
        box->button(c.click)->click();
      });
      answer = d.MessageBox(text, "Zařízení info FW", Icon::kWarning, c.buttons);
      d.End(1);
    };
    RunDialog(kDialog, proc);
    EXPECT_EQ(answer, c.expected);
  }
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].text, text);
  EXPECT_EQ(records[0].caption, "Zařízení info FW");
  EXPECT_EQ(records[0].icon, Icon::kWarning);
  EXPECT_EQ(records[0].owner_template, kDialog);
  EXPECT_EQ(shown, QString::fromUtf8(text.c_str()));
}

TEST(QtFileFilters, QtFormFromDescriptionAndPattern) {
  const std::pair<std::vector<FileFilter>, const char*> cases[] = {
      {{{"Kolvar Config Files (*.kvc)", "*.kvc"}}, "Kolvar Config Files (*.kvc)"},
      {{{"Firmware", "*.hex;*.kvm"}}, "Firmware (*.hex *.kvm)"},
      {{{"Firmware (*.hex;*.kvm)", "*.hex;*.kvm"}, {"All Files (*.*)", "*.*"}},
       "Firmware (*.hex *.kvm);;All Files (*.*)"},
      {{{"Soubory (nové)", ""}}, "Soubory (nové) (*)"},
      {{{"", "*.kvc"}}, "(*.kvc)"},
  };
  for (const auto& [filters, expected] : cases)
    EXPECT_EQ(qtimpl::FileFilterString(filters), QString::fromUtf8(expected));
}

TEST_F(QtBackendTest, FileChoosers) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString existing = dir.filePath("a.kvc");
  std::ofstream(existing.toStdString()) << "x";
  const std::vector<FileFilter> filters = {{"Kolvar Config Files (*.kvc)", "*.kvc"}};

  auto answer = [&](const QString& name, bool accept) {
    backend_.Post([&dir, name, accept] {
      auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(chooser, nullptr);
      chooser->setDirectory(dir.path());
      chooser->selectFile(name);
      QDialog* dialog = chooser;  // accept() is public there
      if (accept) dialog->accept(); else dialog->reject();
    });
  };
  Proc proc;
  std::optional<std::string> opened, saved, cancelled;
  proc.init = [&](Dialog& d) {
    answer("a.kvc", true);
    opened = d.ChooseOpenFile(filters);
    answer("nove", true);
    saved = d.ChooseSaveFile(filters, "kvc");
    answer("a.kvc", false);
    cancelled = d.ChooseOpenFile(filters);
    d.End(1);
  };
  RunDialog(kDialog, proc);
  EXPECT_EQ(opened, existing.toStdString());
  EXPECT_EQ(saved, dir.filePath("nove.kvc").toStdString());
  EXPECT_EQ(cancelled, std::nullopt);
}

TEST_F(QtBackendTest, GrabWindowSavesTheVisibleWindow) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("main.png").toStdString();
  bool grabbed = false, grabbed_missing = true;
  Proc main;
  main.init = [&](Dialog& d) {
    backend_.Post([&, &d = d] {
      grabbed = backend_.GrabWindow(kMain, path);
      grabbed_missing = backend_.GrabWindow(kDialog, dir.filePath("none.png").toStdString());
      d.End(0);
    });
  };
  backend_.RunMainWindow(kMain, main);
  EXPECT_TRUE(grabbed);
  EXPECT_FALSE(grabbed_missing);
  EXPECT_EQ(QImage(QString::fromStdString(path)).size(), QSize(300, 200));
}

}  // namespace
}  // namespace travik::ui

namespace travik::ui {
namespace {

// Owner-drawn combos: the procedure paints the closed field and the list's
// items through its own drawing, with the data it kept for each item.
TEST_F(QtBackendTest, OwnerDrawnCombosPaintThroughTheProcedure) {
  struct Painter : Proc {
    std::vector<std::uintptr_t> drawn;
    int OnMeasureItem(Dialog&, int) override { return 18; }
    void OnDrawItem(Dialog&, const DrawItem& item) override {
      drawn.push_back(item.data);
      item.canvas->FillRect(item.rect.x + item.base_unit_x / 4, item.rect.y + 1, 24, 16, 0xFF0000);
    }
  } proc;
  int red = 0;
  proc.init = [&](Dialog& d) {
    d.ComboAdd(1014, "a");
    d.ComboAdd(1014, "b");
    d.ComboSetItemData(1014, 1, 42);
    d.ComboSetSel(1014, 1);
    EXPECT_EQ(d.ComboItemData(1014, 1), 42u);
    EXPECT_EQ(d.ComboItemData(1014, 0), 0u);
    backend_.Post([&, &d = d] {
      auto* combo = qobject_cast<QComboBox*>(backend_.FindControl(kDialog, 1014));
      ASSERT_NE(combo, nullptr);
      const QImage shot = combo->grab().toImage();
      for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) red += shot.pixel(x, y) == qRgb(255, 0, 0);
      EXPECT_EQ(combo->view()->sizeHintForRow(0), 18);
      d.End(1);
    });
  };
  EXPECT_EQ(RunDialog(kDialog, proc), 1);
  EXPECT_EQ(red, 24 * 16);
  ASSERT_FALSE(proc.drawn.empty());
  EXPECT_EQ(proc.drawn.front(), 42u);
}

}  // namespace
}  // namespace travik::ui
