#include "app/check_command.h"

#include <ostream>

#include "reports/data_check.h"

namespace innvera {

int checkFromCommandLine(const std::filesystem::path& root, std::ostream& out, std::ostream& err) {
    DataCheck check;
    try {
        check = checkDataDir(root);
    } catch (const FileError& error) {
        err << "innvera: the data directory " << root.string() << " cannot be read: " << error.reason() << ".\n";
        return 2;
    } catch (const std::exception& error) {
        err << "innvera: the check failed: " << error.what() << "\n";
        return 2;
    }
    for (const std::string& note : check.notes) out << note << "\n";
    for (const Finding& finding : check.findings) out << findingLine(finding) << "\n";
    out << dataCheckSummary(check) << "\n";
    out.flush();
    return check.agrees() ? 0 : 1;
}

}  // namespace innvera
