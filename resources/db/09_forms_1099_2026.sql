-- Form editions of the 1099-MISC, the 1099-NEC and the 1096, the 2026 layouts of the three, the
-- NEC paper kinds, and a 1096 summary per form type. Runs after 08_1099_2026.sql on a new
-- database, and once on an older file when it opens (src/core/data/SchemaUpgrades.cpp).
--
-- A database's tax year (Settings.Year) chooses the edition whose years hold it. Tax year 2025
-- (1099-NEC and 1099-MISC Rev. April 2025, three to a sheet) has no edition: no fillable copy of
-- those revisions was at hand to measure, so a 2025 database is refused rather than printed on a
-- guessed layout.

-- The form type of a 1096 row ("1099-MISC" or "1099-NEC"): from tax year 2025 the summaries are
-- one per payer and form type, as "Group the forms by form number and transmit each group with
-- a separate Form 1096" (Form 1096 (2026), page 2). Null on the rows of earlier years.
ALTER TABLE "1096" ADD COLUMN FormType TEXT(10) COLLATE NOCASE;

-- The 1099-NEC paper kinds, placed as the 1099-MISC ones.
INSERT OR IGNORE INTO PrintMargins (FormName, TopMargin, LeftMargin) VALUES
  ('NEC-L', 0, 0),        -- 1099-NEC cut sheet
  ('NEC-C', 0, 720),      -- 1099-NEC continuous: the form sits right of a 0.5 in pin-feed strip
  ('NEC-M', 360, 360);    -- 1099-NEC mailer

DELETE FROM FormEditions WHERE Form IN ('1099-MISC', '1099-NEC', '1096');
INSERT INTO FormEditions (Form, FirstYear, LastYear, FormName, LowerFormOffset, DeferralCodes) VALUES
  -- The early-2000s forms as shipped (05_print_formats.sql).
  ('1099-MISC', 2001, 2024, '1099-MISC', 7920, NULL),
  ('1096',      2001, 2024, '1096', 0, NULL),
  -- Rev. December 2026 (continuous use). The Copy A page of f1099nec.pdf and of f1099msc.pdf
  -- shows one form from 0.34 in to 5.0 in below the top of the sheet; the lower form of a
  -- two-up sheet is taken as 5.5 in (7920 twips) below it.
  ('1099-NEC',  2026, NULL, 'NEC-2026', 7920, NULL),
  ('1099-MISC', 2026, NULL, 'MISC-2026', 7920, NULL),
  ('1096',      2026, NULL, '1096-2026', 0, NULL);

