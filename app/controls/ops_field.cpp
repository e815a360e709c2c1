#include "app/controls/ops_field.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>

#include "app/text_codec.h"

namespace app {

OpsField::OpsField(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(OpsFieldModel::kLength);
  setDragEnabled(false);
  setAcceptDrops(false);
  sync();
}

// A change that runs no handler (an arrow, a click, the focus): shown here,
// and told, since it may end the continuation of a found code. A user
// action is told by the window's event instead.
void OpsField::showOwnChange() {
  sync();
  if (stateShown_) stateShown_();
}

void OpsField::userAction(const std::function<void()>& action) {
  if (route_) {
    route_(action);
  } else {
    action();
    sync();
  }
}

void OpsField::sync() {
  const QSignalBlocker block(this);
  const QString shown = toQString(model_.shownForm());
  if (text() != shown) setText(shown);
  // Like the platform's line edit, only the focused field shows its selected
  // position.
  if (!hasFocus() || model_.selectionStart() >= OpsFieldModel::kLength ||
      model_.selectionEnd() <= model_.selectionStart()) {
    setCursorPosition(model_.selectionStart());
  } else {
    // Selected backwards so that the visible cursor stands on the caret.
    setSelection(model_.selectionEnd(), model_.selectionStart() - model_.selectionEnd());
  }
}

void OpsField::typeText(const QString& text) {
  for (const QChar c : text) {
    if (!model_.type(toCp1252Char(c))) QApplication::beep();
  }
}

void OpsField::pasteClipboard() {
  std::vector<OpsFieldModel::Char> chars;
  for (const QChar c : QGuiApplication::clipboard()->text()) chars.push_back(toCp1252Char(c));
  model_.paste(chars);
}

void OpsField::copyToClipboard(const std::string& shown) {
  if (!shown.empty()) QGuiApplication::clipboard()->setText(toQString(shown));
}

void OpsField::keyPressEvent(QKeyEvent* event) {
  const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
  if (!isModifierKey(event->key()) && !isTypedCharacter(event)) model_.otherAction();
  if (event == QKeySequence::Paste) {
    userAction([this] { pasteClipboard(); });
  } else if (event == QKeySequence::Cut) {
    userAction([this] { copyToClipboard(model_.cut()); });
  } else if (event == QKeySequence::Copy) {
    copyToClipboard(model_.copy());
  } else if (event == QKeySequence::SelectAll) {
    model_.selectAll();
    showOwnChange();
  } else if (event == QKeySequence::Undo || event == QKeySequence::Redo) {
    // The field keeps no undo history.
  } else {
    switch (event->key()) {
      case Qt::Key_Backspace: userAction([this] { model_.backspace(); }); break;
      case Qt::Key_Delete: userAction([this] { model_.deleteKey(); }); break;
      case Qt::Key_Left: model_.left(shift); showOwnChange(); break;
      case Qt::Key_Right: model_.right(shift); showOwnChange(); break;
      case Qt::Key_Home: model_.home(shift); showOwnChange(); break;
      case Qt::Key_End: model_.end(shift); showOwnChange(); break;
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_Return:
      case Qt::Key_Enter:
        showOwnChange();
        break;
      case Qt::Key_Escape:
        if (!model_.edited()) {
          showOwnChange();  // the key may have ended a continuation
          event->ignore();
          return;
        }
        userAction([this] { model_.escape(); });
        break;
      default: {
        const QString text = event->text();
        if (!isTypedCharacter(event)) {
          showOwnChange();
          event->ignore();
          return;
        }
        userAction([this, text] { typeText(text); });
      }
    }
  }
  event->accept();
}

bool OpsField::isTypedCharacter(const QKeyEvent* event) {
  const QString text = event->text();
  return !text.isEmpty() && !text.at(0).isNull() && text.at(0).unicode() >= 0x20 &&
         !event->modifiers().testFlag(Qt::ControlModifier);
}

bool OpsField::isModifierKey(int key) {
  return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_AltGr ||
         key == Qt::Key_Meta;
}

void OpsField::inputMethodEvent(QInputMethodEvent* event) {
  const QString committed = event->commitString();
  if (!committed.isEmpty()) userAction([this, committed] { typeText(committed); });
  event->accept();
}

void OpsField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (event->reason() == Qt::MouseFocusReason) {
    model_.focusByMouse();
  } else if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
    model_.focusByKeyboard();
  }
  showOwnChange();
}

void OpsField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  model_.otherAction();
  showOwnChange();
}

void OpsField::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    model_.clickAt(positionAt(event->position().toPoint()));
    showOwnChange();
  }
  event->accept();
}

int OpsField::positionAt(const QPoint& point) {
  // The character whose cell holds the point: the last one starting at or
  // left of it; right of the last character the caret stands behind it.
  const QSignalBlocker block(this);
  int position = 0;
  for (int boundary = 1; boundary <= OpsFieldModel::kLength; ++boundary) {
    setCursorPosition(boundary);
    const QRect cursor = cursorRect();  // centred on the boundary
    if (cursor.left() + cursor.width() / 2 > point.x()) break;
    position = boundary;
  }
  return position;
}

void OpsField::mouseMoveEvent(QMouseEvent* event) { event->accept(); }
void OpsField::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void OpsField::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void OpsField::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(QStringLiteral("Ausschneiden"), this, [this] { userAction([this] { copyToClipboard(model_.cut()); }); });
  menu.addAction(QStringLiteral("Kopieren"), this, [this] { copyToClipboard(model_.copy()); });
  menu.addAction(QStringLiteral("Einf\u00FCgen"), this, [this] { userAction([this] { pasteClipboard(); }); });
  menu.addAction(QStringLiteral("L\u00F6schen"), this, [this] { userAction([this] { model_.deleteKey(); }); });
  menu.addSeparator();
  menu.addAction(QStringLiteral("Alles markieren"), this, [this] {
    model_.selectAll();
    showOwnChange();
  });
  menu.exec(event->globalPos());
  event->accept();
}

void OpsField::dragEnterEvent(QDragEnterEvent* event) { event->ignore(); }
void OpsField::dropEvent(QDropEvent* event) { event->ignore(); }

}  // namespace app
