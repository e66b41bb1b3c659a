#include "efile/W2Efile.h"

#include "data/Database.h"
#include "data/FilerTable.h"
#include "data/RecordSet.h"
#include "data/Settings.h"
#include "data/W2Table.h"
#include "efile/EfileData.h"
#include "efile/Efw2Layout.h"
#include "efile/Submitter.h"

#include <QHash>
#include <map>

namespace quillory::efile {

namespace {

// The W-2 boxes that have their own field in the RW record (totalled in RT under the same
// name), or in the RO record (totalled in RU).
struct BoxField {
    const char *column;
    const char *field;
    bool optionalRecord;
    const char *box;
};
const BoxField kBoxes[] = {
    {"Box1", "Wages", false, "box 1"},           {"Box2", "FederalTax", false, "box 2"},
    {"Box3", "SSWages", false, "box 3"},         {"Box4", "SSTax", false, "box 4"},
    {"Box5", "MedicareWages", false, "box 5"},   {"Box6", "MedicareTax", false, "box 6"},
    {"Box7", "SSTips", false, "box 7"},          {"Box8", "AllocatedTips", true, "box 8"},
    {"Box10", "DependentCare", false, "box 10"}, {"Box11", "NonqualifiedNot457", false, "box 11"},
};

// EFW2 employment code and kind of employer from the filer's kind of employer.
struct EmployerKind {
    const char *filerType;
    const char *employmentCode;
    const char *kindOfEmployer;
};
const EmployerKind kKinds[] = {
    {"941", "R", "N"},
    {"944", "F", "N"},
    {"943", "A", "N"},
    {"CT-1", "X", "N"},
    {"Military", "M", "F"},
    {"Household Employer", "H", "N"},
    {"Medicare Govt Employer", "Q", "S"},
};

const EmployerKind *kindOf(const QString &filerType)
{
    for (const EmployerKind &k : kKinds) {
        if (filerType.trimmed().compare(QLatin1String(k.filerType), Qt::CaseInsensitive) == 0)
            return &k;
    }
    return nullptr;
}

using Totals = std::map<QByteArray, Money>;

void setAddress(FixedRecord &r, const Address &a, const char *prefix = "")
{
    const QByteArray p(prefix);
    r.set((p + "LocationAddress").constData(), a.location);
    r.set((p + "DeliveryAddress").constData(), a.delivery);
    r.set((p + "City").constData(), a.city);
    r.set((p + "State").constData(), a.state);
    r.set((p + "ZIP").constData(), a.zip);
    r.set((p + "ZIPExt").constData(), a.zipExt);
}

FixedRecord submitterRecord(const Submitter &s)
{
    FixedRecord ra(efw2::RA());
    ra.set("SubmitterEIN", s.ein);
    ra.set("UserID", s.ssaUserId);
    ra.set("SoftwareCode", QStringLiteral("98")); // in-house program, no vendor code
    const Address a{QString(), s.address, s.city, s.state, digitsOf(s.zip).left(5), digitsOf(s.zip).mid(5, 4), true};
    for (const char *who : {"Company", "Submitter"}) {
        setAddress(ra, a, who);
        ra.set((QByteArray(who) + "Name").constData(), s.name);
    }
    ra.set("ContactName", s.contact);
    ra.set("ContactPhone", s.phone);
    ra.set("ContactEmail", s.email);
    ra.set("PreparerCode", s.preparer);
    return ra;
}

// The employers the choice names that have W-2s, and the condition that picks them.
struct EmployerFilter {
    QString where;
    QVariantList params;
};

EmployerFilter employerFilter(const EmployerChoice &choice)
{
    EmployerFilter f{w2Table::filerHasW2s(), {}};
    if (!choice.fedIdNo.isEmpty()) {
        f.where += QStringLiteral(" AND FedIDNo = ? AND coalesce(EstNo, '') = ? AND coalesce(FilerType, '') = ?");
        // An empty text binds as Null, which equals nothing.
        f.params << choice.fedIdNo << (choice.estNo.isNull() ? QStringLiteral("") : choice.estNo)
                 << (choice.filerType.isNull() ? QStringLiteral("") : choice.filerType);
    }
    return f;
}

RecordSet readEmployers(Database &db, const EmployerFilter &f)
{
    return filerTable::matching(db, f.where, f.params, QStringLiteral("FedIDNo"));
}

// The W-2s of all chosen employers in one read, in employee order within each employer.
RecordSet readW2s(Database &db, const EmployerFilter &f)
{
    return w2Table::ofFilers(db, f.where, f.params);
}

// Row positions of the W-2 set by employer.
QHash<qlonglong, QVector<int>> positionsByEmployer(RecordSet &w2)
{
    QHash<qlonglong, QVector<int>> byTfid;
    for (w2.moveFirst(); !w2.eof(); w2.moveNext())
        byTfid[w2.integer(QStringLiteral("Tfid"))] << w2.position();
    return byTfid;
}

void addEmployerRecord(const RecordSet &filers, const QString &employer, EfileOutcome &out)
{
    const QString ein = filers.text(QStringLiteral("FedIDNo"));
    FixedRecord re(efw2::RE(), out.taxYear);
    re.setCount("TaxYear", out.taxYear);
    if (!validEin(ein))
        out.problems << employer + QStringLiteral(": the employer identification number is missing or malformed");
    re.set("EmployerEIN", ein);
    re.set("EstablishmentNumber", filers.text(QStringLiteral("EstNo")));
    if (validEin(filers.text(QStringLiteral("AddlEIN"))))
        re.set("OtherEIN", filers.text(QStringLiteral("AddlEIN")));
    if (filers.text(QStringLiteral("PayerName")).trimmed().isEmpty())
        out.problems << employer + QStringLiteral(": the name is missing");
    re.set("EmployerName", filers.text(QStringLiteral("PayerName")));
    const Address address =
        parseAddress({filers.text(QStringLiteral("PayerL1")), filers.text(QStringLiteral("PayerL2")),
                      filers.text(QStringLiteral("PayerL3"))});
    if (!address.ok)
        out.problems << employer + QStringLiteral(": the address is missing or does not end in \"city, state ZIP\"");
    setAddress(re, address);
    const EmployerKind *kind = kindOf(filers.text(QStringLiteral("FilerType")));
    if (!kind)
        out.problems << employer + QStringLiteral(": the filer type \"%1\" is not a kind of employer the file knows")
                                       .arg(filers.text(QStringLiteral("FilerType")));
    re.set("KindOfEmployer", QLatin1String(kind ? kind->kindOfEmployer : "N"));
    re.set("EmploymentCode", QLatin1String(kind ? kind->employmentCode : "R"));
    re.set("ContactName", filers.text(QStringLiteral("Contact")));
    re.set("ContactPhone", filers.text(QStringLiteral("Phone")));
    re.set("ContactFax", filers.text(QStringLiteral("Fax")));
    re.set("ContactEmail", filers.text(QStringLiteral("Email")));
    out.add(re, employer);
    ++out.filers;
}

// What an employer's RT and RU records total.
struct EmployerTotals {
    Totals rt, ru;
    int employees = 0;
    int optional = 0;
};

// One W-2 being written: its RW and RO records and who it belongs to.
struct EmployeeRecords {
    const QString &who;
    FixedRecord rw;
    FixedRecord ro;
    bool hasOptional = false;
};

void addBoxAmounts(const RecordSet &w2, EmployeeRecords &e, EmployerTotals &totals, EfileOutcome &out)
{
    for (const BoxField &b : kBoxes) {
        const Money amount = w2.money(QLatin1String(b.column));
        out.money(b.optionalRecord ? e.ro : e.rw, b.field, amount, e.who, QLatin1String(b.box));
        (b.optionalRecord ? totals.ru : totals.rt)[b.field] += amount;
        e.hasOptional = e.hasOptional || (b.optionalRecord && !amount.isZero());
    }
    if (!w2.money(QStringLiteral("Box9")).isZero())
        out.problems << e.who + QStringLiteral(": box 9 (advance EIC payment) is no longer reported; clear it");
}

// Box 12: amounts of the same code add up.
void addBox12(const RecordSet &w2, EmployeeRecords &e, EmployerTotals &totals, EfileOutcome &out)
{
    Totals rw12, ro12;
    for (const char letter : {'a', 'b', 'c', 'd'}) {
        const QString code = w2.text(QStringLiteral("Box12%1_Code").arg(letter)).trimmed().toUpper();
        const Money amount = w2.money(QStringLiteral("Box12%1_Amt").arg(letter));
        if (code.isEmpty() || efw2::box12PaperOnly(code))
            continue;
        const efw2::Box12Field *target = nullptr;
        for (const efw2::Box12Field &f : efw2::box12Fields()) {
            if (code == QLatin1String(f.code))
                target = &f;
        }
        if (!target) {
            const QString place =
                efw2::box12Unconfirmed(code)
                    ? QStringLiteral("no confirmed place in the tax year %1 wage file").arg(out.taxYear)
                    : QStringLiteral("no place in the file");
            out.problems << e.who + QStringLiteral(": box 12 code %1 has %2").arg(code, place);
            continue;
        }
        const FixedRecord &record = target->optionalRecord ? e.ro : e.rw;
        if (!record.has(target->field)) {
            const FixedField *f = record.layout().find(target->field);
            out.problems << e.who + QStringLiteral(": box 12 code %1 is reported from tax year %2 on, not in %3")
                                        .arg(code)
                                        .arg(f ? f->fromYear : 0)
                                        .arg(out.taxYear);
            continue;
        }
        (target->optionalRecord ? ro12 : rw12)[target->field] += amount;
        e.hasOptional = e.hasOptional || (target->optionalRecord && !amount.isZero());
    }
    for (auto *codes : {&rw12, &ro12}) {
        const bool opt = codes == &ro12;
        for (const auto &[field, amount] : *codes) {
            out.money(opt ? e.ro : e.rw, field.constData(), amount, e.who,
                      QStringLiteral("box 12 ") + QString::fromLatin1(field).mid(5));
            (opt ? totals.ru : totals.rt)[field] += amount;
        }
    }
}

// Box 14b (the 2026 W-2's tipped occupation codes) has no confirmed place in the file.
void refuseBox14b(const RecordSet &w2, const QString &who, EfileOutcome &out)
{
    for (int line = 1; line <= 2; ++line) {
        const QString code = w2.text(QStringLiteral("Box14b_L%1").arg(line)).trimmed();
        if (!code.isEmpty())
            out.problems << who +
                                QStringLiteral(": box 14b code %1 has no confirmed place in the tax year %2 wage file")
                                    .arg(code)
                                    .arg(out.taxYear);
    }
}

void setEmployee(FixedRecord &r, const QString &ssn, const PersonName &name, const Address &home)
{
    r.set("SSN", ssn);
    r.set("FirstName", name.first);
    r.set("MiddleName", name.middle);
    r.set("LastName", name.last);
    r.set("Suffix", name.suffix);
    setAddress(r, home);
}

// One state record per state line.
void addStateRecords(const RecordSet &w2, const QString &who, const QString &ssn, const PersonName &name,
                     const Address &home, EfileOutcome &out)
{
    for (int line = 1; line <= 2; ++line) {
        const QString state = w2.text(QStringLiteral("Box15a_L%1").arg(line)).trimmed();
        if (state.isEmpty())
            continue;
        FixedRecord rs(efw2::RS(), out.taxYear);
        const QString number = stateNumber(state);
        if (number.isEmpty())
            out.problems << who + QStringLiteral(": box 15 state \"%1\" is not a state abbreviation").arg(state);
        rs.set("StateCode", number);
        rs.set("StateCode2", number);
        setEmployee(rs, ssn, name, home);
        rs.set("StateEmployerAccount", w2.text(QStringLiteral("Box15b_L%1").arg(line)));
        const QString suffix = QStringLiteral(", line %1").arg(line);
        out.money(rs, "StateWages", w2.money(QStringLiteral("Box16_L%1").arg(line)), who,
                  QStringLiteral("box 16") + suffix);
        out.money(rs, "StateTax", w2.money(QStringLiteral("Box17_L%1").arg(line)), who,
                  QStringLiteral("box 17") + suffix);
        const Money localWages = w2.money(QStringLiteral("Box18_L%1").arg(line));
        const Money localTax = w2.money(QStringLiteral("Box19_L%1").arg(line));
        out.money(rs, "LocalWages", localWages, who, QStringLiteral("box 18") + suffix);
        out.money(rs, "LocalTax", localTax, who, QStringLiteral("box 19") + suffix);
        if (!localWages.isZero() || !localTax.isZero())
            rs.set("TaxTypeCode", QStringLiteral("C"));
        out.add(rs, who);
    }
}

// The RW (and RO) record of the current W-2 and its state records.
void addEmployee(const RecordSet &w2, EmployerTotals &totals, EfileOutcome &out)
{
    const QString ssn = w2.text(QStringLiteral("Boxd"));
    const PersonName name = splitName(w2.text(QStringLiteral("Boxe_FName")), w2.text(QStringLiteral("Boxe_LName")));
    const QString who = QStringLiteral("W-2 of %1 %2 (%3)")
                            .arg(name.first, name.last, ssn.isEmpty() ? QStringLiteral("no SSN") : ssn)
                            .simplified();
    EmployeeRecords e{who, FixedRecord(efw2::RW(), out.taxYear), FixedRecord(efw2::RO(), out.taxYear)};
    if (!validSsn(ssn))
        out.problems << who + QStringLiteral(": the social security number is missing or not valid");
    if (name.first.isEmpty() || name.last.isEmpty())
        out.problems << who + QStringLiteral(": the employee's first or last name is missing");
    const Address home = parseAddress(
        {w2.text(QStringLiteral("Boxf_L1")), w2.text(QStringLiteral("Boxf_L2")), w2.text(QStringLiteral("Boxf_L3"))});
    if (!home.ok)
        out.problems << who + QStringLiteral(": the address is missing or does not end in \"city, state ZIP\"");
    setEmployee(e.rw, ssn, name, home);

    addBoxAmounts(w2, e, totals, out);
    addBox12(w2, e, totals, out);
    refuseBox14b(w2, who, out);
    e.rw.setCount("StatutoryEmployee", w2.flag(QStringLiteral("Box13a")) ? 1 : 0);
    e.rw.setCount("RetirementPlan", w2.flag(QStringLiteral("Box13b")) ? 1 : 0);
    e.rw.setCount("ThirdPartySickPay", w2.flag(QStringLiteral("Box13c")) ? 1 : 0);
    totals.rt["SickPayTax"] += w2.money(QStringLiteral("SickPay"));
    out.add(e.rw, who);
    if (e.hasOptional) {
        out.add(e.ro, who);
        ++totals.optional;
    }
    addStateRecords(w2, who, ssn, name, home, out);
    ++totals.employees;
}

void addEmployerTotals(const EmployerTotals &totals, const QString &employer, EfileOutcome &out)
{
    FixedRecord rt(efw2::RT(), out.taxYear);
    rt.setCount("RWCount", totals.employees);
    for (const auto &[field, amount] : totals.rt)
        out.money(rt, field.constData(), amount, employer,
                  QStringLiteral("the total of ") + QString::fromLatin1(field));
    out.add(rt, employer);
    if (totals.optional > 0) {
        FixedRecord ru(efw2::RU(), out.taxYear);
        ru.setCount("ROCount", totals.optional);
        for (const auto &[field, amount] : totals.ru)
            out.money(ru, field.constData(), amount, employer,
                      QStringLiteral("the total of ") + QString::fromLatin1(field));
        out.add(ru, employer);
    }
}

} // namespace

EfileOutcome buildW2Efile(Database &db, const EmployerChoice &choice)
{
    EfileOutcome out;
    const Submitter submitter = startEfile(db, FileKind::W2, efw2::kFirstYear, efw2::kLastYear, out);
    out.add(submitterRecord(submitter), QStringLiteral("Submitter"));

    const EmployerFilter filter = employerFilter(choice);
    RecordSet filers = readEmployers(db, filter);
    RecordSet w2 = readW2s(db, filter);
    const QHash<qlonglong, QVector<int>> byEmployer = positionsByEmployer(w2);
    if (filers.recordCount() == 0)
        out.problems << QStringLiteral("There are no W-2s to write");
    int allEmployees = 0;
    for (filers.moveFirst(); !filers.eof(); filers.moveNext()) {
        const QString employer =
            QStringLiteral("Employer %1 (%2)")
                .arg(filers.text(QStringLiteral("FedIDNo")), filers.text(QStringLiteral("PayerName")));
        addEmployerRecord(filers, employer, out);
        EmployerTotals totals;
        for (int position : byEmployer.value(filers.integer(QStringLiteral("Tfid")))) {
            w2.moveTo(position);
            addEmployee(w2, totals, out);
        }
        addEmployerTotals(totals, employer, out);
        allEmployees += totals.employees;
    }
    FixedRecord rf(efw2::RF(), out.taxYear);
    rf.setCount("RWCount", allEmployees);
    out.add(rf, QStringLiteral("File"));
    out.forms = allEmployees;
    if (!out.ok())
        out.records.clear();
    return out;
}

} // namespace quillory::efile
