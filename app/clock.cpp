#include "app/clock.h"

#include <QDate>

namespace app {
namespace {

std::optional<std::string>& fixedYear() {
  static std::optional<std::string> year;
  return year;
}

}  // namespace

std::string currentYearText() {
  if (fixedYear()) return *fixedYear();
  return QString::asprintf("%04d", QDate::currentDate().year()).toStdString();
}

void setCurrentYearForTesting(std::optional<std::string> year) { fixedYear() = std::move(year); }

}  // namespace app
