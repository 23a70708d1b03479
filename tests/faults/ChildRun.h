#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace quindaro2::test {

// How a child ended, with its messages.
struct ChildEnd {
    bool killed = false;  // by a signal
    int code = -1;
    QString err;
};

// Runs the program with its arguments in the environment, waiting at most
// two minutes.
ChildEnd RunChild(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment);

// The environment that preloads the fault library into a child.
QProcessEnvironment FaultEnvironment(const QString& log);

// Every file of a folder (hidden ones too) and its bytes.
using FolderBytes = QMap<QString, QByteArray>;
FolderBytes Snapshot(const QString& folder);

} // namespace quindaro2::test
