#include "app/error_display.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <new>

#include "app/text_codec.h"
#include "catalog/errors.h"

namespace app {
namespace {

ErrorMessageHook& hook() {
  static ErrorMessageHook instance;
  return instance;
}

}  // namespace

QString errorMessageText(const std::string& cp1252Text) {
  std::string text = cp1252Text;
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) text += '.';
  return toQString(text);
}

void showErrorMessage(const std::string& cp1252Text) {
  const QString caption = QGuiApplication::applicationDisplayName();
  const QString text = errorMessageText(cp1252Text);
  if (hook()) {
    hook()(caption, text);
    return;
  }
  QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
  box.exec();
}

void setErrorMessageHook(ErrorMessageHook newHook) { hook() = std::move(newHook); }

std::optional<std::string> runCatchingErrors(const std::function<void()>& action) noexcept {
  try {
    action();
    return std::nullopt;
  } catch (const std::bad_alloc&) {
    return catalog::outOfMemoryText();
  } catch (const std::exception& error) {
    return std::string(error.what());
  } catch (...) {
    return catalog::unknownErrorText();
  }
}

}  // namespace app
