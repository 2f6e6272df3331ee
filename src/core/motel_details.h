#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/data_dir.h"
#include "core/refusal.h"

// The motel's own name, address and phone: the main window's caption and title, the heading of
// the printed folio and the letterhead of the direct-bill statement. They are kept in the data
// directory's motel.conf, a small text file of key=value lines (UTF-8):
//
//   name=Pine Lodge
//   street=14 Lake Rd
//   city=Harbor Falls, ME  04000
//   phone=Phone: 207-555-0100   Fax: 207-555-0101
//   extra=www.pinelodge.example
//
// Each value is one line of the printed heading, printed as it stands. Until the clerk saves the
// details there is no file, and the desk shows the sample property.
namespace innvera {

// The motel's lines as printed.
struct MotelDetails {
    std::string name;
    std::string street;
    std::string city;   // city, state and zip, as one line
    std::string phone;  // the phone line as printed ("Phone: ...   Fax: ...")
    std::string extra;  // optional: a tax number, a web address

    bool operator==(const MotelDetails&) const = default;
};

// The sample property, shown until the motel's details are saved: the printed heading's lines,
// and the name the main window shows, which differs from the printed one.
MotelDetails sampleMotelDetails();
inline constexpr const char* kSampleCaption = "Corvid Lodge Inn";

// The printed folio's heading stands in the folio's 114 columns (the width of its rules). Each
// line is centred on a middle column: the line's middle character (of an even count, the later
// of the two middle ones) stands at column 94, the phone line's at column 91, where the sample
// property's heading has them. A line may be as long as fits the width from there.
inline constexpr std::size_t kFolioWidth = 114;

// One line of the details: the key in the file, the box that holds it, what the clerk calls it,
// the middle column of its printed line and the most characters it may have.
struct MotelLine {
    std::string MotelDetails::*field;
    const char* key;
    const char* box;
    const char* called;
    std::size_t middleColumn;

    // The longest line whose last character still stands within the folio's width.
    constexpr std::size_t limit() const { return 2 * (kFolioWidth + 1 - middleColumn); }
};

inline constexpr std::array<MotelLine, 5> kMotelLines = {{
    {&MotelDetails::name, "name", "MotelName", "motel's name", 94},
    {&MotelDetails::street, "street", "MotelStreet", "street", 94},
    {&MotelDetails::city, "city", "MotelCity", "city, state and zip", 94},
    {&MotelDetails::phone, "phone", "MotelPhone", "phone line", 91},
    {&MotelDetails::extra, "extra", "MotelExtra", "extra line", 94},
}};

// The blanks that put the text on its middle column in the folio's heading.
std::size_t headingBlanks(const MotelLine& line, std::string_view text);

// What the desk has of the motel.
struct MotelOnRecord {
    // The heading's lines: those the file gives, the sample's for every line it does not give
    // or that cannot be read.
    MotelDetails printed = sampleMotelDetails();
    // The name the main window shows: the saved name, else the sample's caption.
    std::string caption = kSampleCaption;
    // The file gives the motel's own name: the details have been saved.
    bool saved = false;
    // What could not be read, the first fault ("line 2 has no \"=\""); empty when nothing.
    std::string damage;
};

// The details as the file's text gives them.
MotelOnRecord parseMotelDetails(std::string_view content);
// The details as the file gives them: the sample property when there is no file; a file that
// cannot be read (a folder at its name, no permission) gives the sample with the reason as the
// damage. Never throws.
MotelOnRecord readMotelDetails(const DataDir& dir);

// The file's text for the details: one key=value line for each, in order.
std::string motelDetailsText(const MotelDetails& details);

// The details as typed, with blanks around each line removed.
MotelDetails trimmedDetails(const MotelDetails& typed);
// The checks of the details as they would be saved: an empty name, then for each line from the
// top a control character (a tab, a line break) or more characters than the line's limit. The
// focus goes to the line's box.
std::optional<Refusal> checkMotelDetails(const MotelDetails& details);
// Saves the details (blanks around each line removed) as the motel's file, replacing what it
// held; a refusal writes nothing.
std::optional<Refusal> saveMotelDetails(DataDir& dir, const MotelDetails& typed);

inline constexpr const char* kNoMotelName = "You didn't enter the motel's name.";

}  // namespace innvera
