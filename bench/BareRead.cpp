// The yardstick of the tool's start-up: a bare Qt Core program that reads a
// ROM as the tool does and exits.
#include <QCoreApplication>
#include <QFile>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 2)
        return 2;
    QFile file(QFile::decodeName(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    return file.readAll().isEmpty() ? 1 : 0;
}
