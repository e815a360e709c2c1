#pragma once
// How an error that ends a user event reaches the user: a modal box with the
// application title, a stop icon and one OK button.

#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace app {

// The error's text, with "." added when its last character sorts after "."
// in the code page.
QString errorMessageText(const std::string& cp1252Text);

void showErrorMessage(const std::string& cp1252Text);

// Tests replace the message box; an empty function restores it.
using ErrorMessageHook = std::function<void(const QString& caption, const QString& text)>;
void setErrorMessageHook(ErrorMessageHook hook);

// Runs an action and returns the text of the error that ended it, if any.
// No exception leaves this function.
std::optional<std::string> runCatchingErrors(const std::function<void()>& action) noexcept;

}  // namespace app
