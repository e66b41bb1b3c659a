#include "efile/Efw2Layout.h"

namespace quillory::efile::efw2 {

namespace {
constexpr FieldKind T = FieldKind::Text;
constexpr FieldKind D = FieldKind::Digits;
constexpr FieldKind N = FieldKind::Count;
constexpr FieldKind M = FieldKind::Money;
} // namespace

// Positions, lengths and fill rules of SSA Publication 42-007, "Specifications for Filing Forms
// W-2 Electronically (EFW2)", tax year 2023 to 2025 editions, the same in all three except where a
// field names its first year: the 2024 edition added box 12 code II (Medicaid waiver payments) at
// RO 144-154 (as SSA's 2024 EFW2C appendix lists it) with its total at RU 190-204 (confirmed against
// an independent public EFW2 comparison tool of December 2024, which reads RU fields through 204).
// Every position was checked against independent public copies of the record layouts: EFW2
// writers, a payroll vendor's RA/RE/RW/RO/RT/RU tables, state revenue departments' RS tables.
// Tax year 2026: the TY2026 edition could not be consulted (no public copy of its record layouts
// or "what's new" was found), so a 2026 file uses the TY2025 edition's layout for every field
// that edition has. The 2026 W-2's box 12 codes TA, TP and TT and its box 14b tipped occupation
// codes have no field here; W-2s with them are refused (box12Unconfirmed). Check SSA's TY2026
// "what's new" and test the file with AccuWage before filing.
// Each comment gives the publication's positions of the field and of the blank stretch after it.
// Amounts are cents, right justified and zero filled; text is upper case, left justified and blank
// filled. Records end in CR/LF (written by the file writer).
const RecordLayout &RA()
{
    static const RecordLayout layout{
        "RA",
        512,
        {
            {"SubmitterEIN", 3, 9, D},                // 3-11 submitter EIN, digits only
            {"UserID", 12, 8, T},                     // 12-19 BSO user ID
            {"SoftwareVendorCode", 20, 4, D},         // 20-23 only with software code 99; 24-28 blank
            {"ResubIndicator", 29, 1, N},             // 29 1 = resubmitted file, else 0
            {"ResubWFID", 30, 6, T},                  // 30-35 wage file ID of a resubmission
            {"SoftwareCode", 36, 2, D},               // 36-37 98 in-house program, 99 off-the-shelf
            {"CompanyName", 38, 57, T},               // 38-94
            {"CompanyLocationAddress", 95, 22, T},    // 95-116 suite, attention
            {"CompanyDeliveryAddress", 117, 22, T},   // 117-138 street or PO box
            {"CompanyCity", 139, 22, T},              // 139-160
            {"CompanyState", 161, 2, T},              // 161-162
            {"CompanyZIP", 163, 5, D},                // 163-167
            {"CompanyZIPExt", 168, 4, D},             // 168-171; 172-176 blank
            {"CompanyForeignState", 177, 23, T},      // 177-199
            {"CompanyForeignPostal", 200, 15, T},     // 200-214
            {"CompanyCountry", 215, 2, T},            // 215-216
            {"SubmitterName", 217, 57, T},            // 217-273
            {"SubmitterLocationAddress", 274, 22, T}, // 274-295
            {"SubmitterDeliveryAddress", 296, 22, T}, // 296-317
            {"SubmitterCity", 318, 22, T},            // 318-339
            {"SubmitterState", 340, 2, T},            // 340-341
            {"SubmitterZIP", 342, 5, D},              // 342-346
            {"SubmitterZIPExt", 347, 4, D},           // 347-350; 351-355 blank
            {"SubmitterForeignState", 356, 23, T},    // 356-378
            {"SubmitterForeignPostal", 379, 15, T},   // 379-393
            {"SubmitterCountry", 394, 2, T},          // 394-395
            {"ContactName", 396, 27, T},              // 396-422
            {"ContactPhone", 423, 15, D},             // 423-437
            {"ContactPhoneExt", 438, 5, D},           // 438-442; 443-445 blank
            {"ContactEmail", 446, 40, T},             // 446-485; 486-488 blank
            {"ContactFax", 489, 10, D},               // 489-498; 499 blank
            {"PreparerCode", 500, 1, T},              // 500 A, L (self), S, P, O; 501-512 blank
        }};
    return layout;
}

const RecordLayout &RE()
{
    static const RecordLayout layout{"RE",
                                     512,
                                     {
                                         {"TaxYear", 3, 4, N},              // 3-6
                                         {"AgentIndicator", 7, 1, T},       // 7 1, 2 or 3 for an agent, else blank
                                         {"EmployerEIN", 8, 9, D},          // 8-16
                                         {"AgentForEIN", 17, 9, D},         // 17-25 client EIN of a 2678 agent
                                         {"TerminatingBusiness", 26, 1, N}, // 26 1 = last year under this EIN, else 0
                                         {"EstablishmentNumber", 27, 4, T}, // 27-30
                                         {"OtherEIN", 31, 9, D},            // 31-39 EIN used earlier in the year
                                         {"EmployerName", 40, 57, T},       // 40-96
                                         {"LocationAddress", 97, 22, T},    // 97-118
                                         {"DeliveryAddress", 119, 22, T},   // 119-140
                                         {"City", 141, 22, T},              // 141-162
                                         {"State", 163, 2, T},              // 163-164
                                         {"ZIP", 165, 5, D},                // 165-169
                                         {"ZIPExt", 170, 4, D},             // 170-173
                                         {"KindOfEmployer", 174, 1, T},     // 174 F, S, T, Y or N; 175-178 blank
                                         {"ForeignState", 179, 23, T},      // 179-201
                                         {"ForeignPostal", 202, 15, T},     // 202-216
                                         {"Country", 217, 2, T},            // 217-218
                                         {"EmploymentCode", 219, 1, T},     // 219 A, H, M, Q, X, F or R
                                         {"TaxJurisdiction", 220, 1, T},    // 220 blank for a W-2
                                         {"ThirdPartySickPay", 221, 1, N},  // 221 1 = sick pay record, else 0
                                         {"ContactName", 222, 27, T},       // 222-248
                                         {"ContactPhone", 249, 15, D},      // 249-263
                                         {"ContactPhoneExt", 264, 5, D},    // 264-268
                                         {"ContactFax", 269, 10, D},        // 269-278
                                         {"ContactEmail", 279, 40, T},      // 279-318; 319-512 blank
                                     }};
    return layout;
}

const RecordLayout &RW()
{
    static const RecordLayout layout{"RW",
                                     512,
                                     {
                                         {"SSN", 3, 9, D},                   // 3-11
                                         {"FirstName", 12, 15, T},           // 12-26
                                         {"MiddleName", 27, 15, T},          // 27-41
                                         {"LastName", 42, 20, T},            // 42-61
                                         {"Suffix", 62, 4, T},               // 62-65
                                         {"LocationAddress", 66, 22, T},     // 66-87
                                         {"DeliveryAddress", 88, 22, T},     // 88-109
                                         {"City", 110, 22, T},               // 110-131
                                         {"State", 132, 2, T},               // 132-133
                                         {"ZIP", 134, 5, D},                 // 134-138
                                         {"ZIPExt", 139, 4, D},              // 139-142; 143-147 blank
                                         {"ForeignState", 148, 23, T},       // 148-170
                                         {"ForeignPostal", 171, 15, T},      // 171-185
                                         {"Country", 186, 2, T},             // 186-187
                                         {"Wages", 188, 11, M},              // 188-198 box 1
                                         {"FederalTax", 199, 11, M},         // 199-209 box 2
                                         {"SSWages", 210, 11, M},            // 210-220 box 3
                                         {"SSTax", 221, 11, M},              // 221-231 box 4
                                         {"MedicareWages", 232, 11, M},      // 232-242 box 5
                                         {"MedicareTax", 243, 11, M},        // 243-253 box 6
                                         {"SSTips", 254, 11, M},             // 254-264 box 7; 265-275 blank
                                         {"DependentCare", 276, 11, M},      // 276-286 box 10
                                         {"Code D", 287, 11, M},             // 287-297 401(k)
                                         {"Code E", 298, 11, M},             // 298-308 403(b)
                                         {"Code F", 309, 11, M},             // 309-319 408(k)(6)
                                         {"Code G", 320, 11, M},             // 320-330 457(b)
                                         {"Code H", 331, 11, M},             // 331-341 501(c)(18)(D); 342-352 blank
                                         {"Nonqualified457", 353, 11, M},    // 353-363 box 11, section 457
                                         {"Code W", 364, 11, M},             // 364-374 HSA
                                         {"NonqualifiedNot457", 375, 11, M}, // 375-385 box 11, not section 457
                                         {"Code Q", 386, 11, M},             // 386-396 combat pay; 397-407 blank
                                         {"Code C", 408, 11, M},             // 408-418 group-term life
                                         {"Code V", 419, 11, M},             // 419-429 stock options
                                         {"Code Y", 430, 11, M},             // 430-440 409A deferrals
                                         {"Code AA", 441, 11, M},            // 441-451 Roth 401(k)
                                         {"Code BB", 452, 11, M},            // 452-462 Roth 403(b)
                                         {"Code DD", 463, 11, M},            // 463-473 employer health coverage
                                         {"Code FF", 474, 11, M},            // 474-484 QSEHRA; 485 blank
                                         {"StatutoryEmployee", 486, 1, N},   // 486 box 13, 1 or 0; 487 blank
                                         {"RetirementPlan", 488, 1, N},      // 488 box 13, 1 or 0
                                         {"ThirdPartySickPay", 489, 1, N},   // 489 box 13, 1 or 0; 490-512 blank
                                     }};
    return layout;
}

const RecordLayout &RO()
{
    static const RecordLayout layout{"RO",
                                     512,
                                     {
                                         {"AllocatedTips", 12, 11, M}, // 12-22 box 8 (3-11 blank)
                                         {"Code A+B", 23, 11, M},      // 23-33 uncollected tax on tips
                                         {"Code R", 34, 11, M},        // 34-44 Archer MSA
                                         {"Code S", 45, 11, M},        // 45-55 SIMPLE
                                         {"Code T", 56, 11, M},        // 56-66 adoption
                                         {"Code M", 67, 11, M},        // 67-77 uncollected SS tax, group-term life
                                         {"Code N", 78, 11, M},   // 78-88 uncollected Medicare tax, group-term life
                                         {"Code Z", 89, 11, M},   // 89-99 409A income; 100-110 blank
                                         {"Code EE", 111, 11, M}, // 111-121 Roth 457(b)
                                         {"Code GG", 122, 11, M}, // 122-132 83(i) grants
                                         {"Code HH", 133, 11, M}, // 133-143 83(i) deferrals
                                         {"Code II", 144, 11, M, 2024}, // 144-154 Medicaid waiver; 155-274 blank
                                         // Puerto Rico and Virgin Islands amounts: zero here.
                                         {"PRWages", 275, 11, M},       // 275-285
                                         {"PRCommissions", 286, 11, M}, // 286-296
                                         {"PRAllowances", 297, 11, M},  // 297-307
                                         {"PRTips", 308, 11, M},        // 308-318
                                         {"PRTotal", 319, 11, M},       // 319-329
                                         {"PRTax", 330, 11, M},         // 330-340
                                         {"PRRetirement", 341, 11, M},  // 341-351; 352-362 blank
                                         {"VIWages", 363, 11, M},       // 363-373
                                         {"VITax", 374, 11, M},         // 374-384; 385-512 blank
                                     }};
    return layout;
}

const RecordLayout &RS()
{
    static const RecordLayout layout{
        "RS",
        512,
        {
            {"StateCode", 3, 2, D},               // 3-4 numeric state code
            {"TaxingEntity", 5, 5, T},            // 5-9 set by the state
            {"SSN", 10, 9, D},                    // 10-18
            {"FirstName", 19, 15, T},             // 19-33
            {"MiddleName", 34, 15, T},            // 34-48
            {"LastName", 49, 20, T},              // 49-68
            {"Suffix", 69, 4, T},                 // 69-72
            {"LocationAddress", 73, 22, T},       // 73-94
            {"DeliveryAddress", 95, 22, T},       // 95-116
            {"City", 117, 22, T},                 // 117-138
            {"State", 139, 2, T},                 // 139-140
            {"ZIP", 141, 5, D},                   // 141-145
            {"ZIPExt", 146, 4, D},                // 146-149; 150-247 foreign address, quarterly fields
            {"StateEmployerAccount", 248, 20, T}, // 248-267 box 15; 268-273 blank
            {"StateCode2", 274, 2, D},            // 274-275 numeric state code
            {"StateWages", 276, 11, M},           // 276-286 box 16
            {"StateTax", 287, 11, M},             // 287-297 box 17; 298-307 other state data
            {"TaxTypeCode", 308, 1, T},           // 308 C city, D county, E school, F other
            {"LocalWages", 309, 11, M},           // 309-319 box 18
            {"LocalTax", 320, 11, M},             // 320-330 box 19; 331-512 state control number, supplemental data
        }};
    return layout;
}

const RecordLayout &RT()
{
    static const RecordLayout layout{"RT",
                                     512,
                                     {
                                         {"RWCount", 3, 7, N},               // 3-9
                                         {"Wages", 10, 15, M},               // 10-24
                                         {"FederalTax", 25, 15, M},          // 25-39
                                         {"SSWages", 40, 15, M},             // 40-54
                                         {"SSTax", 55, 15, M},               // 55-69
                                         {"MedicareWages", 70, 15, M},       // 70-84
                                         {"MedicareTax", 85, 15, M},         // 85-99
                                         {"SSTips", 100, 15, M},             // 100-114; 115-129 blank
                                         {"DependentCare", 130, 15, M},      // 130-144
                                         {"Code D", 145, 15, M},             // 145-159
                                         {"Code E", 160, 15, M},             // 160-174
                                         {"Code F", 175, 15, M},             // 175-189
                                         {"Code G", 190, 15, M},             // 190-204
                                         {"Code H", 205, 15, M},             // 205-219; 220-234 blank
                                         {"Nonqualified457", 235, 15, M},    // 235-249
                                         {"Code W", 250, 15, M},             // 250-264
                                         {"NonqualifiedNot457", 265, 15, M}, // 265-279
                                         {"Code Q", 280, 15, M},             // 280-294
                                         {"Code DD", 295, 15, M},            // 295-309 employer health coverage
                                         {"Code C", 310, 15, M},             // 310-324 group-term life
                                         {"SickPayTax", 325, 15, M},         // 325-339 tax withheld by a sick pay payer
                                         {"Code V", 340, 15, M},             // 340-354
                                         {"Code Y", 355, 15, M},             // 355-369
                                         {"Code AA", 370, 15, M},            // 370-384
                                         {"Code BB", 385, 15, M},            // 385-399
                                         {"Code FF", 400, 15, M},            // 400-414; 415-512 blank
                                     }};
    return layout;
}

const RecordLayout &RU()
{
    static const RecordLayout layout{"RU",
                                     512,
                                     {
                                         {"ROCount", 3, 7, N},          // 3-9
                                         {"AllocatedTips", 10, 15, M},  // 10-24
                                         {"Code A+B", 25, 15, M},       // 25-39
                                         {"Code R", 40, 15, M},         // 40-54
                                         {"Code S", 55, 15, M},         // 55-69
                                         {"Code T", 70, 15, M},         // 70-84
                                         {"Code M", 85, 15, M},         // 85-99
                                         {"Code N", 100, 15, M},        // 100-114
                                         {"Code Z", 115, 15, M},        // 115-129; 130-144 blank
                                         {"Code EE", 145, 15, M},       // 145-159
                                         {"Code GG", 160, 15, M},       // 160-174
                                         {"Code HH", 175, 15, M},       // 175-189
                                         {"Code II", 190, 15, M, 2024}, // 190-204; 205-354 blank
                                         // Puerto Rico and Virgin Islands totals: zero here.
                                         {"PRWages", 355, 15, M},       // 355-369
                                         {"PRCommissions", 370, 15, M}, // 370-384
                                         {"PRAllowances", 385, 15, M},  // 385-399
                                         {"PRTips", 400, 15, M},        // 400-414
                                         {"PRTotal", 415, 15, M},       // 415-429
                                         {"PRTax", 430, 15, M},         // 430-444
                                         {"PRRetirement", 445, 15, M},  // 445-459
                                         {"VIWages", 460, 15, M},       // 460-474
                                         {"VITax", 475, 15, M},         // 475-489; 490-512 blank
                                     }};
    return layout;
}

const RecordLayout &RF()
{
    // 3-7 blank, 8-16 count of all RW records, 17-512 blank.
    static const RecordLayout layout{"RF", 512, {{"RWCount", 8, 9, N}}};
    return layout;
}

const std::vector<Box12Field> &box12Fields()
{
    static const std::vector<Box12Field> fields{
        {"A", true, "Code A+B"},  {"B", true, "Code A+B"}, {"C", false, "Code C"},   {"D", false, "Code D"},
        {"E", false, "Code E"},   {"F", false, "Code F"},  {"G", false, "Code G"},   {"H", false, "Code H"},
        {"M", true, "Code M"},    {"N", true, "Code N"},   {"Q", false, "Code Q"},   {"R", true, "Code R"},
        {"S", true, "Code S"},    {"T", true, "Code T"},   {"V", false, "Code V"},   {"W", false, "Code W"},
        {"Y", false, "Code Y"},   {"Z", true, "Code Z"},   {"AA", false, "Code AA"}, {"BB", false, "Code BB"},
        {"DD", false, "Code DD"}, {"EE", true, "Code EE"}, {"FF", false, "Code FF"}, {"GG", true, "Code GG"},
        {"HH", true, "Code HH"},  {"II", true, "Code II"},
    };
    return fields;
}

bool box12PaperOnly(const QString &code)
{
    // J (nontaxable sick pay), K (golden parachute excise tax), L (business expense
    // reimbursements) and P (moving expense reimbursements) have no field in the file.
    static const QStringList codes{QStringLiteral("J"), QStringLiteral("K"), QStringLiteral("L"), QStringLiteral("P")};
    return codes.contains(code);
}

bool box12Unconfirmed(const QString &code)
{
    // New box 12 codes of the 2026 Form W-2 (General Instructions for Forms W-2 and W-3, 2026,
    // What's New).
    static const QStringList codes{QStringLiteral("TA"), QStringLiteral("TP"), QStringLiteral("TT")};
    return codes.contains(code);
}

} // namespace quillory::efile::efw2
