#include "core/edit/NameProblem.h"

#include "core/rom/NameCodec.h"

#include <QCoreApplication>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(NameProblem)
};

} // namespace

QString UsableCharacters(int edition)
{
    QString usable;
    for (const QChar c : CharTable(edition)) {
        if (!usable.contains(c))
            usable += c;
    }
    return usable;
}

QString NameProblem(int edition, const QString& name)
{
    const int length = NameLength(edition);
    // Blanks that only pad the name do not count: the stored name is padded anyway.
    qsizetype used = name.size();
    while (used > 0 && (name[used - 1] == u'　' || name[used - 1] == u' '))
        --used;
    if (used > length)
        return Text::tr("名前「%1」は長すぎます（%2年版の名前は %3 文字まで）").arg(name, QString::number(edition), QString::number(length));
    for (const QChar c : name) {
        if (!HasCode(edition, c))
            return Text::tr("名前「%1」の「%2」は%3年版の名前に使えません。使える文字：%4")
                .arg(name, QString(c), QString::number(edition), UsableCharacters(edition));
    }
    return {};
}

} // namespace quindaro2
