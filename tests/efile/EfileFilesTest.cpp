#include "EfileFixture.h"
#include "efile/EfileOutcome.h"
#include "efile/Efw2Layout.h"
#include "efile/Pub1220Layout.h"
#include "efile/Returns1099Efile.h"
#include "efile/W2Efile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace quillory;
using test::at;

namespace {

using FilesTest = test::EfileTest;

struct Expect {
    int record;
    int start;
    int length;
    const char *text;
};

void expectFields(const QVector<QByteArray> &records, std::initializer_list<Expect> cases)
{
    for (const Expect &e : cases) {
        ASSERT_LT(e.record, records.size());
        EXPECT_EQ(at(records[e.record], e.start, e.length), QByteArray(e.text).leftJustified(e.length, ' '))
            << "record " << e.record << " (" << records[e.record].left(2).constData() << ") at " << e.start;
    }
}

// The file as written, split at its line ends.
QVector<QByteArray> writtenRecords(const efile::EfileOutcome &out, const QByteArray &lineEnd, int &mode)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    efile::writeRecords(path, out.records, lineEnd);
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    mode = st.st_mode & 0777;
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QVector<QByteArray> lines;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            lines << line + '\n';
    }
    return lines;
}

} // namespace

TEST_F(FilesTest, W2FileHoldsEveryFieldAtItsPositionWithTotalsAndCounts)
{
    const efile::EfileOutcome out = efile::buildW2Efile(db, {});
    ASSERT_TRUE(out.ok()) << out.problems.join(QLatin1Char('\n')).toStdString();
    int mode = 0;
    const QVector<QByteArray> lines = writtenRecords(out, "\r\n", mode);
    EXPECT_EQ(mode, 0600);
    QByteArray types;
    for (const QByteArray &line : lines) {
        EXPECT_EQ(line.size(), 514);
        EXPECT_TRUE(line.endsWith("\r\n"));
        types += line.left(2) + ' ';
    }
    EXPECT_EQ(types, "RA RE RW RO RS RW RT RU RE RW RT RF ");
    EXPECT_EQ(out.forms, 3);
    expectFields(lines, {
                            {0, 3, 9, "987654321"},
                            {0, 12, 8, "AB12CD34"},
                            {0, 36, 2, "98"},
                            {0, 38, 57, "LEDGER & SONS"},
                            {0, 117, 22, "1 MAIN ST"},
                            {0, 139, 22, "SPRINGFIELD"},
                            {0, 161, 2, "IL"},
                            {0, 163, 5, "62701"},
                            {0, 168, 4, "1234"},
                            {0, 396, 27, "PAT LEDGER"},
                            {0, 423, 15, "2175550100"},
                            {0, 446, 40, "PAT@EXAMPLE.COM"},
                            {0, 500, 1, "L"},
                            {1, 3, 4, "2024"},
                            {1, 8, 9, "123456789"},
                            {1, 27, 4, "0001"},
                            {1, 40, 57, "ACME TOOLS"},
                            {1, 119, 22, "500 INDUSTRIAL WAY"},
                            {1, 141, 22, "DECATUR"},
                            {1, 165, 5, "62521"},
                            {1, 174, 1, "N"},
                            {1, 219, 1, "R"},
                            {1, 222, 27, "KIM"},
                            {1, 249, 15, "2175550199"},
                            {2, 3, 9, "123456789"},
                            {2, 12, 15, "ANN"},
                            {2, 27, 15, "M"},
                            {2, 42, 20, "LEE"},
                            {2, 88, 22, "12 OAK AVE"},
                            {2, 110, 22, "SPRINGFIELD"},
                            {2, 132, 2, "IL"},
                            {2, 134, 5, "62704"},
                            {2, 188, 11, "00001500000"},
                            {2, 210, 11, "00001500000"},
                            {2, 221, 11, "00000000000"},
                            {2, 287, 11, "00000060000"},
                            {2, 463, 11, "00000070000"},
                            {2, 488, 1, "1"},
                            {2, 486, 1, "0"},
                            {3, 56, 11, "00000300000"},
                            {4, 3, 2, "17"},
                            {4, 10, 9, "123456789"},
                            {4, 248, 20, "IL-998"},
                            {4, 274, 2, "17"},
                            {4, 276, 11, "00001500000"},
                            {4, 287, 11, "00000074250"},
                            {5, 12, 15, "JOSE"},
                            {5, 42, 20, "O'BRIEN"},
                            {5, 62, 4, "JR"},
                            {5, 110, 22, "PEORIA"},
                            {5, 139, 4, "0001"},
                            {5, 188, 11, "00999999999"},
                            {6, 3, 7, "0000002"},
                            {6, 10, 15, "000001001499999"},
                            {6, 25, 15, "000000000150000"},
                            {6, 145, 15, "000000000060000"},
                            {6, 295, 15, "000000000070000"},
                            {7, 3, 7, "0000001"},
                            {7, 70, 15, "000000000300000"},
                            {8, 219, 1, "A"},
                            {9, 199, 11, "00000001000"},
                            {10, 3, 7, "0000001"},
                            {11, 8, 9, "000000003"},
                        });
}

