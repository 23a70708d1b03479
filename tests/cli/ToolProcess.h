#pragma once

#include <QString>
#include <QStringList>

namespace quindaro2 {

struct Outcome {
    int code = -1;
    QString out;
    QString err;
};

// Runs the real quindaro2-cli and collects what it prints.
Outcome RunTool(const QStringList& arguments);

} // namespace quindaro2
