#pragma once

#include <functional>
#include <string>

#include "core/desk.h"

namespace innvera {

// "Export CSV": asks where to save, offering `suggestedName` ("Statistics May 2019.csv"), then
// makes the text and writes it there whole, as one handler (see runHandler): a file that cannot
// be written, or a text that cannot be made, is shown as every failure is, and whatever stood at
// the chosen name stays as it was. Nothing happens when the user cancels.
void exportToFile(Desk& desk, const std::string& suggestedName, const std::function<std::string()>& text);

}  // namespace innvera
