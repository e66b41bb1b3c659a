#include "BenchData.h"

#include "data/Database.h"

#include <QFile>
#include <QSqlQuery>
#include <QStringList>
#include <random>
#include <stdexcept>

namespace quillory::bench {

namespace {

const char *const kFirst[] = {"James",   "Mary",  "John",    "Patricia",  "Robert", "Jennifer",
                              "Michael", "Linda", "William", "Elizabeth", "David",  "Barbara",
                              "Richard", "Susan", "Joseph",  "Jessica",   "Thomas", "Sarah",
                              "Charles", "Karen", "José",    "Zoë",       "Seán",   "Renée"};
const char *const kLast[] = {"Smith",    "Johnson", "Williams",  "Brown",    "Jones",     "Garcia",
                             "Miller",   "Davis",   "Rodriguez", "Martinez", "Hernandez", "Lopez",
                             "Gonzalez", "Wilson",  "Anderson",  "Thomas",   "Taylor",    "Moore",
                             "Jackson",  "Martin",  "O'Brien",   "D'Angelo", "Nuñez"};
const char *const kStreets[] = {"Main St", "Oak Ave", "Maple Dr", "Cedar Ln", "Pine St",
                                "Elm St",  "Lake Rd", "Hill St",  "Park Ave", "Washington Blvd"};
const char *const kCities[] = {"Springfield, IL 62701", "Columbus, OH 43215", "Austin, TX 78701",
                               "Portland, OR 97201",    "Albany, NY 12207",   "Denver, CO 80202"};
const char *const kStates[] = {"IL", "OH", "TX", "OR", "NY", "CO"};
const char *const kKinds[] = {"941", "941", "941", "943", "Military", "CT-1", "Household Employer"};
const char *const kCodes[] = {"D", "E", "C", "S", "DD", "P", "W"};

template <size_t N> QString pick(std::mt19937 &rng, const char *const (&list)[N])
{
    return QString::fromUtf8(list[std::uniform_int_distribution<size_t>(0, N - 1)(rng)]);
}

void run(QSqlQuery &q)
{
    if (!q.exec())
        throw std::runtime_error("benchmark data: insert failed");
}

QVector<int> addFilers(Database &db, int count, std::mt19937 &rng)
{
    QSqlQuery q(db.connection());
    q.prepare("INSERT INTO FilerInfo (FedIDNo, EstNo, FilerType, PayerName, PayerL1, PayerL2, State1, State1ID, "
              "Contact, Phone) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    QVector<int> ids;
    for (int i = 0; i < count; ++i) {
        const int state = std::uniform_int_distribution<int>(0, 5)(rng);
        q.addBindValue(QStringLiteral("%1-%2").arg(10 + i % 89).arg(1000000 + i, 7, 10, QLatin1Char('0')));
        q.addBindValue(QString::number(i % 3));
        q.addBindValue(pick(rng, kKinds));
        q.addBindValue(pick(rng, kLast) + QStringLiteral(" & Sons Inc. #%1").arg(i));
        q.addBindValue(QStringLiteral("%1 %2").arg(100 + i).arg(pick(rng, kStreets)));
        q.addBindValue(QString::fromUtf8(kCities[state]));
        q.addBindValue(QString::fromUtf8(kStates[state]));
        q.addBindValue(QStringLiteral("ST-%1").arg(i));
        q.addBindValue(pick(rng, kFirst) + QLatin1Char(' ') + pick(rng, kLast));
        q.addBindValue(QStringLiteral("555-01%1").arg(i % 100, 2, 10, QLatin1Char('0')));
        run(q);
        ids.append(q.lastInsertId().toInt());
    }
    return ids;
}

qlonglong cents(std::mt19937 &rng, int lo, int hi)
{
    return std::uniform_int_distribution<qlonglong>(lo, hi)(rng) * 100;
}

} // namespace

BenchFolder::BenchFolder()
{
    if (!QFile::copy(QStringLiteral(QUILLORY_SHIPPED_DB), databasePath()))
        throw std::runtime_error("cannot copy the shipped database");
    QFile::setPermissions(databasePath(), QFile::ReadOwner | QFile::WriteOwner);
}

void generateW2s(Database &db, int employers, int w2s, uint32_t seed)
{
    std::mt19937 rng(seed);
    Transaction tx(db);
    const QVector<int> filers = addFilers(db, employers, rng);
    QSqlQuery filer(db.connection());
    filer.prepare("SELECT FedIDNo, EstNo, FilerType, PayerName, PayerL1, PayerL2, State1, State1ID FROM FilerInfo "
                  "WHERE Tfid = ?");
    QSqlQuery q(db.connection());
    q.prepare("INSERT INTO W2 (Boxa, Boxb, Boxc_L1, Boxc_L2, Boxc_L3, Boxd, Boxe_FName, Boxe_LName, Boxf_L1, "
              "Boxf_L2, Box1, Box2, Box3, Box4, Box5, Box6, Box12a_Code, Box12a_Amt, Box13b, Tfid, EstNo, "
              "FilerType, Box15a_L1, Box15b_L1, Box16_L1, Box17_L1) "
              "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int i = 0; i < w2s; ++i) {
        const int tfid = filers[i % filers.size()];
        filer.addBindValue(tfid);
        if (!filer.exec() || !filer.next())
            throw std::runtime_error("benchmark data: filer missing");
        const qlonglong wages = cents(rng, 8000, 120000);
        const qlonglong ssWages = std::min<qlonglong>(wages, 8040000);
        q.addBindValue(QString::number(i + 1));
        q.addBindValue(filer.value(0));
        q.addBindValue(filer.value(3));
        q.addBindValue(filer.value(4));
        q.addBindValue(filer.value(5));
        q.addBindValue(QStringLiteral("%1-%2-%3").arg(100 + i % 800).arg(10 + i % 89).arg(1000 + i % 9000));
        q.addBindValue(pick(rng, kFirst));
        q.addBindValue(pick(rng, kLast));
        q.addBindValue(QStringLiteral("%1 %2").arg(1 + i % 9999).arg(pick(rng, kStreets)));
        q.addBindValue(pick(rng, kCities));
        q.addBindValue(wages * 100);
        q.addBindValue(wages * 100 / 7);
        q.addBindValue(ssWages * 100);
        q.addBindValue((ssWages * 62 + 500) / 1000 * 100);
        q.addBindValue(wages * 100);
        q.addBindValue((wages * 145 + 5000) / 10000 * 100);
        q.addBindValue(pick(rng, kCodes));
        q.addBindValue(cents(rng, 0, 10500) * 100);
        q.addBindValue(i % 2 ? -1 : 0);
        q.addBindValue(tfid);
        q.addBindValue(filer.value(1));
        q.addBindValue(filer.value(2));
        q.addBindValue(filer.value(6));
        q.addBindValue(filer.value(7));
        q.addBindValue(wages * 100);
        q.addBindValue(wages * 100 / 20);
        run(q);
    }
    tx.commit();
}

void generate1099s(Database &db, int payers, int forms, uint32_t seed)
{
    std::mt19937 rng(seed);
    Transaction tx(db);
    const QVector<int> filers = addFilers(db, payers, rng);
    QSqlQuery filer(db.connection());
    filer.prepare("SELECT FedIDNo, PayerName, PayerL1, PayerL2 FROM FilerInfo WHERE Tfid = ?");
    QSqlQuery q(db.connection());
    q.prepare("INSERT INTO \"1099Misc\" (PayerName, PayerL1, PayerL2, FedIDNo, RecIDNo, RecName1, RecAddr, "
              "RecCityStZip, Box1, Box3, Box4, Box7, Tfid) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int i = 0; i < forms; ++i) {
        const int tfid = filers[i % filers.size()];
        filer.addBindValue(tfid);
        if (!filer.exec() || !filer.next())
            throw std::runtime_error("benchmark data: payer missing");
        q.addBindValue(filer.value(1));
        q.addBindValue(filer.value(2));
        q.addBindValue(filer.value(3));
        q.addBindValue(filer.value(0));
        q.addBindValue(QStringLiteral("%1-%2-%3").arg(100 + i % 800).arg(10 + i % 89).arg(1000 + i % 9000));
        q.addBindValue(pick(rng, kFirst) + QLatin1Char(' ') + pick(rng, kLast));
        q.addBindValue(QStringLiteral("%1 %2").arg(1 + i % 9999).arg(pick(rng, kStreets)));
        q.addBindValue(pick(rng, kCities));
        q.addBindValue(i % 4 == 0 ? cents(rng, 600, 40000) * 100 : 0);
        q.addBindValue(i % 5 == 0 ? cents(rng, 600, 9000) * 100 : 0);
        q.addBindValue(i % 7 == 0 ? cents(rng, 50, 3000) * 100 : 0);
        q.addBindValue(cents(rng, 600, 90000) * 100);
        q.addBindValue(tfid);
        run(q);
    }
    tx.commit();
}

} // namespace quillory::bench
