#pragma once

#include "core/desk.h"

namespace innvera {

// Real message boxes: OK for information, Yes and No with the question icon for questions,
// "No" the default (Enter) and Escape's answer; the system's file dialog for saving.
class MessageBoxDialogs : public Dialogs {
public:
    void inform(const std::string& title, const std::string& text) override;
    bool ask(const std::string& title, const std::string& text) override;
    // A file dialog for saving a comma-separated file, starting in the documents folder.
    std::optional<std::string> chooseSaveFile(const std::string& title, const std::string& suggestedName) override;
};

}  // namespace innvera
