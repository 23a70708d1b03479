#include "ChildRun.h"

#include "core/file/InPlaceWrite.h"
#include "core/patch/Patch.h"
#include "core/sample/DemoRom.h"
#include "support/ExportText.h"
#include "support/SyntheticRom.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <cerrno>
#include <functional>

namespace quindaro2 {
namespace {

using test::ChildEnd;
using test::FolderBytes;
using test::RomFolder;

const QString kTool = QStringLiteral(QUINDARO2_CLI);
const QString kDriver = QStringLiteral(QUINDARO2_DRIVER);

QByteArray Rom()
{
    return DemoRomImage(1993);
}

// The export with one batter's fourth column changed.
QByteArray EditedExport()
{
    QStringList lines = test::ExportLines(RomImage(Rom()), 1993);
    const int line = test::ExportLineIndex(1993, 2, RecordKind::Batter, 0);
    test::SetField(lines, line, 4, test::Field(lines, line, 4) == QStringLiteral("77") ? QStringLiteral("78")
                                                                                      : QStringLiteral("77"));
    return test::ShiftJisText(lines);
}

QStringList Set(const QStringList& more = {})
{
    return QStringList{QStringLiteral("set"),   QStringLiteral("--edition"), QStringLiteral("93"),
                       QStringLiteral("--team"), QStringLiteral("2"),         QStringLiteral("--grid"),
                       QStringLiteral("batter"), QStringLiteral("--row"),     QStringLiteral("1"),
                       QStringLiteral("--column"), QStringLiteral("4"),       QStringLiteral("77")}
        + more;
}

// One write path: the files it starts from, and the child that runs it.
struct WritePath {
    const char* name;
    std::function<void(const RomFolder&)> setUp;
    QString program;
    std::function<QStringList(const RomFolder&)> arguments;
};

std::ostream& operator<<(std::ostream& out, const WritePath& path)
{
    return out << path.name;
}

QString In(const RomFolder& f, const char* name)
{
    return f.path(QString::fromUtf8(name));
}

void WithRom(const RomFolder& f)
{
    f.write(QStringLiteral("rom.nes"), Rom());
}

const WritePath kPaths[] = {
    {"SetInPlace", WithRom, kTool, [](const RomFolder& f) { return Set({In(f, "rom.nes")}); }},
    {"SetOutput", WithRom, kTool,
     [](const RomFolder& f) { return Set({In(f, "rom.nes"), QStringLiteral("--output"), In(f, "out.nes")}); }},
    {"SetHardLinked",
     [](const RomFolder& f) {
         WithRom(f);
         ::link(QFile::encodeName(In(f, "rom.nes")).constData(), QFile::encodeName(In(f, "other.nes")).constData());
     },
     kTool, [](const RomFolder& f) { return Set({In(f, "rom.nes")}); }},
    {"ImportInPlace",
     [](const RomFolder& f) {
         WithRom(f);
         f.write(QStringLiteral("players.txt"), EditedExport());
     },
     kTool,
     [](const RomFolder& f) {
         return QStringList{QStringLiteral("import"), QStringLiteral("--edition"), QStringLiteral("93"), In(f, "rom.nes"),
                            In(f, "players.txt")};
     }},
    {"ImportOutput",
     [](const RomFolder& f) {
         WithRom(f);
         f.write(QStringLiteral("players.txt"), EditedExport());
         f.write(QStringLiteral("copy.nes"), QByteArray("an older copy"));
     },
     kTool,
     [](const RomFolder& f) {
         return QStringList{QStringLiteral("import"),  QStringLiteral("--edition"), QStringLiteral("93"), In(f, "rom.nes"),
                            In(f, "players.txt"), QStringLiteral("--output"),  In(f, "copy.nes")};
     }},
    {"PatchApply",
     [](const RomFolder& f) {
         WithRom(f);
         QByteArray modified = Rom();
         modified[0x1000] = 'x';
         f.write(QStringLiteral("update.ips"), CreatePatch(PatchKind::Ips, Rom(), modified).value());
         f.write(QStringLiteral("out.nes"), QByteArray("an older result"));
     },
     kTool,
     [](const RomFolder& f) {
         return QStringList{QStringLiteral("patch"), QStringLiteral("apply"), In(f, "rom.nes"), In(f, "update.ips"),
                            In(f, "out.nes")};
     }},
    // In place again, and so much changes that a write cut off halfway leaves neither.
    {"PatchApplyOverAHardLink",
     [](const RomFolder& f) {
         WithRom(f);
         f.write(QStringLiteral("update.bps"), CreatePatch(PatchKind::Bps, Rom(), DemoRomImage(1993, {5, true, false})).value());
         f.write(QStringLiteral("out.nes"), Rom());
         ::link(QFile::encodeName(In(f, "out.nes")).constData(), QFile::encodeName(In(f, "kept.nes")).constData());
     },
     kTool,
     [](const RomFolder& f) {
         return QStringList{QStringLiteral("patch"), QStringLiteral("apply"), In(f, "rom.nes"), In(f, "update.bps"),
                            In(f, "out.nes")};
     }},
    {"ExportOneFile",
     [](const RomFolder& f) {
         WithRom(f);
         f.write(QStringLiteral("players.txt"), QByteArray("an older export\r\n"));
     },
     kTool,
     [](const RomFolder& f) {
         return QStringList{QStringLiteral("export"), QStringLiteral("--edition"), QStringLiteral("93"), In(f, "rom.nes"),
                            In(f, "players.txt")};
     }},
    {"ExportPerTeam",
     [](const RomFolder& f) {
         WithRom(f);
         for (const char* name : {"players_T.txt", "players_C.txt", "players_Bu.txt"})
             f.write(QString::fromUtf8(name), QByteArray("an older export\r\n"));
     },
     kTool,
     [](const RomFolder& f) {
         return QStringList{QStringLiteral("export"), QStringLiteral("--edition"), QStringLiteral("93"),
                            QStringLiteral("--per-team"), In(f, "rom.nes"), In(f, "players.txt")};
     }},
    {"Demo", [](const RomFolder&) {}, kTool,
     [](const RomFolder& f) {
         return QStringList{QStringLiteral("demo"), QStringLiteral("--edition"), QStringLiteral("93"), In(f, "demo.nes")};
     }},
    {"EditorSave", WithRom, kDriver,
     [](const RomFolder& f) { return QStringList{QStringLiteral("save"), In(f, "rom.nes"), In(f, "rom.nes")}; }},
    {"EditorSaveHardLinked",
     [](const RomFolder& f) {
         WithRom(f);
         ::link(QFile::encodeName(In(f, "rom.nes")).constData(), QFile::encodeName(In(f, "other.nes")).constData());
     },
     kDriver, [](const RomFolder& f) { return QStringList{QStringLiteral("save"), In(f, "rom.nes"), In(f, "rom.nes")}; }},
    {"EditorSaveAsPatch", WithRom, kDriver,
     [](const RomFolder& f) { return QStringList{QStringLiteral("patch"), In(f, "rom.nes"), In(f, "update.bps")}; }},
};

// How the N-th call goes wrong.
struct Fault {
    const char* name;
    int error;   // errno it fails with; 0 to crash there instead
};

std::ostream& operator<<(std::ostream& out, const Fault& fault)
{
    return out << fault.name;
}

const Fault kFaults[] = {{"Enospc", ENOSPC}, {"Eio", EIO}, {"Crash", 0}};

struct Log {
    long calls = 0;
    bool acted = false;
};

Log ReadLog(const QString& path)
{
    QFile file(path);
    Log log;
    if (!file.open(QIODevice::ReadOnly))
        return log;
    const QList<QByteArray> words = file.readAll().simplified().split(' ');
    if (words.size() == 4) {
        log.calls = words[1].toLong();
        log.acted = words[3] == "1";
    }
    return log;
}

class FaultInjectionTest : public ::testing::TestWithParam<std::tuple<WritePath, Fault>> {
protected:
    // One run of the path with the N-th call failed or crashed (0: none).
    struct Run {
        FolderBytes before;
        FolderBytes after;
        ChildEnd end;
        Log log;
    };

