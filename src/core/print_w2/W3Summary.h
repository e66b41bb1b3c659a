#pragma once

#include "data/RecordSet.h"

#include <QString>

namespace quillory {

class Database;

// Rebuilds the table W3 from W2: one row per employer group (employer identification number,
// kind of employer, establishment number) with the group's count and totals, the employer's
// name and address from its first W-2 and its contact details from the filer. The whole
// rebuild is one transaction: a failure leaves W3 as it was. Box 12 totals the W-2 box 12
// codes that the tax year's W-3 edition names; a year without one is refused. Returns the
// number of rows.
int buildW3Summaries(Database &db);

// The W3 kind-of-payer column that a filer type marks, or nothing. Besides the short codes the
// filer screen's own texts count ("Household Employer", "Medicare Govt Employer").
const char *kindOfPayerColumn(const QString &filerType);

// Every W-3 summary in stored order, and the one of an employer number (at end when none).
RecordSet w3Summaries(Database &db);
RecordSet w3SummaryOf(Database &db, const QString &employerNumber);

} // namespace quillory
