#include "ui/qt/qt_window.h"

#include "ui/qt/qt_chart.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include <algorithm>
#include <chrono>
#include <cstring>

#include "core/text.h"
#include "i18n/catalogue.h"
#include "ui/translated_kinds.h"
#include "ui/qt/qt_backend.h"

namespace travik::ui::qtimpl {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string U(const QString& text) { return text.toUtf8().toStdString(); }

// Where a combo item keeps the text its procedure gave it.
constexpr int kSourceRole = Qt::UserRole + 1;

QString Message(std::string_view text) { return Q(i18n::Tr(i18n::kMessagesContext, text)); }

// The fonts the templates name are the Windows dialog fonts; none exists here.
bool IsWindowsDialogFont(const std::string& family) {
  static const char* const kNames[] = {"",       "MS Shell Dlg", "MS Shell Dlg 2", "MS Sans Serif",
                                       "Microsoft Sans Serif", "Tahoma", "Segoe UI", "System"};
  for (const char* name : kNames)
    if (QString::compare(Q(family), QLatin1String(name), Qt::CaseInsensitive) == 0) return true;
  return false;
}

const QStringList& SansFamilies() {
  static const QStringList families = {"DejaVu Sans", "Liberation Sans", "Noto Sans", "Sans Serif"};
  return families;
}

std::string SortKey(std::string text) {
  for (char& ch : text)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return text;
}

// The edit part of a drop-down combo is read-only; a click on it opens the
// list, as a click on a drop-down list does.
class OpenListOnClick final : public QObject {
 public:
  explicit OpenListOnClick(QComboBox* combo) : QObject(combo), combo_(combo) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress && combo_->isEnabled()) {
      combo_->showPopup();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QComboBox* combo_;
};

// Owner-drawn combos: the list's items and the closed combo's field are
// painted by the dialog procedure, as WM_DRAWITEM does on Windows.
class OwnerDrawDelegate final : public QStyledItemDelegate {
 public:
  OwnerDrawDelegate(Window& window, int id, QObject* parent)
      : QStyledItemDelegate(parent), window_(window), id_(id) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    window_.PaintOwnerDrawn(id_, index.row(), selected, *painter, option.rect);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return QSize(option.rect.width(), window_.OwnerDrawnItemHeight(id_));
  }

 private:
  Window& window_;
  int id_;
};

class OwnerDrawCombo final : public QComboBox {
 public:
  OwnerDrawCombo(Window& window, int id, QWidget* parent)
      : QComboBox(parent), window_(window), id_(id) {
    setItemDelegate(new OwnerDrawDelegate(window, id, this));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    window_.PaintOwnerDrawn(id_, currentIndex(), false, painter, field);
  }

 private:
  Window& window_;
  int id_;
};

bool IsCombo(ControlKind kind) {
  return kind == ControlKind::kDropDownList || kind == ControlKind::kSortedCombo ||
         kind == ControlKind::kDropDownCombo ||
         kind == ControlKind::kOwnerDrawCombo;
}

}  // namespace

QFont TemplateFont(const DialogTemplate& tpl) {
  QFont font;
  if (IsWindowsDialogFont(tpl.font)) {
    font.setFamilies(SansFamilies());
  } else {
    font.setFamilies(QStringList{Q(tpl.font)} + SansFamilies());
  }
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(tpl.font_size > 0 ? tpl.font_size : 8);
  return font;
}

DialogUnits UnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int width =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  DialogUnits units;
  units.base_x = std::max(1, (width / 26 + 1) / 2);
  units.base_y = std::max(1, metrics.height());
  return units;
}

QString FileFilterString(const std::vector<FileFilter>& filters) {
  QStringList out;
  for (const FileFilter& filter : filters) {
    QStringList patterns;
    for (const QString& pattern : Q(filter.pattern).split(u';', Qt::SkipEmptyParts)) {
      if (!pattern.trimmed().isEmpty()) patterns << pattern.trimmed();
    }
    if (patterns.isEmpty()) patterns << QStringLiteral("*");
    // Descriptions usually show their pattern already ("... (*.kvc)"); Qt reads
    // the patterns from that last parenthesis, so it is rebuilt once, in Qt's form.
    QString description = Q(filter.description).trimmed();
    if (description.endsWith(u')')) {
      const qsizetype open = description.lastIndexOf(u'(');
      if (open >= 0 && description.mid(open).contains(u'*'))
        description = description.left(open).trimmed();
    }
    const QString list = u'(' + patterns.join(u' ') + u')';
    out << (description.isEmpty() ? list : description + u' ' + list);
  }
  return out.join(QStringLiteral(";;"));
}

// ---------------------------------------------------------------------------
// Widgets

