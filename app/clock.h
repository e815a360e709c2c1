#pragma once
// The current year as start-up reads it: four digits of the local date.

#include <optional>
#include <string>

namespace app {

std::string currentYearText();
// Tests fix the year; nothing restores the system clock.
void setCurrentYearForTesting(std::optional<std::string> year);

}  // namespace app
