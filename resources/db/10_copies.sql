-- Employee copies drawn on plain paper: what a drawn form looks like, per form and tax year.
-- Runs on a new database and on an older file; running it again leaves the same rows.
--
-- Employers may give employees Copies B, C and 2 of the W-2 on plain paper, drawn by a program,
-- as substitute forms that follow Publication 1141 (Rev. 07-2025, General Rules and
-- Specifications for Substitute Forms W-2 and W-3; the 2026 General Instructions for Forms W-2
-- and W-3, "Substitute forms", send employers to it). Copy A and the W-3 are never drawn: filed
-- on paper they need the red-ink form or a yearly SSA approval, so there are no rows for them.
-- A tax year without a drawing is refused rather than drawn on a guessed form.
CREATE TABLE IF NOT EXISTS CopyDrawings (
  Drawing     TEXT(20) COLLATE NOCASE NOT NULL PRIMARY KEY,
  Form        TEXT(10) COLLATE NOCASE NOT NULL,  -- "W2"; 1099 forms by their own names
  FirstYear   INTEGER NOT NULL,                  -- the tax years it is drawn for
  LastYear    INTEGER NOT NULL,
  CopyWidth   INTEGER NOT NULL,                  -- one copy's share of the sheet, twips
  CopyHeight  INTEGER NOT NULL,
  PerRow      INTEGER NOT NULL                   -- copies side by side on the sheet
);