Surface::Surface(Window& window, QWidget* parent) : QWidget(parent), window_(window) {}

void Surface::paintEvent(QPaintEvent* /*event*/) { window_.PaintTexts(*this); }

DialogFrame::DialogFrame(Window& window, QWidget* owner, bool thin_border)
    : QDialog(owner), window_(window), thin_border_(thin_border) {}

void DialogFrame::closeEvent(QCloseEvent* event) {
  event->ignore();  // the procedure decides
  window_.CloseRequested();
}

void DialogFrame::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && event->key() == Qt::Key_Escape) {
    event->accept();
    window_.EscapePressed();
    return;
  }
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    event->accept();
    window_.EnterPressed();
    return;
  }
  // Not QDialog's handler: it would reject or accept the dialog by itself.
  QWidget::keyPressEvent(event);
}

void DialogFrame::paintEvent(QPaintEvent* /*event*/) {
  if (!thin_border_) return;
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

MainFrame::MainFrame(Window& window) : window_(window) {}

void MainFrame::closeEvent(QCloseEvent* event) {
  event->ignore();
  window_.CloseRequested();
}

// ---------------------------------------------------------------------------
// Window

Window::Window(QtBackend& backend, const DialogTemplate& tpl, DialogProc& proc, QWidget* owner)
    : backend_(backend), tpl_(tpl), proc_(proc), main_(owner == nullptr) {
  const QFont font = TemplateFont(tpl_);
  if ((tpl_.style & kDialogPixels) == 0) units_ = UnitsOf(font);  // else 1:1
  const int width = units_.X(tpl_.w);
  const int height = units_.Y(tpl_.h);

  if (main_) {
    auto* frame = new MainFrame(*this);
    frame->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    surface_ = new Surface(*this, frame);
    frame->setCentralWidget(surface_);
    BuildMenus(*frame);
    if (tpl_.icon != 0) frame->setWindowIcon(ProgramIcon());
    // The template gives the whole window; here the menu bar and client area
    // share it.
    frame->move(tpl_.x, tpl_.y);
    frame->setFixedSize(width, height);
    top_ = frame;
  } else {
    const bool popup = (tpl_.style & kDialogNoCaption) != 0;
    auto* frame = new DialogFrame(*this, owner, popup);
    Qt::WindowFlags flags = Qt::Dialog;
    if (popup) {
      flags |= Qt::FramelessWindowHint;
    } else {
      flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
      if ((tpl_.style & kDialogNoCloseBox) == 0) flags |= Qt::WindowCloseButtonHint;
    }
    frame->setWindowFlags(flags);
    frame->setWindowModality(Qt::ApplicationModal);
    const int border = popup ? 1 : 0;
    surface_ = new Surface(*this, frame);
    surface_->setGeometry(border, border, width, height);
    frame->setFixedSize(width + 2 * border, height + 2 * border);
    top_ = frame;
  }
  top_->setWindowTitle(T(tpl_.caption));
  surface_->setFont(font);
  Build();
  backend_.Register(this);
}

Window::~Window() {
  backend_.Unregister(this);
  StopTimers();
  delete top_;
}

void Window::BuildMenus(QMainWindow& frame) {
  for (const Menu& menu : tpl_.menus) {
    const std::string context = i18n::MenuContext(tpl_.menu_number);
    QMenu* qmenu = frame.menuBar()->addMenu(Q(i18n::Tr(context, menu.text)));
    for (const MenuItem& entry : menu.items) {
      if (entry.command == 0) {
        qmenu->addSeparator();
        continue;
      }
      QAction* action = qmenu->addAction(Q(i18n::Tr(context, entry.text)));
      action->setData(entry.command);
      const int command = entry.command;
      QObject::connect(action, &QAction::triggered, &frame,
                       [this, command] { Command(command, Notify::kClicked); });
    }
  }
}

void Window::Build() {
  items_.reserve(tpl_.controls.size());
  for (std::size_t index = 0; index < tpl_.controls.size(); ++index) {
    const ControlTemplate& c = tpl_.controls[index];
    Item item;
    item.id = c.id;
    item.kind = c.kind;
    item.source = c.caption;
    item.status_line = c.kind == ControlKind::kEdit && (c.style & kStyleStatusLine) != 0;
    if (c.kind == ControlKind::kPaintedText) {
      item.painted = T(c.caption);
      item.at = QPoint(units_.X(c.x), units_.Y(c.y));
      item.visible = (c.style & kStyleHidden) == 0;
      items_.push_back(item);
      continue;
    }
    QWidget* widget = MakeControl(c, index);
    int height = units_.Y(c.h);
    // A combo's template height includes its drop-down list.
    if (IsCombo(c.kind)) height = widget->sizeHint().height();
    widget->setGeometry(units_.X(c.x), units_.Y(c.y), units_.X(c.w), height);
    if (c.style & kStyleHidden) widget->setHidden(true);
    if (c.style & kStyleDisabled) widget->setEnabled(false);
    item.widget = widget;
    items_.push_back(item);
  }
  for (std::size_t i = 0; i < items_.size(); ++i) index_.emplace(items_[i].id, i);
  // Group boxes are frames behind the controls they surround.
  for (auto it = items_.rbegin(); it != items_.rend(); ++it)
    if (it->kind == ControlKind::kGroupBox) it->widget->lower();
  GroupRadios();
}

QWidget* Window::MakeControl(const ControlTemplate& c, std::size_t index) {
  const int id = c.id;
  // Edits and combos show values; only labels are translated.
  const QString caption = i18n::ShowsCaption(c.kind) ? T(c.caption) : Q(c.caption);
  switch (c.kind) {
    case ControlKind::kStatic:
    case ControlKind::kPaintedText: {
      auto* label = new QLabel(surface_);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setText(caption);
      if (c.style & kStyleClientEdge) label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
      return label;
    }
    case ControlKind::kEdit:
    case ControlKind::kReadOnlyEdit: {
      const bool read_only = c.kind == ControlKind::kReadOnlyEdit;
      if (c.style & kStyleMultiline) {
        auto* edit = new QPlainTextEdit(surface_);
        edit->setPlainText(caption);
        edit->setReadOnly(read_only);
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this, id] {
          if (!setting_text_) Command(id, Notify::kEditChange);
        });
        return edit;
      }
      auto* edit = new QLineEdit(caption, surface_);
      edit->setReadOnly(read_only);
      QObject::connect(edit, &QLineEdit::textEdited, edit,
                       [this, id] { Command(id, Notify::kEditChange); });
      return edit;
    }
    case ControlKind::kButton:
    case ControlKind::kDefaultButton: {
      auto* button = new QPushButton(caption, surface_);
      button->setAutoDefault(false);  // Enter is handled by the window
      button->setDefault(c.kind == ControlKind::kDefaultButton);
      QObject::connect(button, &QPushButton::clicked, button,
                       [this, id] { Command(id, Notify::kClicked); });
      return button;
    }
    case ControlKind::kCheckBox: {
      auto* box = new QCheckBox(caption, surface_);
      QObject::connect(box, &QCheckBox::clicked, box, [this, id] { Command(id, Notify::kClicked); });
      return box;
    }
    case ControlKind::kRadio: {
      auto* radio = new QRadioButton(caption, surface_);
      radio->setAutoExclusive(false);  // groups are kept by RadioClicked
      QObject::connect(radio, &QRadioButton::clicked, radio, [this, index] { RadioClicked(index); });
      return radio;
    }
    case ControlKind::kGroupBox:
      return new QGroupBox(caption, surface_);
    case ControlKind::kChart:
      return new ChartWidget(surface_, i18n::TemplateContext(tpl_.number));
    case ControlKind::kDropDownList:
    case ControlKind::kSortedCombo:
    case ControlKind::kDropDownCombo:
    case ControlKind::kOwnerDrawCombo: {
      auto* combo = c.kind == ControlKind::kOwnerDrawCombo ? new OwnerDrawCombo(*this, id, surface_)
                                                           : new QComboBox(surface_);
      if (c.kind == ControlKind::kSortedCombo || c.kind == ControlKind::kDropDownCombo) {
        // A drop-down combo: its text can be set to anything, the user only picks.
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->lineEdit()->setReadOnly(true);
        combo->lineEdit()->installEventFilter(new OpenListOnClick(combo));
        // Qt would select the item matching the shown text when the edit loses
        // the focus; the selection is the user's or the procedure's only.
        QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
        combo->setEditText(caption);
      }
      if (c.kind == ControlKind::kOwnerDrawCombo) combo->setIconSize(QSize(24, 16));
      QObject::connect(combo, &QComboBox::activated, combo,
                       [this, id] { Command(id, Notify::kSelChange); });
      return combo;
    }
  }
  return new QWidget(surface_);
}

