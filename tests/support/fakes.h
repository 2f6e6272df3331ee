#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/desk.h"

namespace innvera::testing {

// A clock that says what the test sets.
class FakeClock : public Clock {
public:
    Date today() const override { return today_; }
    TimeOfDay now() const override { return now_; }
    void set(Date today, TimeOfDay now) {
        today_ = today;
        now_ = now;
    }
    void setTime(TimeOfDay now) { now_ = now; }

private:
    Date today_ = Date::fromYmd(2019, 5, 1);
    TimeOfDay now_{10, 0, 0};
};

// Records every message box and answers questions from a script (Yes when it runs out).
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        bool question;
        std::string title;
        std::string text;
    };

    void inform(const std::string& title, const std::string& text) override { shown.push_back({false, title, text}); }
    bool ask(const std::string& title, const std::string& text) override {
        shown.push_back({true, title, text});
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // Where to save: the next of `saveFiles`, noted in `shown` as a question "Save: title|name";
    // nothing (cancelled) when they have run out.
    std::optional<std::string> chooseSaveFile(const std::string& title, const std::string& suggestedName) override {
        shown.push_back({true, "Save: " + title, suggestedName});
        if (saveFiles.empty()) return std::nullopt;
        std::string file = saveFiles.front();
        saveFiles.pop_front();
        return file;
    }
    void clear() { shown.clear(); }

    std::vector<Shown> shown;
    std::deque<bool> answers;
    std::deque<std::string> saveFiles;
};

// Keeps every print job's exact lines and its picture pages.
class CapturingPrinter : public Printer {
public:
    struct Printed {
        std::string document;
        std::vector<std::string> lines;
        std::vector<std::string> images;  // the picture pages, PNG bytes
    };
    void print(const PrintJob& job) override { jobs.push_back({job.document(), job.lines(), job.imagePages()}); }

    std::vector<Printed> jobs;
};

}  // namespace innvera::testing
