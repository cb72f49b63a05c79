#pragma once

#include <QString>

#include <optional>

namespace rangedesk::team {

// A password typed for a team server is kept in the desktop's keyring (Secret Service, KWallet)
// and nowhere else: without a keyring it lives only as long as the program runs.
// QtKeychain keeps one job queue per process that is not safe across threads: call these on
// the main thread only (elsewhere they find no keyring).

// The password kept for `server`; nothing when none is kept or no keyring runs.
std::optional<QString> KeyringPassword(const QString& server);
// Keeps it; returns the keyring's reason when it could not (no keyring runs), else empty.
QString KeepPasswordInKeyring(const QString& server, const QString& password);
// Forgets it (team disconnect); no keyring or no password is not an error.
void ForgetKeyringPassword(const QString& server);

} // namespace rangedesk::team
