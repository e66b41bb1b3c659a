-- Filing 1099s through the IRIS Taxpayer Portal: the names split as IRIS takes them, the rows
-- per uploaded file, the templates the user chose, and what is known of the templates' columns.
-- Runs on a new database after the other scripts and on a database file of an earlier version.

-- Recipients and payers are individuals (first, middle, last name, suffix) or businesses (the
-- name lines already kept), with the kind of their TIN. NameType stays Null until the split is
-- entered or confirmed by the user: I individual, B business. TinType: SSN or EIN.
ALTER TABLE "1099Misc" ADD COLUMN RecTinType    TEXT(3)  COLLATE NOCASE;
ALTER TABLE "1099Misc" ADD COLUMN RecNameType   TEXT(1)  COLLATE NOCASE;
ALTER TABLE "1099Misc" ADD COLUMN RecFirstName  TEXT(40) COLLATE NOCASE;
ALTER TABLE "1099Misc" ADD COLUMN RecMiddleName TEXT(40) COLLATE NOCASE;
ALTER TABLE "1099Misc" ADD COLUMN RecLastName   TEXT(40) COLLATE NOCASE;
ALTER TABLE "1099Misc" ADD COLUMN RecSuffix     TEXT(10) COLLATE NOCASE;
ALTER TABLE "1099Nec"  ADD COLUMN RecTinType    TEXT(3)  COLLATE NOCASE;
ALTER TABLE "1099Nec"  ADD COLUMN RecNameType   TEXT(1)  COLLATE NOCASE;
ALTER TABLE "1099Nec"  ADD COLUMN RecFirstName  TEXT(40) COLLATE NOCASE;
ALTER TABLE "1099Nec"  ADD COLUMN RecMiddleName TEXT(40) COLLATE NOCASE;
ALTER TABLE "1099Nec"  ADD COLUMN RecLastName   TEXT(40) COLLATE NOCASE;
ALTER TABLE "1099Nec"  ADD COLUMN RecSuffix     TEXT(10) COLLATE NOCASE;
ALTER TABLE FilerInfo  ADD COLUMN PayerTinType    TEXT(3)  COLLATE NOCASE;
ALTER TABLE FilerInfo  ADD COLUMN PayerNameType   TEXT(1)  COLLATE NOCASE;
ALTER TABLE FilerInfo  ADD COLUMN PayerFirstName  TEXT(40) COLLATE NOCASE;
ALTER TABLE FilerInfo  ADD COLUMN PayerMiddleName TEXT(40) COLLATE NOCASE;
ALTER TABLE FilerInfo  ADD COLUMN PayerLastName   TEXT(40) COLLATE NOCASE;
ALTER TABLE FilerInfo  ADD COLUMN PayerSuffix     TEXT(10) COLLATE NOCASE;

-- At most this many returns in one uploaded file: Publication 1099 (2026) and the IRIS Taxpayer
-- Portal User Guide (Publication 5717) give 100 forms per submission; a user may lower it, or
-- raise it when the IRS raises the limit.
ALTER TABLE Settings ADD COLUMN IrisRowsPerFile INTEGER NOT NULL DEFAULT 100;

-- The blank template downloaded from the portal, remembered per form type and tax year.
CREATE TABLE IrisTemplates (
  Form TEXT(10)  COLLATE NOCASE NOT NULL,
  Year TEXT(4)   COLLATE NOCASE NOT NULL,
  Path TEXT(255) COLLATE NOCASE
);

-- Known spellings of the templates' column names and what fills them. Names are compared
-- lower-cased with punctuation and spacing ignored ("$5,000" is "$5000"), so one row covers
-- many spellings; a column matching no row is left empty and listed as a warning. Year: the
-- template the spelling was read from; every spelling of the form is tried, whatever the year.
-- Form 1099 rows are common to both forms. Field: a column of the form's table, or a value
-- made from the payer's and recipient's rows (Payer..., Rec..., FormType, TaxYear).
CREATE TABLE IrisColumns (
  Form     TEXT(10)  COLLATE NOCASE NOT NULL,
  Year     TEXT(4)   COLLATE NOCASE NOT NULL,
  Spelling TEXT(200) COLLATE NOCASE NOT NULL,
  Field    TEXT(30)  COLLATE NOCASE NOT NULL
);