// Windows groups auto radio buttons by a style bit the templates do not carry.
// Here a run of radio buttons next to each other in the template, inside the
// same group box, is one group.
void Window::GroupRadios() {
  auto box_of = [this](const QWidget* widget) -> const QWidget* {
    const QPoint centre = widget->geometry().center();
    const QWidget* best = nullptr;
    for (const Item& item : items_) {
      if (item.kind != ControlKind::kGroupBox) continue;
      const QRect area = item.widget->geometry();
      if (!area.contains(centre)) continue;
      if (best == nullptr || area.width() * area.height() <
                                 best->geometry().width() * best->geometry().height())
        best = item.widget;
    }
    return best;
  };
  int group = -1;
  bool in_run = false;
  const QWidget* run_box = nullptr;
  for (Item& item : items_) {
    if (item.kind != ControlKind::kRadio) {
      in_run = false;
      continue;
    }
    const QWidget* box = box_of(item.widget);
    if (!in_run || box != run_box) ++group;
    item.radio_group = group;
    in_run = true;
    run_box = box;
  }
}

void Window::RadioClicked(std::size_t index) {
  backend_.Touch();
  if (ended_) return;
  const Item& clicked = items_[index];
  static_cast<QAbstractButton*>(clicked.widget)->setChecked(true);
  for (const Item& other : items_) {
    if (&other != &clicked && other.kind == ControlKind::kRadio &&
        other.radio_group == clicked.radio_group)
      static_cast<QAbstractButton*>(other.widget)->setChecked(false);
  }
  Command(clicked.id, Notify::kClicked);
}

