#pragma once
// A modal box that tells something (the shortcuts, the program's version);
// tests replace it.

#include <QString>
#include <functional>

class QWidget;

namespace app {

void showInformation(QWidget* parent, const QString& title, const QString& text);

using InformationHook = std::function<void(const QString& title, const QString& text)>;
void setInformationHook(InformationHook hook);

}  // namespace app
