#include "app/data_dir_lock.h"

#include <QSysInfo>

#include "platform/start_up.h"

namespace innvera {

std::optional<LockRefused> takeDataDirLock(QLockFile& lock, const std::filesystem::path& root) {
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) return std::nullopt;
    const LockOutcome outcome = lock.error() == QLockFile::LockFailedError ? LockOutcome::Held : LockOutcome::CannotCreate;
    std::optional<LockOwner> owner;
    qint64 pid = 0;
    QString host, application;
    if (outcome == LockOutcome::Held && lock.getLockInfo(&pid, &host, &application))
        owner = LockOwner{pid, host.toStdString()};
    const auto refusal = lockRefusal(outcome, owner, QSysInfo::machineHostName().toStdString(), root, root / kLockFileName);
    return LockRefused{refusal.value_or("The data directory cannot be locked."), outcome == LockOutcome::Held};
}

}  // namespace innvera