int Window::Run() {
  if (main_) top_->show();
  proc_.OnInit(*this);
  if (!ended_ && !main_) top_->show();
  if (!ended_) {
    looping_ = true;
    loop_.exec();
    looping_ = false;
  }
  StopTimers();
  top_->hide();
  proc_.OnDestroy(*this);
  return code_;
}

void Window::Command(int id, Notify code) {
  if (ended_) return;
  backend_.Touch();
  proc_.OnCommand(*this, id, code);
  backend_.Touch();
}

std::uint64_t Window::StateSerial() const { return backend_.StateSerial(); }

void Window::CloseRequested() {
  backend_.Touch();
  if (ended_) return;
  proc_.OnClose(*this);
}

void Window::EscapePressed() {
  backend_.Touch();
  if (ended_) return;
  const Item* cancel = Find(kIdCancel);
  if (cancel != nullptr && cancel->widget != nullptr && !cancel->widget->isEnabledTo(surface_))
    return;
  proc_.OnCommand(*this, kIdCancel, Notify::kClicked);
}

void Window::EnterPressed() {
  if (ended_) return;
  // A focused push button takes the default role, as on Windows.
  QWidget* focus = top_->focusWidget();
  for (const Item& item : items_) {
    if (item.widget != nullptr && item.widget == focus &&
        (item.kind == ControlKind::kButton || item.kind == ControlKind::kDefaultButton)) {
      static_cast<QPushButton*>(item.widget)->click();
      return;
    }
  }
  for (const Item& item : items_) {
    if (item.kind == ControlKind::kDefaultButton && item.widget->isEnabledTo(surface_) &&
        !item.widget->isHidden()) {
      static_cast<QPushButton*>(item.widget)->click();
      return;
    }
  }
}

void Window::PaintTexts(QWidget& surface) {
  QPainter painter(&surface);
  painter.setFont(surface.font());
  painter.setPen(surface.palette().color(QPalette::WindowText));
  for (const Item& item : items_) {
    if (item.kind != ControlKind::kPaintedText || !item.visible) continue;
    const QRect area(item.at, QSize(std::max(1, surface.width() - item.at.x()),
                                    std::max(1, surface.height() - item.at.y())));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, item.painted);
  }
}

const Window::Item* Window::Find(int id) const {
  auto it = index_.find(id);
  return it == index_.end() ? nullptr : &items_[it->second];
}

Window::Item* Window::Find(int id) {
  return const_cast<Item*>(static_cast<const Window*>(this)->Find(id));
}

QWidget* Window::Control(int id) const {
  const Item* item = Find(id);
  return item != nullptr ? item->widget : nullptr;
}

QComboBox* Window::Combo(int id) const { return qobject_cast<QComboBox*>(Control(id)); }

std::string Window::GetText(int id, std::size_t max_chars) const {
  const Item* item = Find(id);
  if (item == nullptr) return {};
  // The procedures compare against their own texts, never the shown ones.
  if (i18n::ShowsCaption(item->kind)) return Utf8Prefix(item->source, max_chars);
  QString text;
  QWidget* w = item->widget;
  if (w == nullptr) {
    text = item->painted;
  } else if (auto* line = qobject_cast<QLineEdit*>(w)) {  // the range checks' many reads first
    text = line->text();
    if (item->status_line && text == T(item->source)) return Utf8Prefix(item->source, max_chars);
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    text = label->text();
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
    text = plain->toPlainText();
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    text = button->text();
  } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
    text = group->title();
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    text = combo->currentText();
    if (!item->source.empty() && text == T(item->source))
      return Utf8Prefix(item->source, max_chars);
  }
  return Utf8Prefix(U(text), max_chars);
}

