#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"
#include "core/data_dir.h"

// The folio charge file of a stay: one text line per posting, only ever appended to, and the
// folio balance computed from it. Writers throw FileError when a write fails; readers never
// fail: a missing file has no lines and a damaged line is skipped.
namespace innvera {

// The folio number with its sign position: a blank, then the digits (1234 gives " 1234").
// Names the stay's folio charge file.
std::string folioKey(float folioNo);

// One line of a folio charge file.
struct FolioLine {
    std::string room;         // as written: the stay's RoomNo as stored, trailing blanks kept
    std::string status;       // "A"; carried, never interpreted
    Date postDate;            // the hotel date of the posting
    std::string code;         // the charge code letter
    std::string description;  // "Room Rent", "Tax", ...
    double amount = 0;        // positive for charges and payments alike
    std::string empty;        // always empty; carried
    std::string folioNo;      // the folio number as written; carried
    std::array<std::string, 3> trailer;  // "-----" three times; carried
};

// Appends one folio line to the stay's folio charge file: the room fitted to five
// characters, "A", the date, the code, the description, the amount, an empty field, the
// folio number and "-----" three times, CR LF ended. A double amount is written with up
// to 15 significant digits, a single-precision one with up to 7.
void appendFolioLine(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code,
                     std::string_view description, double amount);
void appendFolioLine(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code,
                     std::string_view description, float amount);

// The text of one folio line as written, CR LF included.
std::string folioLineText(float folioNo, std::string_view room, Date hotelDate, char code,
                          std::string_view description, std::string_view amountText);
// Reads one line (without its line break); nothing when it is damaged.
std::optional<FolioLine> parseFolioLine(std::string_view line);

// Every readable line of the stay's folio charge file, in file order; a missing file has none.
std::vector<FolioLine> readFolioLines(const DataDir& dir, float folioNo);

// What the statistics read of a folio line, without copying it: the posting date, and the code
// and the amount text as written (Windows-1252, trailing blanks kept).
struct FolioLineView {
    Date postDate;
    std::string_view code;
    std::string_view amountText;
};
// Visits each line of a folio charge file's text in file order with its number (from 1): a
// readable line with what it posts, a damaged one (one parseFolioLine refuses) with nothing.
// Empty lines are passed over.
void visitFolioText(std::string_view text,
                    const std::function<void(std::size_t lineNo, const std::optional<FolioLineView>& posting)>& visit);

// The folio balance: each amount rounded to the cent (ties to the even cent), added for
// E, T, P, S, Q, N, W and O, subtracted for C, V, M, D and A; R, L and any other code
// leave it unchanged. Summed in whole cents, so it is exact to the cent.
double folioBalance(const std::vector<FolioLine>& lines);

}  // namespace innvera