TEST_F(FilesTest, W2FileForOneEmployerHoldsOnlyItsW2s)
{
    const efile::EfileOutcome out = efile::buildW2Efile(db, {QStringLiteral("23-4567890"), {}, QStringLiteral("943")});
    ASSERT_TRUE(out.ok()) << out.problems.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(out.records.size(), 5);
    EXPECT_EQ(at(out.records[2], 3, 9), "345678901");
    EXPECT_EQ(at(out.records[4], 8, 9), "000000001");
}

TEST_F(FilesTest, ReturnsFileSplitsNonemployeeCompensationOntoItsOwnFormAndTotalsEachPayer)
{
    db.exec(QStringLiteral("UPDATE \"1099Misc\" SET TIN = -1, Box9 = (RecName1 = 'Rita Renter') WHERE RecName1 IN "
                           "('Rita Renter', 'Nick Contractor')"));
    const efile::EfileOutcome out = efile::buildReturns1099Efile(db, {});
    ASSERT_TRUE(out.ok()) << out.problems.join(QLatin1Char('\n')).toStdString();
    int mode = 0;
    const QVector<QByteArray> lines = writtenRecords(out, QByteArray(), mode);
    EXPECT_EQ(mode, 0600);
    QByteArray types;
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].size(), 750);
        EXPECT_TRUE(lines[i].endsWith("\r\n"));
        EXPECT_EQ(at(lines[i], 500, 8), QByteArray::number(i + 1).rightJustified(8, '0'));
        types += lines[i].left(1);
    }
    EXPECT_EQ(types, "TABBCABBCF");
    expectFields(lines, {
                            {0, 2, 4, "2024"},
                            {0, 7, 9, "987654321"},
                            {0, 16, 5, "9Z123"},
                            {0, 28, 1, ""},
                            {0, 30, 40, "LEDGER & SONS"},
                            {0, 272, 9, "627011234"},
                            {0, 296, 8, "00000004"},
                            {0, 304, 40, "PAT LEDGER"},
                            {0, 518, 1, "I"},
                            {1, 12, 9, "123456789"},
                            {1, 26, 2, "A"},
                            {1, 28, 18, "1"},
                            {1, 53, 40, "ACME TOOLS"},
                            {1, 134, 40, "500 INDUSTRIAL WAY"},
                            {1, 225, 15, "2175550199"},
                            {2, 11, 1, "2"},
                            {2, 12, 9, "111223333"},
                            {2, 55, 12, "000000120000"},
                            {2, 288, 40, "RITA RENTER"},
                            {2, 368, 40, "77 PINE RD"},
                            {2, 448, 40, "NORMAL"},
                            {2, 488, 2, "IL"},
                            {2, 490, 9, "61761"},
                            {2, 544, 1, "2"},
                            {2, 547, 1, "1"},
                            {3, 55, 12, "000000030000"},
                            {3, 91, 12, "000000000000"},
                            {4, 2, 8, "00000002"},
                            {4, 16, 18, "000000000000150000"},
                            {5, 26, 2, "NE"},
                            {5, 28, 18, "14"},
                            {6, 11, 1, "1"},
                            {6, 55, 12, "000000640000"},
                            {6, 91, 12, "000000050000"},
                            {6, 544, 3, "2"},
                            {6, 547, 1, ""},
                            {7, 55, 12, "000000010000"},
                            {8, 2, 8, "00000002"},
                            {8, 16, 18, "000000000000650000"},
                            {8, 70, 18, "000000000000050000"},
                            {9, 2, 8, "00000002"},
                            {9, 10, 21, "000000000000000000000"},
                            {9, 50, 8, "00000004"},
                        });
}

