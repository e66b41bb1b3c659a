-- The tax years Quillory knows: each year's W-2 values (as in Settings, money in ten-thousandths)
-- and what its W-2 looks like, and the box 12 codes valid that year. "Tax Year..." copies a row
-- into Settings; the W-2 screen and checks follow the Settings year. A database file made before
-- these tables existed gets them, with these rows, when the program opens it.
CREATE TABLE TaxYears (
  Year        TEXT(4)  COLLATE NOCASE PRIMARY KEY,
  SSwages     CURRENCY NOT NULL DEFAULT 0,
  SSTaxMax    CURRENCY NOT NULL DEFAULT 0,
  SSTaxPct    DOUBLE NOT NULL DEFAULT 0,
  MDtaxPct    DOUBLE NOT NULL DEFAULT 0,
  EICMax      CURRENCY NOT NULL DEFAULT 0,
  W2box12     CURRENCY NOT NULL DEFAULT 0,
  Box9Caption TEXT(30) COLLATE NOCASE,  -- box 9's caption on the year's W-2; empty where it is blank
  Box14b      YESNO NOT NULL DEFAULT 0, -- box 14 split into 14a Other and 14b tipped occupation codes
  SsnInBoxA   YESNO NOT NULL DEFAULT 0  -- box a the employee's SSN and box d the control number
);

-- The box 12 codes of a year; Deferral marks the codes whose amount is held against the year's
-- elective deferral limit (W2box12). A year without rows here keeps the rule of the first
-- version: codes 'A' to 'T' or 'V', deferrals D to H and S.
CREATE TABLE TaxYearBox12Codes (
  Year     TEXT(4)   COLLATE NOCASE NOT NULL,
  Code     TEXT(2)   COLLATE NOCASE NOT NULL,
  Deferral YESNO NOT NULL DEFAULT 0,
  Caption  TEXT(120) COLLATE NOCASE,
  PRIMARY KEY (Year, Code)
);

-- 2001, the values every earlier version shipped.
--   Wage base 80,400.00, rates 6.2 % and 1.45 %: SSA fact sheet "2001 Social Security Changes".
--   Largest social security tax 4,984.80 = 80,400.00 x 6.2 %.
--   Advance EIC maximum 1,457.00: Pub. 15 (Circular E) for 2001, advance EIC payment tables.
--   Elective deferral limit 10,500.00: section 402(g)(1), IRS cost-of-living announcement for 2001.
INSERT INTO TaxYears (Year, SSwages, SSTaxMax, SSTaxPct, MDtaxPct, EICMax, W2box12, Box9Caption, Box14b, SsnInBoxA)
VALUES ('2001', 804000000, 49848000, 6.2, 1.45, 14570000, 105000000, 'Advance EIC payment', 0, 0);

-- 2025.
--   Wage base 176,100.00: SSA "Contribution and Benefit Base" (ssa.gov/oact/cola/cbb.html) and
--   the SSA fact sheet "2025 Social Security Changes"; rates 6.2 % and 1.45 % as in 2026.
--   Largest social security tax 10,918.20 = 176,100.00 x 6.2 %.
--   Advance EIC: none since 2010 (P.L. 111-226); box 9 of the W-2 is blank.
--   Elective deferral limit 23,500.00: IRS Notice 2024-80, section 402(g)(1).
INSERT INTO TaxYears (Year, SSwages, SSTaxMax, SSTaxPct, MDtaxPct, EICMax, W2box12, Box9Caption, Box14b, SsnInBoxA)
VALUES ('2025', 1761000000, 109182000, 6.2, 1.45, 0, 235000000, '', 0, -1);

