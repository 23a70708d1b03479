#include "gui/dialogs/DebianChangelog.h"

#include <QDate>
#include <QLocale>
#include <QStringList>

namespace quindaro2 {

namespace {

constexpr qsizetype kWidth = 80;

// The note without the bullet the history list shows in front of it.
QString WithoutBullet(QString note)
{
    while (!note.isEmpty() && (note[0] == u'・' || note[0] == u'•' || note[0].isSpace()))
        note.remove(0, 1);
    return note;
}

// "  * text", continued on lines indented by four; a word longer than a line stays whole.
QString Item(const QString& note)
{
    QString text;
    QString line = QStringLiteral("  *");
    for (const QString& word : WithoutBullet(note).split(u' ', Qt::SkipEmptyParts)) {
        if (line.size() + 1 + word.size() > kWidth && line.size() > 4) {
            text += line + u'\n';
            line = QStringLiteral("   ");
        }
        line += u' ' + word;
    }
    return text + line + u'\n';
}

// RFC 5322 as Debian wants it, in English whatever the locale; `minute`
// minutes after midnight.
QString SignedDate(const QString& isoDate, int minute)
{
    return QLocale::c().toString(QDate::fromString(isoDate, Qt::ISODate), QStringLiteral("ddd, dd MMM yyyy"))
        + QStringLiteral(" %1:%2:00 +0000").arg(minute / 60, 2, 10, QLatin1Char('0')).arg(minute % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QString DebianChangelog(const QList<THistoryForm::Release>& releases, const ChangelogSigner& signer)
{
    QStringList entries;
    for (qsizetype i = 0; i < releases.size(); ++i) {
        const THistoryForm::Release& release = releases[i];
        // A newer entry must be signed later; releases of one day are a minute apart.
        int sameDayBefore = 0;
        for (qsizetype older = i + 1; older < releases.size(); ++older)
            sameDayBefore += releases[older].date == release.date ? 1 : 0;
        QString entry = QStringLiteral("%1 (%2-%3) unstable; urgency=medium\n\n")
                            .arg(signer.package, release.version, signer.revision);
        for (const QString& change : release.changes)
            entry += Item(change);
        entry += QStringLiteral("\n -- %1  %2\n").arg(signer.maintainer, SignedDate(release.date, sameDayBefore));
        entries << entry;
    }
    return entries.join(u'\n');
}

} // namespace quindaro2
