#include "app/controls/kind_selector.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>

namespace app {

KindSelector::KindSelector(QWidget* parent, const QString& caption, const QString& item0,
                           const QString& item1)
    : widget_(new QGroupBox(caption, parent)), buttons_(new QButtonGroup(widget_)) {
  setParent(widget_);
  auto* first = new QRadioButton(item0, widget_);
  auto* second = new QRadioButton(item1, widget_);
  first->setObjectName("RadioGroup1Item0");
  second->setObjectName("RadioGroup1Item1");
  buttons_->addButton(first, 0);
  buttons_->addButton(second, 1);
  first->setChecked(true);
  QObject::connect(buttons_, &QButtonGroup::idToggled, widget_, [this](int id, bool checked) {
    if (checked && id != index_ && userSelect_) userSelect_(id);
  });
}

QAbstractButton* KindSelector::button(int index) const { return buttons_->button(index); }

void KindSelector::setItemIndex(int index) {
  if (index == index_) return;
  index_ = index;
  if (click_) click_();
}

void KindSelector::sync() {
  if (buttons_->checkedId() == index_) return;
  const QSignalBlocker block(buttons_);
  if (QAbstractButton* target = buttons_->button(index_)) target->setChecked(true);
}

}  // namespace app