-- The 2026 layouts, measured from the fillable forms of the IRS: f1099nec.pdf (Form 1099-NEC
-- Rev. December 2026, Copy A page, "Created 5/26/26"), f1099msc.pdf (Form 1099-MISC Rev.
-- December 2026, Copy A page, "Created 5/26/26") and f1096.pdf (Form 1096 (2026), form page,
-- "Created 12/15/25"). Each value sits on the fill-in field that the form puts in its box, found
-- by the caption printed above it; the comment gives that field's rectangle in inches from the
-- page's top-left corner (left, top - right, bottom). Twips as in 05_print_formats.sql: a text
-- takes one 12-point line (240 twips) from yPos1 down, centred in a taller field; an amount
-- (Justify 1) ends at the field's right edge. A check box gets its mark's letter (0.03 to 0.14
-- in below the line's top) centred on it.
--
-- The payer's address prints in its parts: its last line ("CITY, ST 12345") split into city,
-- state and ZIP code, the line before it as the street, a line before that in the room or
-- suite box; the recipient's "city, state ZIP" likewise. The telephone is the filer's.
DELETE FROM PrintFormats WHERE FormName IN ('NEC-2026', 'MISC-2026', '1096-2026');

-- 1099-NEC, Rev. December 2026, one of two per sheet.
INSERT INTO PrintFormats (FormName, type, fieldname, xPos1, yPos1, fieldlength, Justify) VALUES
  -- CORRECTED check box (3.400, 0.340 - 3.539, 0.479)
  ('NEC-2026', 0, 'CorrectedFlag',    4924,   469,   144, 0),
  -- For calendar year: the database's tax year (5.800, 1.333 - 6.200, 1.458)
  ('NEC-2026', 0, 'TaxYear',          8352,  1890,   576, 0),
  -- PAYER'S name, the first of its two lines (0.728, 0.667 - 4.086, 1.000)
  ('NEC-2026', 0, 'PayerName',        1048,   960,  4836, 0),
  -- Street address (0.728, 1.167 - 2.886, 1.333)
  ('NEC-2026', 0, 'PayerStreet',      1048,  1680,  3108, 0),
  -- Room or suite no.: the payer's address line above the street (2.914, 1.167 - 4.086, 1.333)
  ('NEC-2026', 0, 'PayerSuite',       4196,  1680,  1688, 0),
  -- City or town (0.728, 1.500 - 2.886, 1.667)
  ('NEC-2026', 0, 'PayerCity',        1048,  2160,  3108, 0),
  -- Telephone number (2.914, 1.500 - 4.086, 1.667)
  ('NEC-2026', 0, 'PayerPhone',       4196,  2160,  1688, 0),
  -- State or province (0.728, 1.833 - 2.386, 2.000)
  ('NEC-2026', 0, 'PayerState',       1048,  2640,  2388, 0),
  -- ZIP or foreign postal code; Country (2.414 - 2.886) has no column (2.914, 1.833 - 4.086, 2.000)
  ('NEC-2026', 0, 'PayerZip',         4196,  2640,  1688, 0),
  -- PAYER'S TIN (0.728, 2.167 - 2.386, 2.500)
  ('NEC-2026', 0, 'FedIDNo',          1048,  3240,  2388, 0),
  -- RECIPIENT'S TIN (2.414, 2.167 - 4.086, 2.500)
  ('NEC-2026', 0, 'RecIDNo',          3476,  3240,  2408, 0),
  -- RECIPIENT'S name, 2 lines (0.728, 2.667 - 4.086, 3.000)
  ('NEC-2026', 0, 'RecName1',         1048,  3840,  4836, 0),
  ('NEC-2026', 0, 'RecName2',         1048,  4080,  4836, 0),
  -- Street address (including apt. no.); Apt. no. (3.414 - 4.086) has no column (0.728, 3.167 - 3.386, 3.333)
  ('NEC-2026', 0, 'RecAddr',          1048,  4560,  3828, 0),
  -- City or town (0.728, 3.500 - 4.086, 3.667)
  ('NEC-2026', 0, 'RecCity',          1048,  5040,  4836, 0),
  -- State or province (0.728, 3.833 - 2.386, 4.000)
  ('NEC-2026', 0, 'RecState',         1048,  5520,  2388, 0),
  -- ZIP or foreign postal code (2.914, 3.833 - 4.086, 4.000)
  ('NEC-2026', 0, 'RecZip',           4196,  5520,  1688, 0),
  -- Account number (see instructions) (0.728, 4.667 - 3.486, 5.000)
  ('NEC-2026', 0, 'AcctNo',           1048,  6840,  3972, 0),
  -- 2nd TIN not. check box (3.744, 4.694 - 3.856, 4.806)
  ('NEC-2026', 0, 'TIN',              5400,  6719,   144, 0),
  -- 1a Nonemployee compensation (4.300, 1.833 - 6.872, 2.000)
  ('NEC-2026', 0, 'NonemployeeComp',  6192,  2640,  3704, 1),
  -- 1b Cash tips (4.300, 2.333 - 5.472, 2.500)
  ('NEC-2026', 0, 'CashTips',         6192,  3360,  1688, 1),
  -- 1c TTOC, first code (5.521, 2.333 - 6.179, 2.500)
  ('NEC-2026', 0, 'TipCode1',         7950,  3360,   948, 0),
  -- 1c TTOC, second code (6.221, 2.333 - 6.879, 2.500)
  ('NEC-2026', 0, 'TipCode2',         8958,  3360,   948, 0),
  -- 1d Overtime compensation (4.300, 2.833 - 6.872, 3.000)
  ('NEC-2026', 0, 'Overtime',         6192,  4080,  3704, 1),
  -- 2 Payer made direct sales totaling $5,000 or more ... check box (6.700, 3.139 - 6.811, 3.250)
  ('NEC-2026', 0, 'DirectSales',      9656,  4479,   144, 0),
  -- 3 Excess golden parachute payments (4.300, 3.833 - 6.872, 4.000)
  ('NEC-2026', 0, 'GoldenParachute',  6192,  5520,  3704, 1),
  -- 4 Federal income tax withheld (4.300, 4.333 - 6.872, 4.500)
  ('NEC-2026', 0, 'FedTaxWithheld',   6192,  6240,  3704, 1),
  -- 5 State tax withheld, lines 1 and 2 (line 2: 4.833 - 5.000) (4.300, 4.667 - 5.472, 4.833)
  ('NEC-2026', 0, 'StateTax_L1',      6192,  6720,  1688, 1),
  ('NEC-2026', 0, 'StateTax_L2',      6192,  6960,  1688, 1),
  -- 6 State/Payer's state no.: the state's code, then the number, lines 1 and 2 (5.514, 4.667 - 6.872, 4.833)
  ('NEC-2026', 0, 'State_L1',         7940,  6720,   432, 0),
  ('NEC-2026', 0, 'StateNo_L1',       8372,  6720,  1524, 0),
  ('NEC-2026', 0, 'State_L2',         7940,  6960,   432, 0),
  ('NEC-2026', 0, 'StateNo_L2',       8372,  6960,  1524, 0),
  -- 7 State income, lines 1 and 2 (7.100, 4.667 - 8.000, 4.833)
  ('NEC-2026', 0, 'StateIncome_L1',  10224,  6720,  1296, 1),
  ('NEC-2026', 0, 'StateIncome_L2',  10224,  6960,  1296, 1);

-- 1099-MISC, Rev. December 2026, one of two per sheet.
INSERT INTO PrintFormats (FormName, type, fieldname, xPos1, yPos1, fieldlength, Justify) VALUES
  -- CORRECTED check box (3.400, 0.340 - 3.539, 0.479)
  ('MISC-2026', 0, 'CorrectedFlag',    4924,   469,   144, 0),
  -- For calendar year: the database's tax year (5.800, 1.333 - 6.200, 1.458)
  ('MISC-2026', 0, 'TaxYear',          8352,  1890,   576, 0),
  -- PAYER'S name, the first of its two lines (0.728, 0.667 - 4.086, 1.000)
  ('MISC-2026', 0, 'PayerName',        1048,   960,  4836, 0),
  -- Street address (0.728, 1.167 - 2.886, 1.333)
  ('MISC-2026', 0, 'PayerStreet',      1048,  1680,  3108, 0),
  -- Room or suite no.: the payer's address line above the street (2.914, 1.167 - 4.086, 1.333)
  ('MISC-2026', 0, 'PayerSuite',       4196,  1680,  1688, 0),
  -- City or town (0.728, 1.500 - 2.886, 1.667)
  ('MISC-2026', 0, 'PayerCity',        1048,  2160,  3108, 0),
  -- Telephone number (2.914, 1.500 - 4.086, 1.667)
  ('MISC-2026', 0, 'PayerPhone',       4196,  2160,  1688, 0),
  -- State or province (0.728, 1.833 - 2.386, 2.000)
  ('MISC-2026', 0, 'PayerState',       1048,  2640,  2388, 0),
  -- ZIP or foreign postal code; Country (2.414 - 2.886) has no column (2.914, 1.833 - 4.086, 2.000)
  ('MISC-2026', 0, 'PayerZip',         4196,  2640,  1688, 0),
  -- PAYER'S TIN (0.728, 2.167 - 2.386, 2.417)
  ('MISC-2026', 0, 'FedIDNo',          1048,  3180,  2388, 0),
  -- RECIPIENT'S TIN (2.414, 2.167 - 4.086, 2.417)
  ('MISC-2026', 0, 'RecIDNo',          3476,  3180,  2408, 0),
  -- RECIPIENT'S name, 2 lines (0.728, 2.583 - 4.086, 2.917)
  ('MISC-2026', 0, 'RecName1',         1048,  3720,  4836, 0),
  ('MISC-2026', 0, 'RecName2',         1048,  3960,  4836, 0),
  -- Street address (including apt. no.); Apt. no. (3.414 - 4.086) has no column (0.728, 3.083 - 3.386, 3.333)
  ('MISC-2026', 0, 'RecAddr',          1048,  4500,  3828, 0),
  -- City or town (0.728, 3.500 - 4.086, 3.667)
  ('MISC-2026', 0, 'RecCity',          1048,  5040,  4836, 0),
  -- State or province (0.728, 3.833 - 2.386, 4.000)
  ('MISC-2026', 0, 'RecState',         1048,  5520,  2388, 0),
  -- ZIP or foreign postal code (2.914, 3.833 - 4.086, 4.000)
  ('MISC-2026', 0, 'RecZip',           4196,  5520,  1688, 0),
  -- FATCA filing requirement check box (3.694, 4.306 - 3.806, 4.417)
  ('MISC-2026', 0, 'Fatca',            5328,  6159,   144, 0),
  -- Account number (see instructions) (0.728, 4.667 - 3.386, 5.000)
  ('MISC-2026', 0, 'AcctNo',           1048,  6840,  3828, 0),
  -- 2nd TIN not. check box (3.694, 4.694 - 3.806, 4.806)
  ('MISC-2026', 0, 'TIN',              5328,  6719,   144, 0),
  -- 1 Rents (4.300, 0.833 - 5.472, 1.000)
  ('MISC-2026', 0, 'Box1',             6192,  1200,  1688, 1),
  -- 2 Royalties (4.300, 1.333 - 5.472, 1.500)
  ('MISC-2026', 0, 'Box2',             6192,  1920,  1688, 1),
  -- 3 Other income (4.300, 1.833 - 5.472, 2.000)
  ('MISC-2026', 0, 'Box3',             6192,  2640,  1688, 1),
  -- 4 Federal income tax withheld (5.700, 1.833 - 6.872, 2.000)
  ('MISC-2026', 0, 'Box4',             8208,  2640,  1688, 1),
  -- 5 Fishing boat proceeds (4.300, 2.250 - 5.472, 2.417)
  ('MISC-2026', 0, 'Box5',             6192,  3240,  1688, 1),
  -- 6 Medical and health care payments (5.700, 2.250 - 6.872, 2.417)
  ('MISC-2026', 0, 'Box6',             8208,  3240,  1688, 1),
  -- 7 Payer made direct sales totaling $5,000 or more ... check box (5.300, 2.771 - 5.411, 2.882)
  ('MISC-2026', 0, 'Box9',             7640,  3949,   144, 0),
  -- 8 Substitute payments in lieu of dividends or interest (5.700, 2.750 - 6.872, 2.917)
  ('MISC-2026', 0, 'Box8',             8208,  3960,  1688, 1),
  -- 9 Crop insurance proceeds (4.300, 3.167 - 5.472, 3.333)
  ('MISC-2026', 0, 'Box10',            6192,  4560,  1688, 1),
  -- 10 Gross proceeds paid to an attorney (5.700, 3.167 - 6.872, 3.333)
  ('MISC-2026', 0, 'Box14',            8208,  4560,  1688, 1),
  -- 11 Fish purchased for resale (4.300, 3.500 - 5.472, 3.667)
  ('MISC-2026', 0, 'FishPurchased',    6192,  5040,  1688, 1),
  -- 12 Section 409A deferrals (5.700, 3.500 - 6.872, 3.667)
  ('MISC-2026', 0, 'Deferrals409A',    8208,  5040,  1688, 1),
  -- 13a Cash tips (4.300, 3.833 - 5.472, 4.000)
  ('MISC-2026', 0, 'CashTips',         6192,  5520,  1688, 1),
  -- 13b TTOC, first code (5.521, 3.833 - 6.179, 4.000)
  ('MISC-2026', 0, 'TipCode1',         7950,  5520,   948, 0),
  -- 13b TTOC, second code (6.221, 3.833 - 6.879, 4.000)
  ('MISC-2026', 0, 'TipCode2',         8958,  5520,   948, 0),
  -- 14 Overtime compensation (4.300, 4.333 - 5.472, 4.500)
  ('MISC-2026', 0, 'Overtime',         6192,  6240,  1688, 1),
  -- 15 Nonqualified deferred compensation (5.700, 4.333 - 6.872, 4.500)
  ('MISC-2026', 0, 'NqDeferredComp',   8208,  6240,  1688, 1),
  -- 16 State tax withheld, lines 1 and 2 (line 2: 4.833 - 5.000) (4.300, 4.667 - 5.472, 4.833)
  ('MISC-2026', 0, 'Box16_L1',         6192,  6720,  1688, 1),
  ('MISC-2026', 0, 'Box16_L2',         6192,  6960,  1688, 1),
  -- 17 State/Payer's state no.: the state's code, then the number, lines 1 and 2 (5.514, 4.667 - 6.886, 4.833)
  ('MISC-2026', 0, 'Box17a_L1',        7940,  6720,   432, 0),
  ('MISC-2026', 0, 'Box17b_L1',        8372,  6720,  1544, 0),
  ('MISC-2026', 0, 'Box17a_L2',        7940,  6960,   432, 0),
  ('MISC-2026', 0, 'Box17b_L2',        8372,  6960,  1544, 0),
  -- 18 State income, lines 1 and 2 (7.100, 4.667 - 8.000, 4.833)
  ('MISC-2026', 0, 'Box18_L1',        10224,  6720,  1296, 1),
  ('MISC-2026', 0, 'Box18_L2',        10224,  6960,  1296, 1);

-- 1096, 2026, one per page.
INSERT INTO PrintFormats (FormName, type, fieldname, xPos1, yPos1, fieldlength, Justify) VALUES
  -- FILER'S name (0.900, 1.472 - 5.100, 1.667)
  ('1096-2026', 0, 'PayerName',        1296,  2140,  6048, 0),
  -- Street address (0.900, 1.806 - 3.890, 2.000)
  ('1096-2026', 0, 'PayerStreet',      1296,  2620,  4305, 0),
  -- Room or suite no.: the filer's address line above the street (3.900, 1.806 - 5.100, 2.000)
  ('1096-2026', 0, 'PayerSuite',       5616,  2620,  1728, 0),
  -- City or town (0.900, 2.139 - 5.090, 2.333)
  ('1096-2026', 0, 'PayerCity',        1296,  3100,  6033, 0),
  -- State or province (0.900, 2.472 - 2.490, 2.667)
  ('1096-2026', 0, 'PayerState',       1296,  3580,  2289, 0),
  -- ZIP or foreign postal code; Country (2.514 - 3.890) has no column (3.900, 2.472 - 5.100, 2.667)
  ('1096-2026', 0, 'PayerZip',         5616,  3580,  1728, 0),
  -- Name of person to contact (0.714, 2.806 - 3.490, 3.000)
  ('1096-2026', 0, 'Contact',          1028,  4060,  3997, 0),
  -- Telephone number (3.500, 2.806 - 5.600, 3.000)
  ('1096-2026', 0, 'Phone',            5040,  4060,  3024, 0),
  -- Email address (0.714, 3.139 - 3.490, 3.333)
  ('1096-2026', 0, 'Email',            1028,  4540,  3997, 0),
  -- Fax number (3.500, 3.139 - 5.600, 3.333)
  ('1096-2026', 0, 'Fax',              5040,  4540,  3024, 0),
  -- 1 Employer identification number (0.700, 3.500 - 2.200, 3.667)
  ('1096-2026', 0, 'Box1',             1008,  5040,  2160, 0),
  -- 2 Social security number (2.200, 3.500 - 3.500, 3.667)
  ('1096-2026', 0, 'Box2',             3168,  5040,  1872, 0),
  -- 3 Total number of forms (3.500, 3.500 - 4.700, 3.667)
  ('1096-2026', 0, 'Box3',             5040,  5040,  1728, 0),
  -- 4 Federal income tax withheld (4.800, 3.500 - 6.072, 3.667)
  ('1096-2026', 0, 'Box4',             6912,  5040,  1832, 1),
  -- 5 Total amount reported with this Form 1096 (6.200, 3.500 - 7.986, 3.667)
  ('1096-2026', 0, 'Box5',             8928,  5040,  2572, 1),
  -- 6 type of form: 1099-MISC check box (2.550, 4.771 - 2.717, 4.938)
  ('1096-2026', 0, 'Type1099-MISC',    3720,  6869,   144, 0),
  -- 6 type of form: 1099-NEC check box (2.978, 4.771 - 3.145, 4.938)
  ('1096-2026', 0, 'Type1099-NEC',     4337,  6869,   144, 0);
