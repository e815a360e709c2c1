#include "app/information.h"

#include <QMessageBox>

namespace app {
namespace {

InformationHook& hook() {
  static InformationHook instance;
  return instance;
}

}  // namespace

void showInformation(QWidget* parent, const QString& title, const QString& text) {
  if (hook()) {
    hook()(title, text);
    return;
  }
  QMessageBox::information(parent, title, text);
}

void setInformationHook(InformationHook newHook) { hook() = std::move(newHook); }

}  // namespace app
