#include "core/print_job.h"

#include "core/formats.h"

namespace innvera {

PrintJob& PrintJob::line() {
    lines_.emplace_back();
    return *this;
}

PrintJob& PrintJob::emptyLines(int count) {
    for (int i = 0; i < count; ++i) lines_.emplace_back();
    return *this;
}

PrintJob& PrintJob::text(std::string text) {
    if (lines_.empty()) line();
    lines_.back().push_back(PrintItem{PrintItem::Kind::Text, std::move(text)});
    return *this;
}

PrintJob& PrintJob::number(float value) {
    if (lines_.empty()) line();
    lines_.back().push_back(PrintItem{PrintItem::Kind::Number, {}, value, true});
    return *this;
}

PrintJob& PrintJob::number(double value) {
    if (lines_.empty()) line();
    lines_.back().push_back(PrintItem{PrintItem::Kind::Number, {}, value, false});
    return *this;
}

PrintJob& PrintJob::column(int column) {
    if (lines_.empty()) line();
    lines_.back().push_back(PrintItem{PrintItem::Kind::Column, {}, 0, false, column});
    return *this;
}

PrintJob& PrintJob::imagePage(std::string png) {
    images_.push_back(std::move(png));
    return *this;
}

std::string generalNumber(float value) { return signedNumber(value) + " "; }
std::string generalNumber(double value) { return signedNumber(value) + " "; }

std::vector<std::string> PrintJob::lines() const {
    std::vector<std::string> out;
    for (const auto& items : lines_) {
        std::string current;
        for (const PrintItem& item : items) {
            if (item.kind == PrintItem::Kind::Text) {
                current += item.text;
            } else if (item.kind == PrintItem::Kind::Number) {
                current += item.singlePrecision ? generalNumber(static_cast<float>(item.value)) : generalNumber(item.value);
            } else {
                const std::size_t target = item.column > 1 ? static_cast<std::size_t>(item.column - 1) : 0;
                const std::size_t at = charCount(current);
                if (at > target) {
                    out.push_back(std::move(current));
                    current.clear();
                    current.append(target, ' ');
                } else {
                    current.append(target - at, ' ');
                }
            }
        }
        out.push_back(std::move(current));
    }
    return out;
}

}  // namespace innvera
