// A dialog without windows: control texts by identifier, the focus, message
// boxes recorded, file choosers answered from preset paths.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/text.h"
#include "ui/ui.h"

namespace travik::fake {

class FakeDialog : public ui::Dialog {
 public:
  struct Box {
    std::string text;
    std::string caption;
    ui::Icon icon;
  };

  std::map<int, std::string> texts;
  std::map<int, std::size_t> limits;
  int focus = 0;
  std::vector<Box> boxes;
  std::optional<std::string> open_path;  // nothing: the user cancels
  std::optional<std::string> save_path;
  std::vector<ui::FileFilter> last_filters;
  std::string last_extension;
  int template_number = 0;
  std::function<void()> while_box_is_up;  // called as each box is shown

  int TemplateNumber() const override { return template_number; }
  std::string GetText(int id, std::size_t max_chars) const override {
    auto it = texts.find(id);
    return it == texts.end() ? std::string() : Utf8Prefix(it->second, max_chars);
  }
  void SetText(int id, std::string_view text) override { texts[id] = std::string(text); }
  void LimitText(int id, std::size_t max_chars) override { limits[id] = max_chars; }
  void Enable(int, bool) override {}
  bool IsEnabled(int) const override { return true; }
  void Show(int, bool) override {}
  bool IsVisible(int) const override { return true; }
  void Check(int, bool) override {}
  bool IsChecked(int) const override { return false; }
  bool HasFocus(int id) const override { return focus == id; }
  void SetFocus(int id) override { focus = id; }
  void ComboReset(int) override {}
  int ComboAdd(int, std::string_view) override { return 0; }
  void ComboSetSel(int, int) override {}
  int ComboGetSel(int) const override { return -1; }
  int ComboCount(int) const override { return 0; }
  std::string ComboItem(int, int) const override { return {}; }
  void ComboSetItemData(int, int, std::uintptr_t) override {}
  std::uintptr_t ComboItemData(int, int) const override { return 0; }
  std::uint64_t StateSerial() const override { return ++serial_; }  // never the same twice
  void SetCaption(std::string_view) override {}
  void ShowWindow(bool) override {}
  bool IsWindowVisible() const override { return true; }
  void SetTimer(int, int) override {}
  void KillTimer(int) override {}
  void PostClose() override {}
  void End(int) override {}
  int RunModal(int, ui::DialogProc&) override { return -1; }
  int MessageBox(std::string_view text, std::string_view caption, ui::Icon icon,
                 ui::Buttons) override {
    boxes.push_back({std::string(text), std::string(caption), icon});
    if (while_box_is_up) while_box_is_up();
    return ui::kAnswerOk;
  }
  std::optional<std::string> ChooseOpenFile(const std::vector<ui::FileFilter>& filters) override {
    last_filters = filters;
    return open_path;
  }
  std::optional<std::string> ChooseSaveFile(const std::vector<ui::FileFilter>& filters,
                                            std::string_view default_extension) override {
    last_filters = filters;
    last_extension = std::string(default_extension);
    return save_path;
  }

 protected:
  void DeliverTimer(int) override {}

 private:
  mutable std::uint64_t serial_ = 0;
};

}  // namespace travik::fake
