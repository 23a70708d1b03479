#pragma once

#include "gui/dialogs/THistoryForm.h"

#include <QList>
#include <QString>

namespace quindaro2 {

// Who signs the entries of a package's changelog, and the package's revision.
struct ChangelogSigner {
    QString package;
    QString revision;    // Debian revision after each version, e.g. "1"
    QString maintainer;  // "Name <address>"
};

// The release notes as a Debian changelog, newest first: one entry per
// release with its changes as items (without their bullets, wrapped to 80
// columns), signed on the release's date at midnight UTC, or a minute later
// for each older release of the same day, so that every entry is newer than
// the one before.
QString DebianChangelog(const QList<THistoryForm::Release>& releases, const ChangelogSigner& signer);

} // namespace quindaro2