-- The common columns of the TY2024 IRIS Taxpayer Portal CSV templates for 1099-NEC and
-- 1099-MISC (header rows as published with the templates, read from public copies of them).
-- Payer Phone Type, Office Code, Combined Federal/State Filing, local income tax and special
-- data entries have no row: Quillory keeps nothing for them.
INSERT INTO IrisColumns (Form, Year, Spelling, Field) VALUES
  ('1099', '2024', 'Form Type', 'FormType'),
  ('1099', '2024', 'Tax Year', 'TaxYear'),
  ('1099', '2024', 'Payer TIN Type', 'PayerTinType'),
  ('1099', '2024', 'Payer Taxpayer ID Number', 'PayerTin'),
  ('1099', '2024', 'Payer Name Type', 'PayerNameType'),
  ('1099', '2024', 'Payer Business or Entity Name Line 1', 'PayerName1'),
  ('1099', '2024', 'Payer Business or Entity Name Line 2', 'PayerName2'),
  ('1099', '2024', 'Payer First Name', 'PayerFirstName'),
  ('1099', '2024', 'Payer Middle Name', 'PayerMiddleName'),
  ('1099', '2024', 'Payer Last Name (Surname)', 'PayerLastName'),
  ('1099', '2024', 'Payer Suffix', 'PayerSuffix'),
  ('1099', '2024', 'Payer Country', 'PayerCountry'),
  ('1099', '2024', 'Payer Address Line 1', 'PayerAddress1'),
  ('1099', '2024', 'Payer Address Line 2', 'PayerAddress2'),
  ('1099', '2024', 'Payer City/Town', 'PayerCity'),
  ('1099', '2024', 'Payer State/Province/Territory', 'PayerState'),
  ('1099', '2024', 'Payer ZIP/Postal Code', 'PayerZip'),
  ('1099', '2024', 'Payer Phone', 'PayerPhone'),
  ('1099', '2024', 'Payer Email Address', 'PayerEmail'),
  ('1099', '2024', 'Recipient TIN Type', 'RecTinType'),
  ('1099', '2024', 'Recipient Taxpayer ID Number', 'RecTin'),
  ('1099', '2024', 'Recipient Name Type', 'RecNameType'),
  ('1099', '2024', 'Recipient Business or Entity Name Line 1', 'RecName1'),
  ('1099', '2024', 'Recipient Business or Entity Name Line 2', 'RecName2'),
  ('1099', '2024', 'Recipient First Name', 'RecFirstName'),
  ('1099', '2024', 'Recipient Middle Name', 'RecMiddleName'),
  ('1099', '2024', 'Recipient Last Name (Surname)', 'RecLastName'),
  ('1099', '2024', 'Recipient Suffix', 'RecSuffix'),
  ('1099', '2024', 'Recipient Country', 'RecCountry'),
  ('1099', '2024', 'Recipient Address Line 1', 'RecAddress1'),
  ('1099', '2024', 'Recipient Address Line 2', 'RecAddress2'),
  ('1099', '2024', 'Recipient City/Town', 'RecCity'),
  ('1099', '2024', 'Recipient State/Province/Territory', 'RecState'),
  ('1099', '2024', 'Recipient ZIP/Postal Code', 'RecZip'),
  ('1099', '2024', 'Form Account Number', 'AcctNo'),
  ('1099', '2024', '2nd TIN Notice', 'TIN');

