#pragma once

// The data directory the ledger tests start from, and small builders for its files.

#include <string>

#include "core/records.h"
#include "platform/counters.h"
#include "platform/data_dir.h"
#include "platform/record_file.h"
#include "support/files.h"

namespace innvera::testing {

struct LedgerDir {
    LedgerDir() : dir(folder.path()) { dir.createFolders(); }

    std::filesystem::path path(const std::string& relative) const { return folder.path() / relative; }
    std::string folio(const std::string& key) const { return readText(path("dailycharge/" + key)); }
    bool exists(const std::string& relative) const { return std::filesystem::exists(path(relative)); }
    bool emptyFolder(const std::string& relative) const { return std::filesystem::is_empty(path(relative)); }

    TempFolder folder;
    DataDir dir;
};

inline void setTaxRate(DataDir& dir, float rate) { writeCounter(dir, dir.taxRate(), rate); }

inline Guest addStay(DataDir& dir, const char* roomNo, float folioNo, const char* name = "JOHN SMITH",
                     float directBillNo = 0, const char* status = "") {
    Guest g;
    g.guestName = name;
    g.roomNo = roomNo;
    g.folioNo = folioNo;
    g.directBillNo = directBillNo;
    if (*status) g.stayStatus = status;
    RecordFile<Guest>(dir, dir.guests()).append(g);
    return g;
}

inline void addAccount(DataDir& dir, const char* name, float accountNo) {
    DirectBillAccount a;
    a.accountName = name;
    a.accountNo = accountNo;
    RecordFile<DirectBillAccount>(dir, dir.directBillAccounts()).append(a);
}

}  // namespace innvera::testing