void Window::LimitText(int id, std::size_t max_chars) {
  backend_.Touch();
  QLineEdit* line = qobject_cast<QLineEdit*>(Control(id));
  if (line == nullptr) {
    if (QComboBox* combo = Combo(id)) line = combo->lineEdit();
  }
  // QLineEdit cuts both typed and set texts to the limit.
  if (line != nullptr) line->setMaxLength(max_chars == 0 ? 32767 : static_cast<int>(max_chars));
}

void Window::SetText(int id, std::string_view utf8) {
  backend_.Touch();
  Item* item = Find(id);
  if (item == nullptr) return;
  const bool label = i18n::ShowsCaption(item->kind) || IsCombo(item->kind) || item->status_line;
  if (label) item->source = std::string(utf8);
  const QString text = label ? T(utf8) : Q(utf8);
  QWidget* w = item->widget;
  if (w == nullptr) {
    item->painted = text;
    surface_->update();
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(text);
  } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
    line->setText(text);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
    const bool was = setting_text_;
    setting_text_ = true;
    plain->setPlainText(text);
    setting_text_ = was;
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
    group->setTitle(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    if (combo->isEditable()) {
      combo->setEditText(text);
    } else {
      // A list without an edit shows only its items: the text picks one.
      const int position = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
      if (position >= 0) combo->setCurrentIndex(position);
    }
  }
}

void Window::Enable(int id, bool enabled) {
  backend_.Touch();
  if (QWidget* w = Control(id)) w->setEnabled(enabled);
}

bool Window::IsEnabled(int id) const {
  const Item* item = Find(id);
  if (item == nullptr) return false;
  return item->widget == nullptr || item->widget->isEnabledTo(surface_);
}

void Window::Show(int id, bool visible) {
  backend_.Touch();
  Item* item = Find(id);
  if (item == nullptr) return;
  if (item->widget != nullptr) {
    item->widget->setHidden(!visible);
  } else {
    item->visible = visible;
    surface_->update();
  }
}

bool Window::IsVisible(int id) const {
  const Item* item = Find(id);
  if (item == nullptr) return false;
  return item->widget != nullptr ? !item->widget->isHidden() : item->visible;
}

void Window::Check(int id, bool checked) {
  backend_.Touch();
  auto* button = qobject_cast<QAbstractButton*>(Control(id));
  if (button != nullptr && button->isCheckable()) button->setChecked(checked);
}

bool Window::IsChecked(int id) const {
  auto* button = qobject_cast<QAbstractButton*>(Control(id));
  return button != nullptr && button->isChecked();
}

// The control holds its window's focus, and no other window of the program is
// active (a message box over this one takes the focus, as on Windows). Activation
// by the window manager comes late, so an unactivated program counts as ours.
bool Window::HasFocus(int id) const {
  const QWidget* w = Control(id);
  const QWidget* focus = top_->focusWidget();
  if (w == nullptr || focus == nullptr || (focus != w && !w->isAncestorOf(focus))) return false;
  const QWidget* active = QApplication::activeWindow();
  return active == nullptr || active == top_;
}

void Window::SetFocus(int id) {
  backend_.Touch();
  if (QWidget* w = Control(id)) w->setFocus(Qt::OtherFocusReason);
}

void Window::ComboReset(int id) {
  backend_.Touch();
  QComboBox* combo = Combo(id);
  if (combo == nullptr) return;
  combo->clear();
  if (combo->isEditable()) combo->clearEditText();
}

int Window::ComboAdd(int id, std::string_view utf8) {
  backend_.Touch();
  QComboBox* combo = Combo(id);
  if (combo == nullptr) return -1;
  const Item* item = Find(id);
  int position = combo->count();
  if (item->kind == ControlKind::kSortedCombo) {
    // Byte order with ASCII letters folded, as Windows sorts a combo (and the
    // headless backend too); an equal text goes after the ones present.
    const std::string key = SortKey(std::string(utf8));
    position = 0;
    while (position < combo->count() && SortKey(ItemSource(*combo, position)) <= key) ++position;
  }
  // Adding an item neither selects it nor changes the shown text.
  const int selected = combo->currentIndex();
  const QString shown = combo->currentText();
  combo->insertItem(position, T(utf8));
  combo->setItemData(position, Q(utf8), kSourceRole);
  if (selected < 0) combo->setCurrentIndex(-1);
  if (combo->isEditable()) combo->setEditText(shown);
  return position;
}

void Window::ComboSetSel(int id, int position) {
  backend_.Touch();
  QComboBox* combo = Combo(id);
  if (combo == nullptr) return;
  if (position < 0 || position >= combo->count()) {
    combo->setCurrentIndex(-1);
    if (combo->isEditable()) combo->clearEditText();
    return;
  }
  combo->setCurrentIndex(position);
  // The edit shows the selected item even if SetText changed it meanwhile.
  if (combo->isEditable()) combo->setEditText(combo->itemText(position));
  if (Item* item = Find(id)) item->source = ItemSource(*combo, position);
}

