#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream err(stderr);
    err << "usage: quindaro2-cli <command> [options]\n";
    return arguments.size() > 1 && arguments[1] == QStringLiteral("--help") ? 0 : 2;
}