// From 2025 a 1099-NEC kept as a return of its own is a 1099-NEC record of its payer's NE group
// (Publication 1220: amount codes 1 and 4, direct sales at 547); its box 3 is refused until the
// layout has a place for it.
TEST_F(FilesTest, From2025TheNecReturnsAreNecRecordsOfTheirPayer)
{
    db.exec(QStringLiteral("UPDATE Settings SET Year = '2025'"));
    db.exec(QStringLiteral("INSERT INTO \"1099Nec\" (FedIDNo, Tfid, RecIDNo, RecName1, RecAddr, RecCityStZip, "
                           "NonemployeeComp, FedTaxWithheld, DirectSales) SELECT FedIDNo, Tfid, '333-22-1111', "
                           "'Nora Nec', '1 ELM ST', 'NORMAL, IL 61761', 25000000, 100000, -1 FROM \"1099Misc\" "
                           "WHERE RecName1 = 'Nick Contractor'"));
    efile::EfileOutcome out = efile::buildReturns1099Efile(db, {});
    ASSERT_TRUE(out.ok()) << out.problems.join(QLatin1Char('\n')).toStdString();
    QByteArray nora;
    for (const QByteArray &record : out.records)
        if (at(record, 288, 8) == "NORA NEC")
            nora = record;
    ASSERT_FALSE(nora.isEmpty());
    EXPECT_EQ(at(nora, 55, 12), "000000250000");
    EXPECT_EQ(at(nora, 91, 12), "000000001000");
    EXPECT_EQ(at(nora, 547, 1), "1");
    EXPECT_EQ(out.forms, 5);

    db.exec(QStringLiteral("UPDATE \"1099Nec\" SET GoldenParachute = 10000"));
    out = efile::buildReturns1099Efile(db, {});
    EXPECT_TRUE(out.problems.join(QLatin1Char('|')).contains("box 3 (excess golden parachute payments)"));
}

TEST_F(FilesTest, AFileThatCannotBeWrittenLeavesNothingBehind)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("taken"));
    try {
        efile::writeRecords(dir.filePath(QStringLiteral("taken")), {QByteArray(512, ' ')}, "\r\n");
        ADD_FAILURE() << "a folder was written over";
    } catch (const std::runtime_error &e) {
        EXPECT_TRUE(QString::fromStdString(e.what()).startsWith(QStringLiteral("Could not write the file '")));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("taken")});
}

// Every field lies inside its record after the identifier, and no two fields share a position.
TEST(EfileLayouts, FieldsNeitherOverlapNorLeaveTheRecord)
{
    using namespace efile;
    const RecordLayout *layouts[] = {&efw2::RA(),
                                     &efw2::RE(),
                                     &efw2::RW(),
                                     &efw2::RO(),
                                     &efw2::RS(),
                                     &efw2::RT(),
                                     &efw2::RU(),
                                     &efw2::RF(),
                                     &pub1220::T(),
                                     &pub1220::A(),
                                     &pub1220::B(QStringLiteral("A")),
                                     &pub1220::B(QStringLiteral("NE")),
                                     &pub1220::C(),
                                     &pub1220::F()};
    for (const RecordLayout *layout : layouts) {
        QByteArray owner(layout->length, '.');
        owner.replace(0, qstrlen(layout->type), QByteArray(qstrlen(layout->type), '#'));
        for (const FixedField &f : layout->fields) {
            ASSERT_GT(f.start, 0) << layout->type << ' ' << f.name;
            // The 1099 records keep 749-750 for the line end.
            ASSERT_LE(f.start + f.length - 1, layout->length == 750 ? 748 : layout->length)
                << layout->type << ' ' << f.name;
            EXPECT_EQ(owner.mid(f.start - 1, f.length), QByteArray(f.length, '.'))
                << layout->type << ' ' << f.name << " overlaps another field";
            owner.replace(f.start - 1, f.length, QByteArray(f.length, '#'));
        }
    }
}
