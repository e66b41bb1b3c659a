#include "printing/TwoUpRun.h"

#include "data/DbError.h"
#include "data/RecordSet.h"
#include "printing/FormEdition.h"
#include "printing/Printer.h"

#include <algorithm>

namespace quillory {

RecordSet FindListedRow(Database &db, const TwoUpForm &form, qlonglong key)
{
    RecordSet row = RecordSet::table(db, form.table, form.keyColumn + QStringLiteral(" = ?"), {key});
    if (row.eof())
        throw DbError(QStringLiteral("The %1 record %2 no longer exists.").arg(form.recordName).arg(key));
    return row;
}

void PrintDerivedValues(Printer &printer, const FieldLayout &layout, const QVector<DerivedValue> &values, Twips top,
                        Twips left)
{
    for (const DerivedValue &value : values)
        if (const LayoutField *field = layout.find(value.field))
            PlaceFieldText(printer, *field, value.text, top, left, false);
}

TwoUpLayout OpenTwoUpLayout(Database &db, const TwoUpForm &form)
{
    if (form.edition.isEmpty())
        return {OpenFieldLayout(db, form.layoutForm, 0), kLowerFormOffset};
    const FormEdition edition = ChooseEdition(db, form.edition);
    return {OpenFieldLayout(db, edition.layoutForm, 0), edition.lowerFormOffset};
}

TwoUpRun::TwoUpRun(Database &db, Printer &printer, QString paperKind, TwoUpForm form, int forms)
    : db_(db), printer_(printer), paperKind_(std::move(paperKind)), form_(std::move(form)), sheets_((forms + 1) / 2)
{
}

void TwoUpRun::start()
{
    layout_ = OpenTwoUpLayout(db_, form_);
    origin_ = GetFormOrigin(db_, paperKind_, MissingMargins::Fail);
    formTop_ = origin_.top;
    upper_ = true;
    sheet_ = 0;
    SetFormFont(printer_);
}

void TwoUpRun::printForm(const RecordSet &row)
{
    if (upper_) {
        ++sheet_;
        printer_.startJob({QStringLiteral("%1 %2 sheet %3 of %4")
                               .arg(form_.recordName, row.text(form_.filerColumn))
                               .arg(sheet_)
                               .arg(std::max(sheet_, sheets_)),
                           FormPaper(paperKind_)});
    }
    PrintRowOnForm(printer_, row, layout_.layout, formTop_, origin_.left, form_.rule);
    if (form_.derived)
        PrintDerivedValues(printer_, layout_.layout, form_.derived(db_, row), formTop_, origin_.left);
}

void TwoUpRun::nextSlot()
{
    if (upper_) {
        upper_ = false;
        formTop_ = origin_.top + layout_.lowerFormOffset;
    } else {
        upper_ = true;
        formTop_ = origin_.top;
        EndPrintJob(printer_);
    }
}

void TwoUpRun::finish()
{
    EndPrintJob(printer_);
}

std::vector<std::function<void()>> TwoUpSteps(TwoUpRun &run, Database &db, const TwoUpForm &form,
                                              const QVector<qlonglong> &keys)
{
    std::vector<std::function<void()>> steps{[&run] { run.start(); }};
    for (qlonglong key : keys) {
        steps.push_back([&run, &db, &form, key] { run.printForm(FindListedRow(db, form, key)); });
        steps.push_back([&run] { run.nextSlot(); });
    }
    steps.push_back([&run] { run.finish(); });
    return steps;
}

} // namespace quillory