int Window::ComboGetSel(int id) const {
  const QComboBox* combo = Combo(id);
  return combo != nullptr ? combo->currentIndex() : -1;
}

int Window::ComboCount(int id) const {
  const QComboBox* combo = Combo(id);
  return combo != nullptr ? combo->count() : 0;
}

std::string Window::ComboItem(int id, int position) const {
  const QComboBox* combo = Combo(id);
  if (combo == nullptr || position < 0 || position >= combo->count()) return {};
  return ItemSource(*combo, position);
}

void Window::ComboSetImage(int id, int position, const QImage& image) {
  QComboBox* combo = Combo(id);
  if (combo == nullptr || position < 0 || position >= combo->count()) return;
  combo->setItemIcon(position, QIcon(QPixmap::fromImage(image)));
}

void Window::ComboSetItemData(int id, int position, std::uintptr_t data) {
  backend_.Touch();
  QComboBox* combo = Combo(id);
  if (combo == nullptr || position < 0 || position >= combo->count()) return;
  combo->setItemData(position, QVariant::fromValue<qulonglong>(data), Qt::UserRole);
}

std::uintptr_t Window::ComboItemData(int id, int position) const {
  const QComboBox* combo = Combo(id);
  if (combo == nullptr || position < 0 || position >= combo->count()) return 0;
  return static_cast<std::uintptr_t>(combo->itemData(position, Qt::UserRole).toULongLong());
}

int Window::OwnerDrawnItemHeight(int id) {
  return std::max(16, proc_.OnMeasureItem(*this, id));
}

void Window::PaintOwnerDrawn(int id, int position, bool selected, QPainter& painter,
                             const QRect& area) {
  if (area.width() <= 0 || area.height() <= 0) return;
  const QPalette& palette = surface_->palette();
  const QColor back = palette.color(selected ? QPalette::Highlight : QPalette::Base);
  Bitmap canvas(area.width(), area.height(), back.rgb() & 0xFFFFFFu);
  DrawItem item;
  item.control = id;
  item.item = position;
  item.data = ComboItemData(id, position);
  item.rect = {0, 0, area.width(), area.height()};
  item.selected = selected;
  item.base_unit_x = units_.base_x;
  item.canvas = &canvas;
  if (position >= 0) proc_.OnDrawItem(*this, item);
  QImage image(area.width(), area.height(), QImage::Format_RGB32);
  for (int y = 0; y < canvas.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < canvas.width; ++x) line[x] = 0xFF000000u | canvas.At(x, y);
  }
  painter.drawImage(area.topLeft(), image);
}

void Window::SetCaption(std::string_view text) {
  backend_.Touch();
  top_->setWindowTitle(T(text));
}

void Window::ShowWindow(bool visible) {
  backend_.Touch();
  top_->setVisible(visible);
}

bool Window::IsWindowVisible() const { return top_->isVisible(); }

namespace {
std::int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}
}  // namespace

QTimer& Window::SlotTimer(TimerSlot& slot, int timer_id, std::size_t k) {
  while (slot.timers.size() <= k) {
    auto timer = std::make_unique<QTimer>();
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer.get(), &QTimer::timeout, top_, [this, timer_id, k] { TimerElapsed(timer_id, k); });
    slot.timers.push_back(std::move(timer));
  }
  return *slot.timers[k];
}

void Window::SetTimer(int timer_id, int period_ms) {
  if (ended_) return;
  backend_.Wake();
  std::unique_ptr<TimerSlot>& slot = timers_[timer_id];
  if (!slot) slot = std::make_unique<TimerSlot>();
  slot->period = std::max(period_ms, 1);
  slot->active = true;
  slot->rephase = false;
  slot->idle.Start(slot->period, NowMs());
  slot->serial_after = backend_.StateSerial();
  slot->exchanges_after = ExchangeCount();
  SlotTimer(*slot, timer_id, 0).start(slot->period);
}

void Window::KillTimer(int timer_id) {
  backend_.Wake();
  auto it = timers_.find(timer_id);
  if (it == timers_.end()) return;
  it->second->active = false;
  for (auto& timer : it->second->timers) timer->stop();
}

void Window::SetTimerIdleTest(int timer_id, std::function<bool()> idle) {
  backend_.Wake();
  std::unique_ptr<TimerSlot>& slot = timers_[timer_id];
  if (!slot) slot = std::make_unique<TimerSlot>();
  slot->idle_test = std::move(idle);
}

