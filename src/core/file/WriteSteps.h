#pragma once

#include <QByteArray>
#include <QString>

namespace quindaro2 {

// The steps the writers of the file layer share.

// Writes everything at the descriptor's position; false with errno set.
bool WriteAll(int fd, const char* data, qint64 size);

// Flushes the folder that holds `name`, so that a name made or changed in it
// survives a crash; false with errno set.
bool SyncFolderOf(const QByteArray& name);

// "Cannot write X (reason). X is unchanged" and "Cannot create X (reason).
// Nothing was written".
QString CannotWrite(const QString& path, const QString& reason);
QString CannotCreate(const QString& path, const QString& reason);

} // namespace quindaro2