    Run run(int n)
    {
        const WritePath& path = std::get<0>(GetParam());
        const Fault& fault = std::get<1>(GetParam());
        RomFolder folder;
        path.setUp(folder);
        Run result;
        result.before = test::Snapshot(folder.path(QString()));
        QProcessEnvironment environment = test::FaultEnvironment(logs.filePath(QStringLiteral("log")));
        environment.insert(QStringLiteral("QUINDARO2_FAULT_AT"), QString::number(n));
        environment.insert(QStringLiteral("QUINDARO2_FAULT_ERRNO"), QString::number(fault.error));
        environment.insert(QStringLiteral("QUINDARO2_FAULT_CRASH"), fault.error == 0 ? QStringLiteral("1") : QStringLiteral("0"));
        QFile::remove(logs.filePath(QStringLiteral("log")));
        result.end = test::RunChild(path.program, path.arguments(folder), environment);
        result.after = test::Snapshot(folder.path(QString()));
        result.log = ReadLog(logs.filePath(QStringLiteral("log")));
        return result;
    }

    QTemporaryDir logs;
};

const QString kBackup = QStringLiteral(".quindaro2-backup");

bool BackedUp(const FolderBytes& now, const QByteArray& old)
{
    for (auto it = now.begin(); it != now.end(); ++it) {
        if (it.key().endsWith(kBackup) && it.value() == old)
            return true;
    }
    return false;
}

// The files a faulted run left otherwise than allowed. Each must hold its old
// bytes or those a whole run gives, or be missing when it is new. Only a
// crash may leave a file on its way to its name (under a name of its own), a
// backup, or a file written in place and cut off while a backup holds what it
// held. A backup may outlive a run that failed only
// when the message names it and its file holds the new bytes.
QStringList Misplaced(const FolderBytes& before, const FolderBytes& whole, const FolderBytes& now, bool crashed,
                      const QString& message)
{
    QStringList wrong;
    for (auto it = now.begin(); it != now.end(); ++it) {
        const QString& name = it.key();
        if ((before.contains(name) && before[name] == it.value()) || (whole.contains(name) && whole[name] == it.value()))
            continue;
        if (name.endsWith(kBackup)) {
            const QString target = name.chopped(kBackup.size());
            if (crashed || (message.contains(name) && now.value(target) == whole.value(target)))
                continue;
        } else if (before.contains(name)) {
            if (crashed && BackedUp(now, before[name]))
                continue;
        } else if (crashed && !whole.contains(name)) {
            continue;
        }
        wrong << name;
    }
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (!now.contains(it.key()))
            wrong << it.key() + QStringLiteral(" (gone)");
    }
    return wrong;
}

// The N-th call that changes a file fails (a full disk, a disk error) or the
// process is killed there, for every N until the path completes: every file
// then holds its old bytes or its new ones, nothing else is left, and a
// failure names a file it concerns.
TEST_P(FaultInjectionTest, EveryFileIsOldOrNewAndTheMessageNamesIt)
{
    ASSERT_TRUE(logs.isValid());
    const bool crash = std::get<1>(GetParam()).error == 0;
    const Run whole = run(0);
    ASSERT_EQ(whole.end.code, 0) << whole.end.err.toStdString();
    ASSERT_GT(whole.log.calls, 0);
    ASSERT_NE(whole.before, whole.after) << "the path changes no file";
    QStringList targets;
    for (auto it = whole.after.begin(); it != whole.after.end(); ++it) {
        if (whole.before.value(it.key()) != it.value() || !whole.before.contains(it.key()))
            targets << it.key();
    }

    int injected = 0;
    for (int n = 1;; ++n) {
        ASSERT_LE(n, 1000) << "the path never completes";
        const Run faulted = run(n);
        if (!faulted.log.acted) {
            EXPECT_EQ(faulted.end.code, 0) << faulted.end.err.toStdString();
            EXPECT_EQ(faulted.after, whole.after);
            break;
        }
        ++injected;
        const QString at = QStringLiteral("call %1 of %2: ").arg(n).arg(whole.log.calls);
        EXPECT_EQ(faulted.end.killed, crash) << at.toStdString() << faulted.end.err.toStdString();
        const QStringList wrong = Misplaced(faulted.before, whole.after, faulted.after, crash, faulted.end.err);
        EXPECT_TRUE(wrong.isEmpty()) << at.toStdString() << wrong.join(u' ').toStdString() << "\n"
                                     << faulted.end.err.toStdString();
        if (!crash && faulted.end.code != 0) {
            const bool named = std::any_of(targets.begin(), targets.end(), [&](const QString& target) {
                return faulted.end.err.contains(target);
            });
            EXPECT_TRUE(named) << at.toStdString() << faulted.end.err.toStdString();
        }
        if (!crash && faulted.end.code == 0) {
            EXPECT_EQ(faulted.after, whole.after) << at.toStdString() << "a failure reported as success";
        }
    }
    RecordProperty("injected", injected);
    std::printf("[ faults   ] %s: %d injected\n", ::testing::UnitTest::GetInstance()->current_test_info()->name(), injected);
}

INSTANTIATE_TEST_SUITE_P(Paths, FaultInjectionTest, ::testing::Combine(::testing::ValuesIn(kPaths), ::testing::ValuesIn(kFaults)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
                         });

} // namespace
} // namespace quindaro2
