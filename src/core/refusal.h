#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace innvera {

// Why an action was refused: the message shown under "ATTENTION!" (OK only), and the documented
// name of the control the keyboard focus then goes to ("Text1", "Combo3"; empty for none).
// Nothing has been written.
struct Refusal {
    std::string message;
    std::string focus;

    bool operator==(const Refusal&) const = default;
};

// One check of an ordered table of checks: when it fails, the refusal it gives.
struct Check {
    bool failed;
    std::string_view message;
    std::string_view focus;
};

// The refusal of the first check that fails, in the table's order; nothing when all pass.
inline std::optional<Refusal> firstFailure(std::initializer_list<Check> checks) {
    for (const Check& check : checks)
        if (check.failed) return Refusal{std::string(check.message), std::string(check.focus)};
    return std::nullopt;
}

}  // namespace innvera
