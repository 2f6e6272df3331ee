#pragma once

#include <optional>
#include <string>

#include "core/date.h"
#include "core/print_job.h"
#include "core/session.h"
#include "core/data_dir.h"

namespace innvera {

class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
    virtual TimeOfDay now() const = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box with an OK button.
    virtual void inform(const std::string& title, const std::string& text) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool ask(const std::string& title, const std::string& text) = 0;
    // Where to save a file (an export): the user picks a folder and a name, `suggestedName`
    // offered in the documents folder. Nothing when the user cancels.
    virtual std::optional<std::string> chooseSaveFile(const std::string& title, const std::string& suggestedName) = 0;
};

class Printer {
public:
    virtual ~Printer() = default;
    // Prints one document; the job is ended once it has been handed over.
    virtual void print(const PrintJob& job) = 0;
};

class Windows;
class ChangeNotices;

// The shared services every window receives.
struct Desk {
    Clock& clock;
    Dialogs& dialogs;
    Printer& printer;
    DataDir& dataDir;
    Session& session;
    Windows& windows;
    ChangeNotices& notices;
};

}  // namespace innvera
