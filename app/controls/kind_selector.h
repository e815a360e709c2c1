#pragma once
// The kind selector: a framed group of two radio buttons. Its click handler
// runs whenever the selected item changes, by the user or by code, at once
// and with the new index in place; selecting the current item runs nothing.

#include <QGroupBox>
#include <functional>
#include <string_view>

#include "catalog/keys.h"

class QAbstractButton;
class QButtonGroup;

namespace app {

// Lives as a child of its widget.
class KindSelector : public QObject {
 public:
  KindSelector(QWidget* parent, const QString& caption, const QString& item0, const QString& item1);

  int itemIndex() const { return index_; }
  void setItemIndex(int index);
  // The kind code of the selected item (federal for the first).
  std::string_view kindCode() const { return catalog::kindCode(index_); }
  catalog::Kind kind() const { return catalog::kindOfItem(index_); }

  void onClick(std::function<void()> handler) { click_ = std::move(handler); }
  // Routes the user's choice of an item; the caller wraps it as a user event.
  void onUserSelect(std::function<void(int)> route) { userSelect_ = std::move(route); }

  void sync();
  QGroupBox* widget() const { return widget_; }
  QAbstractButton* button(int index) const;

 private:
  QGroupBox* widget_;
  QButtonGroup* buttons_;
  int index_ = 0;
  std::function<void()> click_;
  std::function<void(int)> userSelect_;
};

}  // namespace app
