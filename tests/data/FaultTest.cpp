#include "FaultHelperProcess.h"
#include "FaultRows.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/RecordSet.h"
#include "support/TestDatabase.h"

#include <QMap>
#include <QSqlQuery>
#include <QThread>
#include <gtest/gtest.h>
#include <random>

using namespace quillory;
using namespace quillory::test;

namespace {

struct Reported {
    QMap<qlonglong, qlonglong> w2;     // id -> n
    QMap<qlonglong, qlonglong> edited; // id -> n
    QMap<qlonglong, qlonglong> misc;   // counter -> n
};

void readReports(const QString &output, Reported &reported)
{
    for (const QString &line : output.split('\n', Qt::SkipEmptyParts)) {
        const QStringList words = line.split(' ');
        if (words.size() != 3)
            continue; // the line the kill cut short
        const qlonglong key = words[1].toLongLong();
        const qlonglong n = words[2].toLongLong();
        if (words[0] == "W2")
            reported.w2.insert(key, n);
        else if (words[0] == "W2edit")
            reported.edited.insert(key, n);
        else if (words[0] == "1099")
            reported.misc.insert(key, n);
    }
}

// Every stored row is whole, as the writer made it, and every store it reported is there.
void expectConsistent(Database &db, const Reported &reported, int run)
{
    SCOPED_TRACE("after kill " + std::to_string(run));
    EXPECT_EQ(db.scalar("PRAGMA integrity_check").toString(), "ok");

    QMap<qlonglong, qlonglong> w2;
    QSqlQuery q = db.exec("SELECT id, Boxa, Boxd, Boxe_LName, Box1, Box2 FROM W2");
    while (q.next()) {
        const qlonglong id = q.value(0).toLongLong();
        const qlonglong n = q.value(1).toLongLong();
        w2.insert(id, n);
        EXPECT_EQ(q.value(2).toString(), faultSsn(n)) << "W2 " << id;
        EXPECT_EQ(q.value(3).toString(), faultName(n)) << "W2 " << id;
        EXPECT_EQ(q.value(4).toLongLong(), faultAmount(n).units()) << "W2 " << id;
        const qlonglong box2 = q.value(5).toLongLong();
        if (reported.edited.contains(id))
            EXPECT_EQ(box2, editedAmount(n).units()) << "W2 " << id;
        else
            EXPECT_TRUE(box2 == 0 || box2 == editedAmount(n).units()) << "W2 " << id << ": " << box2;
    }
    for (auto it = reported.w2.begin(); it != reported.w2.end(); ++it)
        EXPECT_EQ(w2.value(it.key(), -1), it.value()) << "reported W2 " << it.key() << " is lost";

    QMap<qlonglong, qlonglong> misc;
    q = db.exec("SELECT Counter, AcctNo, RecIDNo, RecName1, Box7 FROM \"1099Misc\"");
    while (q.next()) {
        const qlonglong counter = q.value(0).toLongLong();
        const qlonglong n = q.value(1).toLongLong();
        misc.insert(counter, n);
        EXPECT_EQ(q.value(2).toString(), faultSsn(n)) << "1099 " << counter;
        EXPECT_EQ(q.value(3).toString(), faultName(n)) << "1099 " << counter;
        EXPECT_EQ(q.value(4).toLongLong(), faultAmount(n).units()) << "1099 " << counter;
    }
    for (auto it = reported.misc.begin(); it != reported.misc.end(); ++it)
        EXPECT_EQ(misc.value(it.key(), -1), it.value()) << "reported 1099 " << it.key() << " is lost";
}

// Starts the writer on the file, waits until it has reported a 1099-MISC store or for the time
// given, kills it and notes what it reported.
void killWriter(const TestFolder &folder, int waitMs, Reported &reported, int &stores)
{
    FaultHelperProcess writer({"write", folder.databasePath()});
    ASSERT_EQ(writer.nextLine(), "open") << writer.process.readAllStandardError().toStdString();
    QString output;
    if (waitMs > 0)
        QThread::msleep(waitMs);
    else
        for (QString line; !output.contains("1099 ") && !(line = writer.nextLine()).isEmpty();)
            output += line + '\n';
    writer.process.kill();
    ASSERT_TRUE(writer.process.waitForFinished(30000));
    output += QString::fromUtf8(writer.process.readAllStandardOutput());
    stores += output.count('\n');
    readReports(output, reported);
}

} // namespace

// Killed as soon as it has reported some stores, the writer is cut off in the middle of the
// next ones: what it reported is in the file, and no row is half written.
TEST(Faults, AWriterKilledWhileStoringLosesNoReportedStoreAndLeavesNoHalfRow)
{
    TestFolder folder;
    Reported reported;
    int stores = 0;
    killWriter(folder, 0, reported, stores);
    ASSERT_FALSE(reported.misc.isEmpty());
    Database db;
    ASSERT_NO_THROW(db.open(folder.databasePath()));
    expectConsistent(db, reported, 1);
}

// The same, killed twenty times at random moments into one file (run by `make test-slow`).
TEST(Faults, SlowWriterKilledAtRandomMomentsManyTimes)
{
    TestFolder folder;
    std::mt19937 random(20);
    std::uniform_int_distribution<int> delay(20, 300);
    Reported reported;
    int stores = 0;
    for (int run = 1; run <= 20 && !HasFailure(); ++run) {
        killWriter(folder, delay(random), reported, stores);
        Database db;
        ASSERT_NO_THROW(db.open(folder.databasePath())) << "after kill " << run;
        expectConsistent(db, reported, run);
    }
    // The kills came while rows were being stored, not before the first.
    EXPECT_GT(reported.w2.size(), 20);
    EXPECT_GT(stores, 60);
}

using FullDatabase = FreshDatabase;

TEST_F(FullDatabase, AStoreFailsWholeAndKeepsThePendingRow)
{
    // The file may grow by a few pages only; fill them with rows like the one to store.
    const qlonglong pages = db.scalar("PRAGMA page_count").toLongLong();
    db.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 3));
    RecordSet filler = RecordSet::table(db, "W2");
    std::string full;
    for (qlonglong n = 1; n < 10000 && full.empty(); ++n) {
        filler.addNew();
        setW2Row(filler, n);
        try {
            filler.update();
        } catch (const DbError &e) {
            full = e.what();
        }
    }
    ASSERT_NE(full.find("database or disk is full"), std::string::npos) << full;
    const qlonglong rows = db.scalar("SELECT count(*) FROM W2").toLongLong();

    RecordSet rs = RecordSet::table(db, "W2");
    rs.addNew();
    setW2Row(rs, 99999);
    EXPECT_THROW(rs.update(), DbError);
    EXPECT_EQ(db.scalar("SELECT count(*) FROM W2").toLongLong(), rows);
    EXPECT_TRUE(rs.isAdding());
    EXPECT_EQ(rs.money("Box1"), faultAmount(99999));

    // With room again the same pending row stores as it is.
    db.exec("PRAGMA max_page_count = 1000000");
    ASSERT_NO_THROW(rs.update());
    EXPECT_EQ(db.scalar("SELECT Boxe_LName FROM W2 WHERE Boxa = '99999'").toString(), faultName(99999));
}
