#include "printing/TwoUpRun.h"

#include "printing/Printer.h"

namespace quillory {

TwoUpRun::TwoUpRun(Database &db, Printer &printer, QString paperKind, QString layoutForm, ColumnRule rule)
    : db_(db), printer_(printer), paperKind_(std::move(paperKind)), layoutForm_(std::move(layoutForm)),
      rule_(std::move(rule))
{
}

void TwoUpRun::start()
{
    origin_ = GetFormOrigin(db_, paperKind_, MissingMargins::Fail);
    layout_ = OpenFieldLayout(db_, layoutForm_, 0);
    formTop_ = origin_.top;
    upper_ = true;
    SetFormFont(printer_);
}

void TwoUpRun::printForm(const RecordSet &row)
{
    PrintRowOnForm(printer_, row, layout_, formTop_, origin_.left, rule_);
}

void TwoUpRun::nextSlot()
{
    if (upper_) {
        upper_ = false;
        formTop_ = origin_.top + kLowerFormOffset;
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

} // namespace quillory