-- 1099-NEC: the TY2024 template's boxes; TY2025 spells "$5,000" and "State tax withheld"
-- (same names once compared) and adds box 3. The TY2026 template (Form 1099-NEC Rev. December
-- 2026 numbers nonemployee compensation 1a) appears in the portal in January 2027; its other
-- new boxes (1b-1d) get a row once their spelling is read from it.
INSERT INTO IrisColumns (Form, Year, Spelling, Field) VALUES
  ('1099-NEC', '2024', 'Box 1 - Nonemployee Compensation', 'NonemployeeComp'),
  ('1099-NEC', '2024', 'Box 2 - Payer made direct sales totaling $5000 or more of consumer products to a recipient for resale', 'DirectSales'),
  ('1099-NEC', '2024', 'Box 4 - Federal income tax withheld', 'FedTaxWithheld'),
  ('1099-NEC', '2024', 'State 1', 'State_L1'),
  ('1099-NEC', '2024', 'State 1 - State Tax Withheld', 'StateTax_L1'),
  ('1099-NEC', '2024', 'State 1 - State/Payer state number', 'StateNo_L1'),
  ('1099-NEC', '2024', 'State 1 - State income', 'StateIncome_L1'),
  ('1099-NEC', '2024', 'State 2', 'State_L2'),
  ('1099-NEC', '2024', 'State 2 - State Tax Withheld', 'StateTax_L2'),
  ('1099-NEC', '2024', 'State 2 - State/Payer state number', 'StateNo_L2'),
  ('1099-NEC', '2024', 'State 2 - State income', 'StateIncome_L2'),
  ('1099-NEC', '2025', 'Box 2 - Payer made direct sales totaling $5,000 or more of consumer products to a recipient for resale', 'DirectSales'),
  ('1099-NEC', '2025', 'Box 3 - Excess golden parachute payments', 'GoldenParachute'),
  ('1099-NEC', '2025', 'State 1 - State tax withheld', 'StateTax_L1'),
  ('1099-NEC', '2025', 'State 2 - State tax withheld', 'StateTax_L2'),
  ('1099-NEC', '2026', 'Box 1a - Nonemployee Compensation', 'NonemployeeComp');

-- 1099-MISC: the TY2024 template's boxes, its misspelling "Subtitute" and the right one.
-- Its "Box 14 - Excess golden parachute payments" has no row: from 2025 that amount goes on the
-- 1099-NEC, and box 14 of the Rev. December 2026 form is overtime compensation.
INSERT INTO IrisColumns (Form, Year, Spelling, Field) VALUES
  ('1099-MISC', '2024', 'FATCA Filing Requirements', 'Fatca'),
  ('1099-MISC', '2024', 'Box 1 - Rents', 'Box1'),
  ('1099-MISC', '2024', 'Box 2 - Royalties', 'Box2'),
  ('1099-MISC', '2024', 'Box 3 - Other Income', 'Box3'),
  ('1099-MISC', '2024', 'Box 4 - Federal income tax withheld', 'Box4'),
  ('1099-MISC', '2024', 'Box 5 - Fishing boat proceeds', 'Box5'),
  ('1099-MISC', '2024', 'Box 6 - Medical and health care payments', 'Box6'),
  ('1099-MISC', '2024', 'Box 7 - Direct sales of $5000 or more of consumer products to a recipient for resale', 'Box9'),
  ('1099-MISC', '2024', 'Box 8 - Subtitute payments in lieu of dividends or interest', 'Box8'),
  ('1099-MISC', '2024', 'Box 8 - Substitute payments in lieu of dividends or interest', 'Box8'),
  ('1099-MISC', '2024', 'Box 9 - Crop insurance proceeds', 'Box10'),
  ('1099-MISC', '2024', 'Box 10 - Gross proceeds paid to an attorney', 'Box14'),
  ('1099-MISC', '2024', 'Box 11 - Fish purchased for resale', 'FishPurchased'),
  ('1099-MISC', '2024', 'Box 12 - Section 409A deferrals', 'Deferrals409A'),
  ('1099-MISC', '2024', 'Box 15 - Nonqualified deferred compensation', 'NqDeferredComp'),
  ('1099-MISC', '2024', 'State 1', 'Box17a_L1'),
  ('1099-MISC', '2024', 'State 1 - State Tax Withheld', 'Box16_L1'),
  ('1099-MISC', '2024', 'State 1 - State/Payer state number', 'Box17b_L1'),
  ('1099-MISC', '2024', 'State 1 - State income', 'Box18_L1'),
  ('1099-MISC', '2024', 'State 2', 'Box17a_L2'),
  ('1099-MISC', '2024', 'State 2 - State Tax Withheld', 'Box16_L2'),
  ('1099-MISC', '2024', 'State 2 - State/Payer state number', 'Box17b_L2'),
  ('1099-MISC', '2024', 'State 2 - State income', 'Box18_L2');

