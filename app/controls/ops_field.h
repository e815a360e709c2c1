#pragma once
// The OPS field widget: a QLineEdit that hands every way of changing its text
// to OpsFieldModel and shows the model's content and caret. Qt's own editing
// (input mask, undo, drag and drop, middle-click paste) never touches the text.

#include <QLineEdit>
#include <functional>

#include "app/controls/ops_field_model.h"

namespace app {

class OpsField : public QLineEdit {
  Q_OBJECT
 public:
  explicit OpsField(QWidget* parent);

  OpsFieldModel& model() { return model_; }
  const OpsFieldModel& model() const { return model_; }
  std::string opsText() const { return model_.text(); }
  // Set by code; notifies synchronously when the shown form changes.
  void setOpsText(std::string_view text) { model_.setText(text); }

  // Every user action runs through this, so that the window can treat it as
  // one user event (catching errors, refreshing the controls).
  void onUserAction(std::function<void(const std::function<void()>&)> route) { route_ = std::move(route); }

  void sync();
  // Called after the field showed a change of its own that no handler sees
  // (an arrow key or a click ending the continuation of a code).
  void onStateShown(std::function<void()> shown) { stateShown_ = std::move(shown); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  static bool isTypedCharacter(const QKeyEvent* event);
  static bool isModifierKey(int key);
  void userAction(const std::function<void()>& action);
  void showOwnChange();
  void typeText(const QString& text);
  void pasteClipboard();
  void copyToClipboard(const std::string& shown);
  int positionAt(const QPoint& point);

  OpsFieldModel model_;
  std::function<void(const std::function<void()>&)> route_;
  std::function<void()> stateShown_;
};

}  // namespace app
