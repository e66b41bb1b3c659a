// A second program on the same database file, for the tests of what another process or a kill
// does to it. Each line it prints is flushed at once, so that a kill loses none of them.
//
//   write PATH                  stores W-2 and 1099-MISC rows until killed: "open" once the
//                               file is open, then "W2 <id> <n>", "W2edit <id> <n>" and
//                               "1099 <counter> <n>" after each store has returned
//   hold PATH                   takes the file's write lock, prints "held" and keeps the lock
//                               until its standard input closes
//   open PATH [--unprivileged]  prints "opened" or the error; --unprivileged first enters a user
//                               namespace of its own, where file modes bind even the superuser

#include "FaultRows.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/RecordSet.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sched.h>

using namespace quillory;

namespace {

void say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

int writeRows(Database &db)
{
    RecordSet w2 = RecordSet::table(db, QStringLiteral("W2"));
    RecordSet misc = RecordSet::table(db, QStringLiteral("1099Misc"));
    say(QStringLiteral("open"));
    for (qlonglong n = 1;; ++n) {
        w2.addNew();
        test::setW2Row(w2, n);
        w2.update();
        w2.moveLast();
        const qlonglong id = w2.integer(QStringLiteral("id"));
        say(QStringLiteral("W2 %1 %2").arg(id).arg(n));

        w2.edit();
        w2.setMoney(QStringLiteral("Box2"), test::editedAmount(n));
        w2.update();
        say(QStringLiteral("W2edit %1 %2").arg(id).arg(n));

        misc.addNew();
        test::setMiscRow(misc, n);
        misc.update();
        misc.moveLast();
        say(QStringLiteral("1099 %1 %2").arg(misc.integer(QStringLiteral("Counter"))).arg(n));
    }
}

int holdLock(Database &db)
{
    db.exec(QStringLiteral("BEGIN EXCLUSIVE"));
    say(QStringLiteral("held"));
    while (std::fgetc(stdin) != EOF) {
    }
    db.exec(QStringLiteral("ROLLBACK"));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fputs("usage: quillory_fault_helper write|hold|open PATH [--unprivileged]\n", stderr);
        return 2;
    }
    const QByteArray mode = argv[1];
    // Must come before anything starts a thread.
    if (argc > 3 && std::strcmp(argv[3], "--unprivileged") == 0 && ::unshare(CLONE_NEWUSER) != 0) {
        say(QStringLiteral("no user namespace: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
        return 3;
    }
    QCoreApplication app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[2]);
    Database db;
    try {
        db.open(path);
        if (mode == "write")
            return writeRows(db);
        if (mode == "hold")
            return holdLock(db);
        say(QStringLiteral("opened"));
        return 0;
    } catch (const DbError &e) {
        say(QString::fromStdString(e.what()));
        return 1;
    }
}
