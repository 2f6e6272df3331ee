#include "platform/qt/export_file.h"

#include "platform/file_layer.h"
#include "platform/qt/handler.h"

namespace innvera {

void exportToFile(Desk& desk, const std::string& suggestedName, const std::function<std::string()>& text) {
    const std::optional<std::string> file = desk.dialogs.chooseSaveFile("Export CSV", suggestedName);
    if (!file) return;
    runHandler(desk, [&] { replaceFileWith(*file, text()); });
}

}  // namespace innvera