bool Window::Coalescing(int timer_id) const {
  auto it = timers_.find(timer_id);
  return it != timers_.end() && it->second->active && it->second->idle.coalescing();
}

void Window::StopTimers() {
  for (auto& [id, slot] : timers_) {
    slot->active = false;
    slot->idle.Exact(NowMs());
    for (auto& timer : slot->timers) timer->stop();
  }
}

// The handler runs straight from the timeout. Qt does not deliver a timer
// again while its own handler runs (a message box shown from it, say);
// Windows does, and the procedures count on their timers going on under their
// own message boxes: every nested loop (Nested) starts a stand-in timer for
// each handler on the stack.
//
// A timer whose procedure says its ticks are idle, and that has seen them
// idle for a while (IdleTicks), wakes every ~100 ms instead and then gets
// the ticks that came due in one go. Stand-ins always run exact.
void Window::TimerElapsed(int timer_id, std::size_t k) {
  auto it = timers_.find(timer_id);
  if (it == timers_.end() || ended_ || !it->second->active) return;
  TimerSlot& slot = *it->second;
  const std::int64_t now = NowMs();
  if (k == 0 && slot.idle.coalescing()) {
    if (!CatchUp(slot, timer_id, now)) backend_.Wake();
    return;
  }
  if (k == 0 && slot.rephase) {
    slot.rephase = false;
    slot.timers[0]->start(slot.period);
  }
  const bool declared_idle = slot.idle_test && slot.idle_test();
  // A tick that may change something: what came due of the others first.
  if (!declared_idle) backend_.Wake();
  Tick(slot, timer_id);
  if (ended_ || !slot.active) return;
  const TickSeen seen{declared_idle, slot.serial_after, backend_.StateSerial(), slot.exchanges_after,
                      ExchangeCount()};
  slot.serial_after = seen.serial_now;
  slot.exchanges_after = seen.exchanges_now;
  if (k != 0 || slot.running != 0) return;
  if (slot.idle.Delivered(seen, now)) slot.timers[0]->start(slot.idle.WakeMs());
}

void Window::Tick(TimerSlot& slot, int timer_id) {
  ++slot.running;
  proc_.OnTimer(*this, timer_id);
  --slot.running;
}

// Delivers a coalesced timer's due ticks while each is still idle; false
// (the rest dropped) when one is not: something changed unseen.
bool Window::CatchUp(TimerSlot& slot, int timer_id, std::int64_t now_ms) {
  const int due = slot.idle.Due(now_ms);
  if (due == 0) return true;
  const bool outer = backend_.catching_up_;
  backend_.catching_up_ = true;
  bool idle = true;
  int taken = 0;
  while (taken < due && idle) {
    idle = !ended_ && slot.active && slot.idle_test && slot.idle_test() &&
           backend_.StateSerial() == slot.serial_after && ExchangeCount() == slot.exchanges_after;
    if (idle) {
      Tick(slot, timer_id);
      idle = backend_.StateSerial() == slot.serial_after && ExchangeCount() == slot.exchanges_after;
    }
    ++taken;
  }
  backend_.catching_up_ = outer;
  slot.idle.Took(idle ? taken : due);
  return idle;
}

void Window::ExactTimers(bool flush) {
  for (auto& [id, slot] : timers_) {
    if (!slot->idle.coalescing()) {
      slot->idle.Interrupt();
      continue;
    }
    const std::int64_t now = NowMs();
    if (flush && slot->active && !ended_) CatchUp(*slot, id, now);
    // A batch tick that touched something has sent it back to exact already.
    if (!slot->idle.coalescing()) continue;
    const int delay = slot->idle.Exact(now);
    if (!slot->active || ended_) continue;
    slot->rephase = delay != slot->period;
    slot->timers[0]->start(delay);
  }
}

void Window::ArmStandIns(std::vector<QTimer*>& armed) {
  for (auto& [id, slot] : timers_) {
    if (!slot->active || slot->running == 0) continue;
    QTimer& stand_in = SlotTimer(*slot, id, static_cast<std::size_t>(slot->running));
    if (stand_in.isActive()) continue;
    stand_in.start(slot->period);
    armed.push_back(&stand_in);
  }
}

template <typename Loop>
auto Window::Nested(Loop loop) {
  std::vector<QTimer*> armed;
  for (Window* window : backend_.windows_) window->ArmStandIns(armed);
  backend_.Touch();
  struct Disarm {
    std::vector<QTimer*>& armed;
    QtBackend& backend;
    ~Disarm() {
      for (QTimer* timer : armed) timer->stop();
      backend.Touch();
    }
  } disarm{armed, backend_};
  return loop();
}

