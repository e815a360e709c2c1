#include "app/controls/line_view_accessible.h"

#include <QAccessibleWidget>

#include "app/controls/line_view.h"

namespace app {
namespace {

class LineViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit LineViewAccessible(LineView* view) : QAccessibleWidget(view, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return view()->toPlainText();
    return QAccessibleWidget::text(kind);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
  }

  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !view()->hasSelectedText()) return;
    *start = offset(view()->selectionStart());
    *end = offset(view()->selectionEnd());
  }
  int selectionCount() const override { return view()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override {
    view()->setSelection(view()->cursorPosition(), view()->cursorPosition());
  }
  void setSelection(int, int start, int end) override {
    view()->setSelection(view()->positionAt(start), view()->positionAt(end));
  }
  int cursorPosition() const override { return offset(view()->cursorPosition()); }
  void setCursorPosition(int position) override {
    const LineView::Position at = view()->positionAt(position);
    view()->setSelection(at, at);
  }
  QString text(int start, int end) const override {
    if (end <= start) return {};
    return view()->shownText(view()->positionAt(start), view()->positionAt(end));
  }
  int characterCount() const override { return static_cast<int>(view()->characterCount()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

 private:
  LineView* view() const { return static_cast<LineView*>(widget()); }
  int offset(LineView::Position position) const { return static_cast<int>(view()->offsetOf(position)); }
};

QAccessibleInterface* lineViewAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String("app::LineView") && object && object->isWidgetType())
    return new LineViewAccessible(static_cast<LineView*>(object));
  return nullptr;
}

}  // namespace

void installLineViewAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(lineViewAccessible);
    return true;
  }();
  (void)installed;
}

}  // namespace app