-- The boxes of each tax year's form whose value, when not zero (or a mark that is ticked), needs
-- a column of the template: without one the file is not written. Box numbers from Form 1099-NEC
-- and Form 1099-MISC Rev. April 2025 (tax year 2025) and Rev. December 2026 (from 2026).
CREATE TABLE IrisFields (
  Form      TEXT(10) COLLATE NOCASE NOT NULL,
  FirstYear INTEGER NOT NULL,
  LastYear  INTEGER NOT NULL,
  Field     TEXT(30) COLLATE NOCASE NOT NULL,
  Box       TEXT(80) COLLATE NOCASE NOT NULL
);
INSERT INTO IrisFields (Form, FirstYear, LastYear, Field, Box) VALUES
  ('1099-NEC', 2025, 2025, 'NonemployeeComp', 'box 1 (nonemployee compensation)'),
  ('1099-NEC', 2026, 9999, 'NonemployeeComp', 'box 1a (nonemployee compensation)'),
  ('1099-NEC', 2026, 9999, 'CashTips',        'box 1b (cash tips)'),
  ('1099-NEC', 2026, 9999, 'TipCode1',        'box 1c (tipped occupation code)'),
  ('1099-NEC', 2026, 9999, 'TipCode2',        'box 1c (second tipped occupation code)'),
  ('1099-NEC', 2026, 9999, 'Overtime',        'box 1d (overtime compensation)'),
  ('1099-NEC', 2025, 9999, 'DirectSales',     'box 2 (direct sales mark)'),
  ('1099-NEC', 2025, 9999, 'GoldenParachute', 'box 3 (excess golden parachute payments)'),
  ('1099-NEC', 2025, 9999, 'FedTaxWithheld',  'box 4 (federal income tax withheld)'),
  ('1099-NEC', 2025, 9999, 'StateTax_L1',     'box 5, line 1 (state tax withheld)'),
  ('1099-NEC', 2025, 9999, 'State_L1',        'box 6, line 1 (state)'),
  ('1099-NEC', 2025, 9999, 'StateNo_L1',      'box 6, line 1 (payer''s state number)'),
  ('1099-NEC', 2025, 9999, 'StateIncome_L1',  'box 7, line 1 (state income)'),
  ('1099-NEC', 2025, 9999, 'StateTax_L2',     'box 5, line 2 (state tax withheld)'),
  ('1099-NEC', 2025, 9999, 'State_L2',        'box 6, line 2 (state)'),
  ('1099-NEC', 2025, 9999, 'StateNo_L2',      'box 6, line 2 (payer''s state number)'),
  ('1099-NEC', 2025, 9999, 'StateIncome_L2',  'box 7, line 2 (state income)'),
  ('1099-NEC', 2025, 9999, 'TIN',             'the 2nd TIN notice mark'),
  ('1099-MISC', 2025, 9999, 'Box1',           'box 1 (rents)'),
  ('1099-MISC', 2025, 9999, 'Box2',           'box 2 (royalties)'),
  ('1099-MISC', 2025, 9999, 'Box3',           'box 3 (other income)'),
  ('1099-MISC', 2025, 9999, 'Box4',           'box 4 (federal income tax withheld)'),
  ('1099-MISC', 2025, 9999, 'Box5',           'box 5 (fishing boat proceeds)'),
  ('1099-MISC', 2025, 9999, 'Box6',           'box 6 (medical and health care payments)'),
  ('1099-MISC', 2025, 9999, 'Box7',           'nonemployee compensation (box 7 of the form before 2020; it belongs on a 1099-NEC)'),
  ('1099-MISC', 2025, 9999, 'Box9',           'box 7 (direct sales mark)'),
  ('1099-MISC', 2025, 9999, 'Box8',           'box 8 (substitute payments in lieu of dividends or interest)'),
  ('1099-MISC', 2025, 9999, 'Box10',          'box 9 (crop insurance proceeds)'),
  ('1099-MISC', 2025, 9999, 'Box14',          'box 10 (gross proceeds paid to an attorney)'),
  ('1099-MISC', 2025, 9999, 'FishPurchased',  'box 11 (fish purchased for resale)'),
  ('1099-MISC', 2025, 9999, 'Deferrals409A',  'box 12 (section 409A deferrals)'),
  ('1099-MISC', 2025, 2025, 'Fatca',          'box 13 (FATCA filing requirement)'),
  ('1099-MISC', 2026, 9999, 'Fatca',          'the FATCA filing requirement mark'),
  ('1099-MISC', 2026, 9999, 'CashTips',       'box 13a (cash tips)'),
  ('1099-MISC', 2026, 9999, 'TipCode1',       'box 13b (tipped occupation code)'),
  ('1099-MISC', 2026, 9999, 'TipCode2',       'box 13b (second tipped occupation code)'),
  ('1099-MISC', 2026, 9999, 'Overtime',       'box 14 (overtime compensation)'),
  ('1099-MISC', 2025, 9999, 'NqDeferredComp', 'box 15 (nonqualified deferred compensation)'),
  ('1099-MISC', 2025, 9999, 'Box16_L1',       'box 16, line 1 (state tax withheld)'),
  ('1099-MISC', 2025, 9999, 'Box17a_L1',      'box 17, line 1 (state)'),
  ('1099-MISC', 2025, 9999, 'Box17b_L1',      'box 17, line 1 (payer''s state number)'),
  ('1099-MISC', 2025, 9999, 'Box18_L1',       'box 18, line 1 (state income)'),
  ('1099-MISC', 2025, 9999, 'Box16_L2',       'box 16, line 2 (state tax withheld)'),
  ('1099-MISC', 2025, 9999, 'Box17a_L2',      'box 17, line 2 (state)'),
  ('1099-MISC', 2025, 9999, 'Box17b_L2',      'box 17, line 2 (payer''s state number)'),
  ('1099-MISC', 2025, 9999, 'Box18_L2',       'box 18, line 2 (state income)'),
  ('1099-MISC', 2025, 9999, 'TIN',            'the 2nd TIN notice mark');

-- How the templates take codes and marks. TIN types, name types, marks and the country as the
-- public copies of the TY2024 templates are filled (EIN/SSN, B/I, Y/N, US); a template of
-- another year whose notes say otherwise is followed by changing these rows.
CREATE TABLE IrisCodes (
  Kind  TEXT(10) COLLATE NOCASE NOT NULL,
  Value TEXT(10) COLLATE NOCASE NOT NULL,
  Text  TEXT(20) COLLATE NOCASE NOT NULL
);
INSERT INTO IrisCodes (Kind, Value, Text) VALUES
  ('TinType', 'SSN', 'SSN'),
  ('TinType', 'EIN', 'EIN'),
  ('NameType', 'I', 'I'),
  ('NameType', 'B', 'B'),
  ('Mark', 'Y', 'Y'),
  ('Mark', 'N', 'N'),
  ('Country', 'US', 'US');