void Window::DeliverTimer(int timer_id) { proc_.OnTimer(*this, timer_id); }

ChartWidget* Window::Chart(int id) const {
  const Item* item = Find(id);
  return item == nullptr || item->kind != ControlKind::kChart ? nullptr
                                                               : static_cast<ChartWidget*>(item->widget);
}

// Samples change no state a procedure reads back: no Touch, so idle-skipping
// callers are not woken by a chart.
void Window::ChartSetSeries(int id, const std::vector<ChartSeriesInfo>& series) {
  if (ChartWidget* chart = Chart(id)) {
    chart->data().SetSeries(series);
    chart->Changed();
  }
}

void Window::ChartAdd(int id, std::int64_t t_ms, const std::vector<std::optional<double>>& values) {
  if (ChartWidget* chart = Chart(id)) {
    chart->data().Add(t_ms, values);
    chart->Changed();
  }
}

void Window::ChartGap(int id, std::int64_t t_ms) {
  if (ChartWidget* chart = Chart(id)) {
    chart->data().Gap(t_ms);
    chart->Changed();
  }
}

void Window::PostClose() {
  QMetaObject::invokeMethod(
      top_, [this] { CloseRequested(); }, Qt::QueuedConnection);
}

void Window::End(int code) {
  code_ = code;
  ended_ = true;
  StopTimers();
  if (looping_) loop_.exit(code);
}

int Window::RunModal(int template_number, DialogProc& proc) {
  const DialogTemplate* tpl = backend_.Template(template_number);
  if (tpl == nullptr) return -1;
  return Nested([&] {
    Window child(backend_, *tpl, proc, top_);
    return child.Run();
  });
}

int Window::MessageBox(std::string_view text, std::string_view caption, Icon icon,
                       Buttons buttons) {
  if (backend_.on_message_box)
    backend_.on_message_box(MessageRecord{std::string(text), std::string(caption), icon, tpl_.number,
                                          U(Message(text)), U(Message(caption))});

  QMessageBox::Icon qicon = QMessageBox::NoIcon;
  switch (icon) {
    case Icon::kNone: qicon = QMessageBox::NoIcon; break;
    case Icon::kInformation: qicon = QMessageBox::Information; break;
    case Icon::kWarning: qicon = QMessageBox::Warning; break;
    case Icon::kError: qicon = QMessageBox::Critical; break;
  }
  QMessageBox::StandardButtons set = QMessageBox::Ok;
  QMessageBox::StandardButton closed = QMessageBox::Ok;  // Esc or the close box
  switch (buttons) {
    case Buttons::kOk: break;
    case Buttons::kOkCancel:
      set = QMessageBox::Ok | QMessageBox::Cancel;
      closed = QMessageBox::Cancel;
      break;
    case Buttons::kYesNo:
      set = QMessageBox::Yes | QMessageBox::No;
      closed = QMessageBox::No;
      break;
  }
  // The tool lays its messages out with blanks and line breaks: plain text keeps them.
  QMessageBox box(qicon, Message(caption), Message(text), set, top_);
  box.setTextFormat(Qt::PlainText);
  Nested([&] { return box.exec(); });
  QMessageBox::StandardButton answer = box.standardButton(box.clickedButton());
  if (answer == QMessageBox::NoButton) answer = closed;
  switch (answer) {
    case QMessageBox::Cancel: return kAnswerCancel;
    case QMessageBox::Yes: return kAnswerYes;
    case QMessageBox::No: return kAnswerNo;
    default: return kAnswerOk;
  }
}

std::optional<std::string> Window::ChooseOpenFile(const std::vector<FileFilter>& filters) {
  if (std::string answer; backend_.TakeFileAnswer(answer)) return answer;
  QFileDialog dialog(top_, QString(), QString(), FileFilterString(filters));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (Nested([&] { return dialog.exec(); }) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

std::optional<std::string> Window::ChooseSaveFile(const std::vector<FileFilter>& filters,
                                                  std::string_view default_extension) {
  if (std::string answer; backend_.TakeFileAnswer(answer)) return answer;
  QFileDialog dialog(top_, QString(), QString(), FileFilterString(filters));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QString suffix = Q(default_extension);
  while (suffix.startsWith(u'.')) suffix.remove(0, 1);
  dialog.setDefaultSuffix(suffix);
  if (Nested([&] { return dialog.exec(); }) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

QString Window::T(std::string_view source) const {
  return Q(i18n::Tr(i18n::TemplateContext(tpl_.number), source));
}

std::string Window::ItemSource(const QComboBox& combo, int position) {
  const QVariant source = combo.itemData(position, kSourceRole);
  return source.isValid() ? U(source.toString()) : U(combo.itemText(position));
}

}  // namespace travik::ui::qtimpl