-- What one copy draws, in twips from the copy's top-left corner. Kind: text, amount (dollars and
-- cents, right-aligned), mark (a check box), joined (the columns on one line), ssn and ein
-- (formatted by the form's run), empty (a box without a value), label (fixed text), legend (the
-- copy's own text of the slot named in Columns, from CopyLegends). Boxes draw their border and
-- "BoxNo Caption" at the top; the values of Columns follow, one line each.
CREATE TABLE IF NOT EXISTS CopyItems (
  Drawing   TEXT(20) COLLATE NOCASE NOT NULL,
  Seq       INTEGER NOT NULL,
  Kind      TEXT(10) COLLATE NOCASE NOT NULL,
  BoxNo     TEXT(4) COLLATE NOCASE,
  Caption   TEXT(80) COLLATE NOCASE,
  X         INTEGER NOT NULL,
  Y         INTEGER NOT NULL,
  W         INTEGER NOT NULL,
  H         INTEGER NOT NULL,
  Columns   TEXT(120) COLLATE NOCASE,
  FontSize  REAL NOT NULL DEFAULT 0,             -- labels and legends, points
  Bold      YESNO NOT NULL DEFAULT 0,
  PRIMARY KEY (Drawing, Seq)
);

-- Each copy's texts, copies counted from 1 across then down the sheet.
CREATE TABLE IF NOT EXISTS CopyLegends (
  Drawing TEXT(20) COLLATE NOCASE NOT NULL,
  CopyNo  INTEGER NOT NULL,
  Slot    TEXT(10) COLLATE NOCASE NOT NULL,
  Text    TEXT(255) COLLATE NOCASE,
  PRIMARY KEY (Drawing, CopyNo, Slot)
);

-- The pages that follow the copies: the notice and instructions for the employee, paragraph by
-- paragraph.
CREATE TABLE IF NOT EXISTS CopyTexts (
  Drawing TEXT(20) COLLATE NOCASE NOT NULL,
  Seq     INTEGER NOT NULL,
  Heading YESNO NOT NULL DEFAULT 0,
  Text    TEXT COLLATE NOCASE,
  PRIMARY KEY (Drawing, Seq)
);

DELETE FROM CopyDrawings WHERE Drawing = 'W2-2026';
DELETE FROM CopyItems WHERE Drawing = 'W2-2026';
DELETE FROM CopyLegends WHERE Drawing = 'W2-2026';
DELETE FROM CopyTexts WHERE Drawing = 'W2-2026';

-- The 2026 W-2 four to a Letter sheet (Copies B, C, 2, 2), each copy a quarter of the sheet,
-- 4 1/4 x 5 1/2 in. Only 2026: the instructions below name the year's limits.
INSERT INTO CopyDrawings (Drawing, Form, FirstYear, LastYear, CopyWidth, CopyHeight, PerRow) VALUES
  ('W2-2026', 'W2', 2026, 2026, 6120, 7920, 2);

-- The boxes of the 2026 W-2 (IRS fw2.pdf, "Created 1/7/26", Copy B page), in the form's order
-- and with its box numbers and captions. Comments give the box on the official form in inches
-- from the page's top-left corner (left, top - right, bottom); the copy draws it at half its
-- width and full height, 1/4 in in from the copy's corner: x = 1/4 + (left - 1/2) / 2,
-- y = 1/4 + (top - 1/2). Half width gives the captions two short lines above the value. Box 13's
-- three check boxes stand one above the other (the form has them side by side), so box 13 takes
-- 1/6 in from box 14a; Suff. takes 1/20 in from Last name, room for its caption. The fixed texts sit where the form has them; the OMB number (2026 form:
-- OMB No. 1545-0029) moves left of box a, where it fits on one line.
INSERT INTO CopyItems (Drawing, Seq, Kind, BoxNo, Caption, X, Y, W, H, Columns, FontSize, Bold) VALUES
  -- a Employee’s social security number (2.128, 0.500 - 3.872, 0.833)
  ('W2-2026',  1, 'ssn', 'a', 'Employee’s social security number', 1532, 360, 1256, 480, 'Boxd', 0, 0),
  -- OMB No. 1545-0029 (0.560, 0.620 - 2.100, 0.833)
  ('W2-2026',  2, 'label', '', 'OMB No. 1545-0029', 403, 533, 1109, 307, '', 5.5, 0),
  -- copy notice (3.900, 0.520 - 8.000, 0.833)
  ('W2-2026',  3, 'legend', '', '', 2808, 389, 2952, 451, 'notice', 5, 0),
  -- b Employer identification number (EIN) (0.500, 0.833 - 4.600, 1.167)
  ('W2-2026',  4, 'ein', 'b', 'Employer identification number (EIN)', 360, 840, 2952, 480, 'Boxb', 0, 0),
  -- c Employer’s name, address, and ZIP code (0.500, 1.167 - 4.600, 2.167)
  ('W2-2026',  5, 'text', 'c', 'Employer’s name, address, and ZIP code', 360, 1320, 2952, 1440, 'Boxc_L1 Boxc_L2 Boxc_L3 Boxc_L4', 0, 0),
  -- d Control number (0.500, 2.167 - 4.600, 2.500)
  ('W2-2026',  6, 'text', 'd', 'Control number', 360, 2760, 2952, 480, 'Boxa', 0, 0),
  -- e Employee’s first name and initial (0.500, 2.500 - 2.400, 2.833)
  ('W2-2026',  7, 'text', 'e', 'Employee’s first name and initial', 360, 3240, 1368, 480, 'Boxe_FName', 0, 0),
  -- Last name (2.400, 2.500 - 4.250, 2.833)
  ('W2-2026',  8, 'text', '', 'Last name', 1728, 3240, 1332, 480, 'Boxe_LName', 0, 0),
  -- Suff. (4.250, 2.500 - 4.600, 2.833)
  ('W2-2026',  9, 'empty', '', 'Suff.', 3060, 3240, 252, 480, '', 0, 0),
  -- f Employee’s address and ZIP code (0.500, 2.833 - 4.600, 4.000)
  ('W2-2026', 10, 'text', 'f', 'Employee’s address and ZIP code', 360, 3720, 2952, 1680, 'Boxf_L1 Boxf_L2 Boxf_L3', 0, 0),
  -- 1 Wages, tips, other compensation (4.600, 0.833 - 6.300, 1.167)
  ('W2-2026', 11, 'amount', '1', 'Wages, tips, other compensation', 3312, 840, 1224, 480, 'Box1', 0, 0),
  -- 2 Federal income tax withheld (6.300, 0.833 - 8.000, 1.167)
  ('W2-2026', 12, 'amount', '2', 'Federal income tax withheld', 4536, 840, 1224, 480, 'Box2', 0, 0),
  -- 3 Social security wages (4.600, 1.167 - 6.300, 1.500)
  ('W2-2026', 13, 'amount', '3', 'Social security wages', 3312, 1320, 1224, 480, 'Box3', 0, 0),
  -- 4 Social security tax withheld (6.300, 1.167 - 8.000, 1.500)
  ('W2-2026', 14, 'amount', '4', 'Social security tax withheld', 4536, 1320, 1224, 480, 'Box4', 0, 0),
  -- 5 Medicare wages and tips (4.600, 1.500 - 6.300, 1.833)
  ('W2-2026', 15, 'amount', '5', 'Medicare wages and tips', 3312, 1800, 1224, 480, 'Box5', 0, 0),
  -- 6 Medicare tax withheld (6.300, 1.500 - 8.000, 1.833)
  ('W2-2026', 16, 'amount', '6', 'Medicare tax withheld', 4536, 1800, 1224, 480, 'Box6', 0, 0),
  -- 7 Social security tips (4.600, 1.833 - 6.300, 2.167)
  ('W2-2026', 17, 'amount', '7', 'Social security tips', 3312, 2280, 1224, 480, 'Box7', 0, 0),
  -- 8 Allocated tips (6.300, 1.833 - 8.000, 2.167)
  ('W2-2026', 18, 'amount', '8', 'Allocated tips', 4536, 2280, 1224, 480, 'Box8', 0, 0),
  -- 9 (4.600, 2.167 - 6.300, 2.333)
  ('W2-2026', 19, 'empty', '9', '', 3312, 2760, 1224, 240, '', 0, 0),
  -- 10 Dependent care benefits (6.300, 2.167 - 8.000, 2.500)
  ('W2-2026', 20, 'amount', '10', 'Dependent care benefits', 4536, 2760, 1224, 480, 'Box10', 0, 0),
  -- 11 Nonqualified plans (4.600, 2.333 - 6.300, 2.667)
  ('W2-2026', 21, 'amount', '11', 'Nonqualified plans', 3312, 3000, 1224, 480, 'Box11', 0, 0),
  -- 12a Code (6.300, 2.500 - 6.800, 2.833)
  ('W2-2026', 22, 'text', '12a', 'Code', 4536, 3240, 360, 480, 'Box12a_Code', 0, 0),
  -- See instructions for box 12 (6.800, 2.500 - 8.000, 2.833)
  ('W2-2026', 23, 'amount', '', 'See instructions for box 12', 4896, 3240, 864, 480, 'Box12a_Amt', 0, 0),
  -- 12b Code (6.300, 2.833 - 6.800, 3.167)
  ('W2-2026', 24, 'text', '12b', 'Code', 4536, 3720, 360, 480, 'Box12b_Code', 0, 0),
  -- (no caption) (6.800, 2.833 - 8.000, 3.167)
  ('W2-2026', 25, 'amount', '', '', 4896, 3720, 864, 480, 'Box12b_Amt', 0, 0),
  -- 12c Code (6.300, 3.167 - 6.800, 3.500)
  ('W2-2026', 26, 'text', '12c', 'Code', 4536, 4200, 360, 480, 'Box12c_Code', 0, 0),
  -- (no caption) (6.800, 3.167 - 8.000, 3.500)
  ('W2-2026', 27, 'amount', '', '', 4896, 4200, 864, 480, 'Box12c_Amt', 0, 0),
  -- 12d Code (6.300, 3.500 - 6.800, 3.833)
  ('W2-2026', 28, 'text', '12d', 'Code', 4536, 4680, 360, 480, 'Box12d_Code', 0, 0),
  -- (no caption) (6.800, 3.500 - 8.000, 3.833)
  ('W2-2026', 29, 'amount', '', '', 4896, 4680, 864, 480, 'Box12d_Amt', 0, 0),
  -- 12 (below 12d, shaded) (6.300, 3.833 - 8.000, 4.000)
  ('W2-2026', 30, 'empty', '', '', 4536, 5160, 1224, 240, '', 0, 0),
  -- 13 (4.600, 2.667 - 6.300, 3.167)
  ('W2-2026', 31, 'empty', '13', '', 3312, 3480, 1224, 720, '', 0, 0),
  -- Statutory employee (4.650, 2.800 - 6.300, 2.920)
  ('W2-2026', 32, 'mark', '', 'Statutory employee', 3348, 3672, 1188, 173, 'Box13a', 0, 0),
  -- Retirement plan (4.650, 2.920 - 6.300, 3.040)
  ('W2-2026', 33, 'mark', '', 'Retirement plan', 3348, 3845, 1188, 173, 'Box13b', 0, 0),
  -- Third-party sick pay (4.650, 3.040 - 6.300, 3.160)
  ('W2-2026', 34, 'mark', '', 'Third-party sick pay', 3348, 4018, 1188, 173, 'Box13c', 0, 0),
  -- 14a Other (4.600, 3.167 - 6.300, 3.667)
  ('W2-2026', 35, 'text', '14a', 'Other', 3312, 4200, 1224, 720, 'Box14_L1 Box14_L2 Box14_L3', 0, 0),
  -- 14b Treasury Tipped Occupation Code(s) (4.600, 3.667 - 6.300, 4.000)
  ('W2-2026', 36, 'joined', '14b', 'Treasury Tipped Occupation Code(s)', 3312, 4920, 1224, 480, 'Box14b_L1 Box14b_L2', 0, 0),
  -- 15 State (0.500, 4.000 - 0.900, 4.667)
  ('W2-2026', 37, 'text', '15', 'State', 360, 5400, 288, 960, 'Box15a_L1 Box15a_L2', 0, 0),
  -- Employer’s state ID number (0.900, 4.000 - 2.700, 4.667)
  ('W2-2026', 38, 'text', '', 'Employer’s state ID number', 648, 5400, 1296, 960, 'Box15b_L1 Box15b_L2', 0, 0),
  -- 16 State wages, tips, etc. (2.700, 4.000 - 3.900, 4.667)
  ('W2-2026', 39, 'amount', '16', 'State wages, tips, etc.', 1944, 5400, 864, 960, 'Box16_L1 Box16_L2', 0, 0),
  -- 17 State income tax (3.900, 4.000 - 5.000, 4.667)
  ('W2-2026', 40, 'amount', '17', 'State income tax', 2808, 5400, 792, 960, 'Box17_L1 Box17_L2', 0, 0),
  -- 18 Local wages, tips, etc. (5.000, 4.000 - 6.200, 4.667)
  ('W2-2026', 41, 'amount', '18', 'Local wages, tips, etc.', 3600, 5400, 864, 960, 'Box18_L1 Box18_L2', 0, 0),
  -- 19 Local income tax (6.200, 4.000 - 7.300, 4.667)
  ('W2-2026', 42, 'amount', '19', 'Local income tax', 4464, 5400, 792, 960, 'Box19_L1 Box19_L2', 0, 0),
  -- 20 Locality name (7.300, 4.000 - 8.000, 4.667)
  ('W2-2026', 43, 'text', '20', 'Locality name', 5256, 5400, 504, 960, 'Box20_L1 Box20_L2', 0, 0),
  -- Form (0.500, 4.880 - 0.780, 5.000)
  ('W2-2026', 44, 'label', '', 'Form', 360, 6667, 202, 173, '', 5.5, 0),
  -- W-2 (0.780, 4.720 - 1.450, 5.000)
  ('W2-2026', 45, 'label', '', 'W-2', 562, 6437, 482, 403, '', 13, -1),
  -- Wage and Tax Statement (1.450, 4.790 - 4.000, 5.000)
  ('W2-2026', 46, 'label', '', 'Wage and Tax Statement', 1044, 6538, 1836, 302, '', 7, -1),
  -- 2026 (4.000, 4.720 - 5.100, 5.000)
  ('W2-2026', 47, 'label', '', '2026', 2880, 6437, 792, 403, '', 13, -1),
  -- Department of the Treasury—Internal Revenue Service (5.100, 4.720 - 8.000, 5.000)
  ('W2-2026', 48, 'label', '', 'Department of the Treasury—Internal Revenue Service', 3672, 6437, 2088, 403, '', 5.5, 0),
  -- copy legend (0.500, 5.030 - 8.000, 5.450)
  ('W2-2026', 49, 'legend', '', '', 360, 6883, 5400, 605, 'legend', 6.5, -1);

-- The legends as on the 2026 form's Copy B, C and 2 pages; Copy C also carries, top right, the
-- notice that the information goes to the IRS.
INSERT INTO CopyLegends (Drawing, CopyNo, Slot, Text) VALUES
  ('W2-2026', 1, 'legend', 'Copy B—To Be Filed With Employee’s FEDERAL Tax Return. This information is being furnished to the Internal Revenue Service.'),
  ('W2-2026', 2, 'legend', 'Copy C—For EMPLOYEE’S RECORDS'),
  ('W2-2026', 2, 'notice', 'This information is being furnished to the Internal Revenue Service. If you are required to file a tax return, a negligence penalty or other sanction may be imposed on you if this income is taxable and you fail to report it.'),
  ('W2-2026', 3, 'legend', 'Copy 2—To Be Filed With Employee’s State, City, or Local Income Tax Return'),
  ('W2-2026', 4, 'legend', 'Copy 2—To Be Filed With Employee’s State, City, or Local Income Tax Return');

-- Notice to Employee (back of Copy B) and Instructions for Employee (backs of Copy C and Copy 2)
-- of the 2026 fw2.pdf, whole and in order; the notice holds the earned income credit statement
-- that an employee copy without it would need Notice 797 for (2026 General Instructions for
-- Forms W-2 and W-3, "Earned income tax credit (EITC) notice"). The cross-references between
-- the backs are left out, as all of it is on one page here.
INSERT INTO CopyTexts (Drawing, Seq, Heading, Text) VALUES
  ('W2-2026',   1, 0, 'Future developments. For the latest information about developments related to Form W-2, such as legislation enacted after it was published, go to www.irs.gov/FormW2.'),
  ('W2-2026',   2, 1, 'Notice to Employee'),
  ('W2-2026',   3, 0, 'Do you have to file? Refer to the Form 1040 instructions to determine if you are required to file a tax return. Even if you don’t have to file a tax return, you may be eligible for a refund if box 2 shows an amount or if you are eligible for any credit.'),
  ('W2-2026',   4, 0, 'Earned income tax credit (EITC). You may be able to take the EITC for 2026 if your adjusted gross income (AGI) is less than a certain amount. The amount of the credit is based on income and family size. Workers without children could qualify for a smaller credit. You and any qualifying children must have valid social security numbers (SSNs). You can’t take the EITC if your investment income is more than the specified amount for 2026 or if income is earned for services provided while you were an inmate at a penal institution. For 2026 income limits and more information, visit www.irs.gov/EITC. See also Pub. 596. Any EITC that is more than your tax liability is refunded to you, but only if you file a tax return.'),
  ('W2-2026',   5, 0, 'Employee’s social security number (SSN). For your protection, this form may show only the last four digits of your SSN. However, your employer has reported your complete SSN to the IRS and the Social Security Administration (SSA).'),
  ('W2-2026',   6, 0, 'Clergy and religious workers. If you aren’t subject to social security and Medicare taxes, see Pub. 517.'),
  ('W2-2026',   7, 0, 'Corrections. If your name, SSN, or address is incorrect, correct Copies B, C, and 2 and ask your employer to correct your employment record. Be sure to ask the employer to file Form W-2c, Corrected Wage and Tax Statement, with the SSA to correct any name, SSN, or money amount error reported to the SSA on Form W-2. Be sure to get your copies of Form W-2c from your employer for all corrections made so you may file them with your tax return. If your name and SSN are correct but aren’t the same as shown on your social security card, you should ask for a new card that displays your correct name at any SSA office or by calling 800-772-1213. You may also visit the SSA website at www.SSA.gov.'),
  ('W2-2026',   8, 0, 'Cost of employer-sponsored health coverage (if such cost is provided by the employer). The reporting in box 12, using code DD, of the cost of employer-sponsored health coverage is for your information only. The amount reported with code DD is not taxable.'),
  ('W2-2026',   9, 0, 'Credit for excess taxes. If you had more than one employer in 2026 and more than $11,439.00 in social security and/or Tier 1 railroad retirement (RRTA) taxes were withheld, you may be able to claim a credit for the excess against your federal income tax. See the Form 1040 instructions. If you had more than one railroad employer and more than $6,717.90 in Tier 2 RRTA tax was withheld, you may be able to claim a refund on Form 843. See the Instructions for Form 843.'),
  ('W2-2026',  10, 1, 'Instructions for Employee'),
  ('W2-2026',  11, 0, 'Box 1. Enter this amount on the wages line of your tax return unless those instructions direct you to report it elsewhere.'),
  ('W2-2026',  12, 0, 'Box 2. Enter this amount on the federal income tax withheld line of your tax return.'),
  ('W2-2026',  13, 0, 'Box 5. You may be required to report this amount on Form 8959. See the Form 1040 instructions to determine if you are required to complete Form 8959.'),
  ('W2-2026',  14, 0, 'Box 6. This amount includes the 1.45% Medicare tax withheld on all Medicare wages and tips shown in box 5, as well as the 0.9% Additional Medicare Tax on any of those Medicare wages and tips above $200,000.'),
  ('W2-2026',  15, 0, 'Box 8. This amount is not included in box 1, 3, 5, or 7. For information on how to report tips on your tax return, see the Form 1040 instructions. You must file Form 4137 with your income tax return to report at least the allocated tip amount unless you can prove with adequate records that you received a smaller amount. If you have records that show the actual amount of tips you received, report that amount even if it is more or less than the allocated tips. Use Form 4137 to figure the social security and Medicare tax owed on tips you didn’t report to your employer. Enter this amount on the wages line of your tax return. By filing Form 4137, your social security tips will be credited to your social security record (used to figure your benefits).'),
  ('W2-2026',  16, 0, 'Box 10. This amount includes the total dependent care benefits that your employer paid to you or incurred on your behalf (including amounts from a section 125 (cafeteria) plan). Any amount over your employer’s plan limit is also included in box 1. See Form 2441.'),
  ('W2-2026',  17, 0, 'Box 11. This amount is (a) reported in box 1 if it is a distribution made to you from a nonqualified deferred compensation or nongovernmental section 457(b) plan, or (b) included in box 3 and/or box 5 if it is a prior year deferral under a nonqualified or section 457(b) plan that became taxable for social security and Medicare taxes this year because there is no longer a substantial risk of forfeiture of your right to the deferred amount. This box shouldn’t be used if you had a deferral and a distribution in the same calendar year. If you made a deferral and received a distribution in the same calendar year, and you are or will be age 62 by the end of the calendar year, your employer should file Form SSA-131, Employer Report of Special Wage Payments, with the Social Security Administration and give you a copy.'),
  ('W2-2026',  18, 0, 'Box 12. The following list explains the codes shown in box 12. You may need this information to complete your tax return. Elective deferrals (codes D, E, F, and S) and designated Roth contributions (codes AA, BB, and EE) under all plans are generally limited to a total of $24,500 (generally, $17,000 for SIMPLE plans; $27,500 for section 403(b) plans if you qualify for the 15-year rule explained in Pub. 571). Deferrals under code G are limited to $24,500. Deferrals under code H are limited to $7,000.'),
  ('W2-2026',  19, 0, 'However, if you were at least age 50 in 2026, your employer may have allowed an additional elective deferral or designated Roth contribution (catch-up contribution) to your plan. For information about the limits on these catch-up contributions, including the higher limit if you were age 60 through 63 as of December 31, 2026, see Pub. 525. Contact your plan administrator for more information. Amounts in excess of the overall elective deferral limit must be included in income. See the Form 1040 instructions.'),
  ('W2-2026',  20, 0, 'Note: If a year follows code D through H, S, Y, AA, BB, or EE, you made a make-up pension contribution for a prior year(s) when you were in military service. To figure whether you made excess deferrals, consider these amounts for the year shown, not the current year. If no year is shown, the contributions are for the current year.'),
  ('W2-2026',  21, 0, 'A—Uncollected social security or RRTA tax on tips. Include this tax on Form 1040 or 1040-SR. See the Form 1040 instructions.'),
  ('W2-2026',  22, 0, 'B—Uncollected Medicare tax on tips. Include this tax on Form 1040 or 1040-SR. See the Form 1040 instructions.'),
  ('W2-2026',  23, 0, 'C—Taxable cost of group-term life insurance over $50,000 (included in boxes 1, 3 (up to the social security wage base), and 5).'),
  ('W2-2026',  24, 0, 'D—Elective deferrals to a section 401(k) cash or deferred arrangement. Also includes deferrals under a SIMPLE retirement account that is part of a section 401(k) arrangement.'),
  ('W2-2026',  25, 0, 'E—Elective deferrals under a section 403(b) salary reduction agreement.'),
  ('W2-2026',  26, 0, 'F—Elective deferrals under a section 408(k)(6) salary reduction SEP. (This includes elective deferrals made to a Roth SEP IRA.)'),
  ('W2-2026',  27, 0, 'G—Elective deferrals and employer contributions (including nonelective deferrals) to a section 457(b) deferred compensation plan.'),
  ('W2-2026',  28, 0, 'H—Elective deferrals to a section 501(c)(18)(D) tax-exempt organization plan. See the Form 1040 instructions for how to deduct.'),
  ('W2-2026',  29, 0, 'J—Nontaxable sick pay (information only, not included in box 1, 3, or 5).'),
  ('W2-2026',  30, 0, 'K—20% excise tax on excess golden parachute payments. See the Form 1040 instructions.'),
  ('W2-2026',  31, 0, 'L—Substantiated employee business expense reimbursements (nontaxable).'),
  ('W2-2026',  32, 0, 'M—Uncollected social security or RRTA tax on taxable cost of group-term life insurance over $50,000 (former employees only). See the Form 1040 instructions.'),
  ('W2-2026',  33, 0, 'N—Uncollected Medicare tax on taxable cost of group-term life insurance over $50,000 (former employees only). See the Form 1040 instructions.'),
  ('W2-2026',  34, 0, 'P—Excludable moving expense reimbursements paid directly to a member of the U.S. Armed Forces or intelligence community (not included in box 1, 3, or 5).'),
  ('W2-2026',  35, 0, 'Q—Nontaxable combat pay. See the Form 1040 instructions for details on reporting this amount.'),
  ('W2-2026',  36, 0, 'R—Employer contributions to your Archer MSA. Report on Form 8853.'),
  ('W2-2026',  37, 0, 'S—Employee salary reduction contributions under a section 408(p) SIMPLE plan. (This includes salary reduction contributions made to a Roth SIMPLE IRA.)'),
  ('W2-2026',  38, 0, 'T—Adoption benefits (not included in box 1). Complete Form 8839 to figure any taxable and nontaxable amounts.'),
  ('W2-2026',  39, 0, 'V—Income from exercise of nonstatutory stock option(s) (included in boxes 1, 3 (up to the social security wage base), and 5). See Pub. 525 for reporting requirements.'),
  ('W2-2026',  40, 0, 'W—Employer contributions (including amounts the employee elected to contribute using a section 125 (cafeteria) plan) to your health savings account. Report on Form 8889.'),
  ('W2-2026',  41, 0, 'Y—Deferrals under a section 409A nonqualified deferred compensation plan.'),
  ('W2-2026',  42, 0, 'Z—Income under a nonqualified deferred compensation plan that fails to satisfy section 409A. This amount is also included in box 1. It is subject to an additional 20% tax plus interest. See the Form 1040 instructions.'),
  ('W2-2026',  43, 0, 'AA—Designated Roth contributions under a section 401(k) plan.'),
  ('W2-2026',  44, 0, 'BB—Designated Roth contributions under a section 403(b) plan.'),
  ('W2-2026',  45, 0, 'DD—Cost of employer-sponsored health coverage. The amount reported with code DD is not taxable.'),
  ('W2-2026',  46, 0, 'EE—Designated Roth contributions under a governmental section 457(b) plan. This amount does not apply to contributions under a tax-exempt organization section 457(b) plan.'),
  ('W2-2026',  47, 0, 'FF—Permitted benefits under a qualified small employer health reimbursement arrangement.'),
  ('W2-2026',  48, 0, 'GG—Income from qualified equity grants under section 83(i).'),
  ('W2-2026',  49, 0, 'HH—Aggregate deferrals under section 83(i) elections as of the close of the calendar year.'),
  ('W2-2026',  50, 0, 'II—Medicaid waiver payments excluded from gross income under Notice 2014-7.'),
  ('W2-2026',  51, 0, 'TA—Employer contributions under a section 128 Trump account contribution program paid to a Trump account of an employee or a dependent of an employee.'),
  ('W2-2026',  52, 0, 'TP—Total amount of cash tips reported to the employer. “Cash tips” includes tips received in cash, charged, or under a tip-sharing arrangement. Use this amount when determining the qualified tip deduction in Part II of Schedule 1-A (Form 1040).'),
  ('W2-2026',  53, 0, 'TT—Total amount of qualified overtime compensation. Use this amount when determining the qualified overtime compensation deduction in Part III of Schedule 1-A (Form 1040).'),
  ('W2-2026',  54, 0, 'Box 13. If the “Retirement plan” box is checked, special limits may apply to the amount of traditional IRA contributions you may deduct. See Pub. 590-A.'),
  ('W2-2026',  55, 0, 'Box 14a. Employers may use this box to report information such as state disability insurance taxes withheld, union dues, uniform payments, health insurance premiums deducted, nontaxable income, educational assistance payments, or a member of the clergy’s parsonage allowance and utilities. Railroad employers use this box to report railroad retirement (RRTA) compensation, Tier 1 tax, Tier 2 tax, Medicare tax, and Additional Medicare Tax. Include tips reported by the employee to the employer in railroad retirement (RRTA) compensation.'),
  ('W2-2026',  56, 0, 'Box 14b. Employers use this box to report up to two Treasury Tipped Occupation Code(s) for your tipped occupation(s). Use this code(s) and the amount of tips reported in box 12 (code TP) when determining the qualified tip deduction in Part II of Schedule 1-A (Form 1040). If the occupation code 000 is used, and no other code is included in box 14b, your cash tips are not qualified tips; do not use the amount reported in box 12 (code TP) for the deduction for qualified tips.'),
  ('W2-2026',  57, 0, 'Note: Keep Copy C of Form W-2 for at least 3 years after the due date for filing your income tax return. However, to help protect your social security benefits, keep Copy C until you begin receiving social security benefits, just in case there is a question about your work record and/or earnings in a particular year.');