-- 2026: General Instructions for Forms W-2 and W-3 (2026), Jan 29, 2026.
--   Wage base 184,500.00 ("2026 maximum social security wage base", box 3); largest social
--   security tax 11,439.00 ("$184,500 x 6.2%", box 4); Medicare 1.45 % (box 6). The wage base is
--   also SSA's "Contribution and Benefit Base" for 2026.
--   Elective deferral limit 24,500.00 ("the 2026 limit for elective deferrals and designated Roth
--   contributions", box 12 code D); IRS Notice 2025-67.
--   Box 9 blank ("Do not enter an amount in box 9"); box 14 split into 14a Other and 14b
--   Treasury Tipped Occupation Code(s) (What's New).
--   Box a "Employee's social security number", box d "Control number" (Form W-2 2026, Copy A;
--   the same on the 2025 form), the other way round from the early-2000s form of 2001.
INSERT INTO TaxYears (Year, SSwages, SSTaxMax, SSTaxPct, MDtaxPct, EICMax, W2box12, Box9Caption, Box14b, SsnInBoxA)
VALUES ('2026', 1845000000, 114390000, 6.2, 1.45, 0, 245000000, '', -1, -1);

-- 2026 box 12 codes: "Form W-2 Reference Guide for Box 12 Codes" of the 2026 General
-- Instructions. Deferrals: the codes of elective deferrals and designated Roth contributions that
-- the instructions hold against "the 2026 limit for elective deferrals and designated Roth
-- contributions" (D to H, S, AA, BB, EE; not Y, which section 409A governs).
INSERT INTO TaxYearBox12Codes (Year, Code, Deferral, Caption) VALUES
  ('2026', 'A', 0, 'Uncollected social security or RRTA tax on tips'),
  ('2026', 'B', 0, 'Uncollected Medicare tax on tips'),
  ('2026', 'C', 0, 'Taxable cost of group-term life insurance over $50,000'),
  ('2026', 'D', -1, 'Elective deferrals under a section 401(k) plan'),
  ('2026', 'E', -1, 'Elective deferrals under a section 403(b) salary reduction agreement'),
  ('2026', 'F', -1, 'Elective deferrals under a section 408(k)(6) salary reduction SEP'),
  ('2026', 'G', -1, 'Elective deferrals and employer contributions to a section 457(b) plan'),
  ('2026', 'H', -1, 'Elective deferrals to a section 501(c)(18)(D) tax-exempt organization plan'),
  ('2026', 'J', 0, 'Nontaxable sick pay'),
  ('2026', 'K', 0, '20% excise tax on excess golden parachute payments'),
  ('2026', 'L', 0, 'Substantiated employee business expense reimbursements'),
  ('2026', 'M', 0, 'Uncollected social security or RRTA tax on group-term life insurance over $50,000'),
  ('2026', 'N', 0, 'Uncollected Medicare tax on group-term life insurance over $50,000'),
  ('2026', 'P', 0, 'Excludable moving expense reimbursements (Armed Forces or intelligence community)'),
  ('2026', 'Q', 0, 'Nontaxable combat pay'),
  ('2026', 'R', 0, 'Employer contributions to an Archer MSA'),
  ('2026', 'S', -1, 'Employee salary reduction contributions under a section 408(p) SIMPLE plan'),
  ('2026', 'T', 0, 'Adoption benefits'),
  ('2026', 'V', 0, 'Income from exercise of nonstatutory stock option(s)'),
  ('2026', 'W', 0, 'Employer contributions to an employee''s health savings account (HSA)'),
  ('2026', 'Y', 0, 'Deferrals under a section 409A nonqualified deferred compensation plan'),
  ('2026', 'Z', 0, 'Income under a nonqualified deferred compensation plan that fails section 409A'),
  ('2026', 'AA', -1, 'Designated Roth contributions under a section 401(k) plan'),
  ('2026', 'BB', -1, 'Designated Roth contributions under a section 403(b) plan'),
  ('2026', 'DD', 0, 'Cost of employer-sponsored health coverage'),
  ('2026', 'EE', -1, 'Designated Roth contributions under a governmental section 457(b) plan'),
  ('2026', 'FF', 0, 'Permitted benefits under a qualified small employer health reimbursement arrangement'),
  ('2026', 'GG', 0, 'Income from qualified equity grants under section 83(i)'),
  ('2026', 'HH', 0, 'Aggregate deferrals under section 83(i) elections'),
  ('2026', 'II', 0, 'Medicaid waiver payments excluded from gross income under Notice 2014-7'),
  ('2026', 'TA', 0, 'Employer contributions to a Trump account under a section 128 program'),
  ('2026', 'TP', 0, 'Total amount of cash tips reported to the employer'),
  ('2026', 'TT', 0, 'Total amount of qualified overtime compensation');

-- 2025 box 12 codes: those of 2026 without TA, TP and TT, which the 2026 General Instructions
-- name as new for 2026 (What's New); the 2025 list runs from A to II.
INSERT INTO TaxYearBox12Codes (Year, Code, Deferral, Caption)
SELECT '2025', Code, Deferral, Caption FROM TaxYearBox12Codes
WHERE Year = '2026' AND Code NOT IN ('TA', 'TP', 'TT');
