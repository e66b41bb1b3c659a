-- Form layouts: where each column's value lands on the pre-printed form, in twips from the
-- form's top-left corner (1440 to the inch; inches in the comments). fieldlength is the box's
-- width; Justify 1 marks an amount, right-aligned to end at xPos1 + fieldlength. W-2 and
-- 1099-MISC sheets hold two forms: these rows place the upper one, the run adds 7920 twips
-- for the lower. Columns without a row are not printed.
-- Mark boxes (check marks, kind of payer) are 0.20 in wide; one 12-point line is 240 twips.

-- W-2 wage and tax statement, one of two per sheet.
INSERT INTO PrintFormats (FormName, type, fieldname, xPos1, yPos1, fieldlength, Justify) VALUES
  -- a control number (2.10, 0.65)
  ('W2', 0, 'Boxa',         3024,  936, 1728, 0),
  -- b employer identification number (0.53, 0.97)
  ('W2', 0, 'Boxb',          763, 1397, 3456, 0),
  -- c employer's name and address, 4 lines (0.53, 1.28 and one line apart)
  ('W2', 0, 'Boxc_L1',       763, 1843, 5184, 0),
  ('W2', 0, 'Boxc_L2',       763, 2083, 5184, 0),
  ('W2', 0, 'Boxc_L3',       763, 2323, 5184, 0),
  ('W2', 0, 'Boxc_L4',       763, 2563, 5184, 0),
  -- d employee's social security number (0.53, 2.29)
  ('W2', 0, 'Boxd',          763, 3298, 2880, 0),
  -- e employee's first name and initial (0.53) / last name (2.43), at 2.63
  ('W2', 0, 'Boxe_FName',    763, 3787, 2592, 0),
  ('W2', 0, 'Boxe_LName',   3499, 3787, 2736, 0),
  -- f employee's address, 3 lines (0.53, 2.85 and one line apart)
  ('W2', 0, 'Boxf_L1',       763, 4104, 5184, 0),
  ('W2', 0, 'Boxf_L2',       763, 4344, 5184, 0),
  ('W2', 0, 'Boxf_L3',       763, 4584, 5184, 0),
  -- 1 wages, 3 social security wages, 5 Medicare wages, 7 social security tips,
  -- 9 advance EIC payment, 11 nonqualified plans: left money column (4.65, 1.55 wide)
  ('W2', 0, 'Box1',         6696, 1397, 2232, 1),
  ('W2', 0, 'Box3',         6696, 1886, 2232, 1),
  ('W2', 0, 'Box5',         6696, 2362, 2232, 1),
  ('W2', 0, 'Box7',         6696, 2837, 2232, 1),
  ('W2', 0, 'Box9',         6696, 3326, 2232, 1),
  ('W2', 0, 'Box11',        6696, 3787, 2232, 1),
  -- 2 federal income tax, 4 social security tax, 6 Medicare tax, 8 allocated tips,
  -- 10 dependent care benefits: right money column (6.38, 1.55 wide)
  ('W2', 0, 'Box2',         9187, 1397, 2232, 1),
  ('W2', 0, 'Box4',         9187, 1886, 2232, 1),
  ('W2', 0, 'Box6',         9187, 2362, 2232, 1),
  ('W2', 0, 'Box8',         9187, 2837, 2232, 1),
  ('W2', 0, 'Box10',        9187, 3326, 2232, 1),
  -- 12a to 12d: code (6.39, 0.30 wide) and amount (6.82, 1.10 wide)
  ('W2', 0, 'Box12a_Code',  9202, 3787,  432, 0),
  ('W2', 0, 'Box12a_Amt',   9821, 3787, 1584, 1),
  ('W2', 0, 'Box12b_Code',  9202, 4277,  432, 0),
  ('W2', 0, 'Box12b_Amt',   9821, 4277, 1584, 1),
  ('W2', 0, 'Box12c_Code',  9202, 4766,  432, 0),
  ('W2', 0, 'Box12c_Amt',   9821, 4766, 1584, 1),
  ('W2', 0, 'Box12d_Code',  9202, 5242,  432, 0),
  ('W2', 0, 'Box12d_Amt',   9821, 5242, 1584, 1),
  -- 13 statutory employee / retirement plan / third-party sick pay marks (4.83, 5.33, 5.83; 2.97)
  ('W2', 0, 'Box13a',       6955, 4277,  288, 0),
  ('W2', 0, 'Box13b',       7675, 4277,  288, 0),
  ('W2', 0, 'Box13c',       8395, 4277,  288, 0),
  -- 14 other, 3 lines (4.65, 3.31 and one line apart)
  ('W2', 0, 'Box14_L1',     6696, 4766, 2232, 0),
  ('W2', 0, 'Box14_L2',     6696, 5006, 2232, 0),
  ('W2', 0, 'Box14_L3',     6696, 5246, 2232, 0),
  -- 15 state (0.53) and employer's state ID (0.90), lines at 4.17 and 4.51
  ('W2', 0, 'Box15a_L1',     763, 6005,  432, 0),
  ('W2', 0, 'Box15b_L1',    1296, 6005, 2520, 0),
  ('W2', 0, 'Box15a_L2',     763, 6494,  432, 0),
  ('W2', 0, 'Box15b_L2',    1296, 6494, 2520, 0),
  -- 16 state wages (2.72, 1.10 wide)
  ('W2', 0, 'Box16_L1',     3917, 6005, 1584, 1),
  ('W2', 0, 'Box16_L2',     3917, 6494, 1584, 1),
  -- 17 state income tax (3.90, 1.00 wide)
  ('W2', 0, 'Box17_L1',     5616, 6005, 1440, 1),
  ('W2', 0, 'Box17_L2',     5616, 6494, 1440, 1),
  -- 18 local wages (5.00, 1.10 wide)
  ('W2', 0, 'Box18_L1',     7200, 6005, 1584, 1),
  ('W2', 0, 'Box18_L2',     7200, 6494, 1584, 1),
  -- 19 local income tax (6.19, 1.00 wide)
  ('W2', 0, 'Box19_L1',     8914, 6005, 1440, 1),
  ('W2', 0, 'Box19_L2',     8914, 6494, 1440, 1),
  -- 20 locality name (7.31, 0.90 wide)
  ('W2', 0, 'Box20_L1',    10526, 6005, 1296, 0),
  ('W2', 0, 'Box20_L2',    10526, 6494, 1296, 0);

-- W-3 transmittal, one per page. The W-3 run prints W3 columns 18 to 31 and 34 to 37 as
-- amounts whatever Justify says; Box13 holds a label and so prints blank.
INSERT INTO PrintFormats (FormName, type, fieldname, xPos1, yPos1, fieldlength, Justify) VALUES
  -- a control number (1.39, 0.63)
  ('W3', 0, 'Boxa',         2002,  907, 1440, 0),
  -- b kind of payer marks: 941, Military, 943 (1.69, 2.19, 2.69; 1.00)
  ('W3', 0, 'Boxb_941',     2434, 1440,  288, 0),
  ('W3', 0, 'Boxb_M',       3154, 1440,  288, 0),
  ('W3', 0, 'Boxb_943',     3874, 1440,  288, 0),
  -- b CT-1, household employer, Medicare govt. employer, third-party sick pay (1.69 to 3.19; 1.33)
  ('W3', 0, 'Boxb_CT-1',    2434, 1915,  288, 0),
  ('W3', 0, 'Boxb_HHE',     3154, 1915,  288, 0),
  ('W3', 0, 'Boxb_MG',      3874, 1915,  288, 0),
  ('W3', 0, 'Boxb_3PSP',    4594, 1915,  288, 0),
  -- c total number of W-2s (0.53) / d establishment number (2.11), at 1.63
  ('W3', 0, 'Boxc',          763, 2347, 2016, 0),
  ('W3', 0, 'Boxd',         3038, 2347, 1440, 0),
  -- e employer identification number (0.53, 1.94)
  ('W3', 0, 'Boxe',          763, 2794, 3456, 0),
  -- f employer's name (0.53, 2.29)
  ('W3', 0, 'Boxf',          763, 3298, 4320, 0),
  -- g employer's address, 3 lines (0.53, 2.53 and one line apart)
  ('W3', 0, 'Boxg_L1',       763, 3643, 4320, 0),
  ('W3', 0, 'Boxg_L2',       763, 3883, 4320, 0),
  ('W3', 0, 'Boxg_L3',       763, 4123, 4320, 0),
  -- h other EIN used this year (0.53, 3.61)
  ('W3', 0, 'Boxh',          763, 5198, 3456, 0),
  -- 1, 3, 5, 7, 9, 11, 13: left money column (3.71, 1.9 wide), rows 1.63 to 3.63
  ('W3', 0, 'Box1',         5342, 2347, 2736, 1),
  ('W3', 0, 'Box3',         5342, 2837, 2736, 1),
  ('W3', 0, 'Box5',         5342, 3312, 2736, 1),
  ('W3', 0, 'Box7',         5342, 3787, 2736, 1),
  ('W3', 0, 'Box9',         5342, 4277, 2736, 1),
  ('W3', 0, 'Box11',        5342, 4752, 2736, 1),
  ('W3', 0, 'Box13',        5342, 5227, 2736, 0),
  -- 2, 4, 6, 8, 10, 12, 14: right money column (5.86, 1.9 wide)
  ('W3', 0, 'Box2',         8438, 2347, 2736, 1),
  ('W3', 0, 'Box4',         8438, 2837, 2736, 1),
  ('W3', 0, 'Box6',         8438, 3312, 2736, 1),
  ('W3', 0, 'Box8',         8438, 3787, 2736, 1),
  ('W3', 0, 'Box10',        8438, 4277, 2736, 1),
  ('W3', 0, 'Box12',        8438, 4752, 2736, 1),
  ('W3', 0, 'Box14',        8438, 5227, 2736, 1),
  -- 15 state (0.53) / employer's state ID (0.90), at 3.96
  ('W3', 0, 'Box15a',        763, 5702,  432, 0),
  ('W3', 0, 'Box15b',       1296, 5702, 2520, 0),
  -- 16 state wages, 17 state income tax, 18 local wages, 19 local income tax
  -- (0.53, 2.40, 4.30, 6.20, 1.7 wide; 4.29)
  ('W3', 0, 'Box16',         763, 6178, 2448, 1),
  ('W3', 0, 'Box17',        3456, 6178, 2448, 1),
  ('W3', 0, 'Box18',        6192, 6178, 2448, 1),
  ('W3', 0, 'Box19',        8928, 6178, 2448, 1),
  -- contact person (0.53) / telephone (4.30), at 4.61
  ('W3', 0, 'Contact',       763, 6638, 5040, 0),
  ('W3', 0, 'Phone',        6192, 6638, 2880, 0),
  -- e-mail address (0.53) / fax (4.30), at 4.95
  ('W3', 0, 'Email',         763, 7128, 5040, 0),
  ('W3', 0, 'Fax',          6192, 7128, 2880, 0);

-- 1099-MISC, one of two per sheet.
INSERT INTO PrintFormats (FormName, type, fieldname, xPos1, yPos1, fieldlength, Justify) VALUES
  -- CORRECTED mark (3.45, 0.40)
  ('1099-MISC', 0, 'CorrectedFlag', 4968,  576,  288, 0),
  -- payer's name and 3 address lines (0.67, 0.83 and one line apart)
  ('1099-MISC', 0, 'PayerName',      965, 1195, 4896, 0),
  ('1099-MISC', 0, 'PayerL1',        965, 1435, 4896, 0),
  ('1099-MISC', 0, 'PayerL2',        965, 1675, 4896, 0),
  ('1099-MISC', 0, 'PayerL3',        965, 1915, 4896, 0),
  -- payer's federal identification number (0.67) / recipient's identification number (2.39), at 2.36
  ('1099-MISC', 0, 'FedIDNo',        965, 3398, 2304, 0),
  ('1099-MISC', 0, 'RecIDNo',       3442, 3398, 2448, 0),
  -- recipient's name, 2 lines (0.67, 2.85 and one line apart)
  ('1099-MISC', 0, 'RecName1',       965, 4104, 4896, 0),
  ('1099-MISC', 0, 'RecName2',       965, 4344, 4896, 0),
  -- street address (0.67, 3.47)
  ('1099-MISC', 0, 'RecAddr',        965, 4997, 4896, 0),
  -- city, state and ZIP (0.67, 3.96)
  ('1099-MISC', 0, 'RecCityStZip',   965, 5702, 4896, 0),
  -- account number (0.67) / 2nd TIN notice mark (3.85), at 4.44
  ('1099-MISC', 0, 'AcctNo',         965, 6394, 4032, 0),
  ('1099-MISC', 0, 'TIN',           5544, 6394,  288, 0),
  -- 1 rents (4.24, 1.00) / 2 royalties (4.24, 1.50); money columns 1.30 wide
  ('1099-MISC', 0, 'Box1',          6106, 1440, 1872, 1),
  ('1099-MISC', 0, 'Box2',          6106, 2160, 1872, 1),
  -- 3 other income (4.24) / 4 federal income tax withheld (5.63), at 1.92
  ('1099-MISC', 0, 'Box3',          6106, 2765, 1872, 1),
  ('1099-MISC', 0, 'Box4',          8107, 2765, 1872, 1),
  -- 5 fishing boat proceeds / 6 medical and health care payments, at 2.50
  ('1099-MISC', 0, 'Box5',          6106, 3600, 1872, 1),
  ('1099-MISC', 0, 'Box6',          8107, 3600, 1872, 1),
  -- 7 nonemployee compensation / 8 substitute payments, at 3.17
  ('1099-MISC', 0, 'Box7',          6106, 4565, 1872, 1),
  ('1099-MISC', 0, 'Box8',          8107, 4565, 1872, 1),
  -- 9 direct sales mark (5.28) / 10 crop insurance proceeds (5.63), at 3.65
  ('1099-MISC', 0, 'Box9',          7603, 5256,  288, 0),
  ('1099-MISC', 0, 'Box10',         8107, 5256, 1872, 1),
  -- 13 excess golden parachute payments / 14 gross proceeds paid to an attorney, at 4.20
  ('1099-MISC', 0, 'Box13',         6106, 6048, 1872, 1),
  ('1099-MISC', 0, 'Box14',         8107, 6048, 1872, 1),
  -- 15, two lines (4.24, 4.50 and one line apart)
  ('1099-MISC', 0, 'Box15a',        6106, 6480, 3744, 0),
  ('1099-MISC', 0, 'Box15b',        6106, 6720, 3744, 0),
  -- 16 state tax withheld (4.24), lines at 4.86 and 5.03
  ('1099-MISC', 0, 'Box16_L1',      6106, 6998, 1872, 1),
  ('1099-MISC', 0, 'Box16_L2',      6106, 7243, 1872, 1),
  -- 17 state (5.63) and payer's state number (5.98)
  ('1099-MISC', 0, 'Box17a_L1',     8107, 6998,  432, 0),
  ('1099-MISC', 0, 'Box17b_L1',     8611, 6998, 1440, 0),
  ('1099-MISC', 0, 'Box17a_L2',     8107, 7243,  432, 0),
  ('1099-MISC', 0, 'Box17b_L2',     8611, 7243, 1440, 0),
  -- 18 state income (7.01, 1.00 wide)
  ('1099-MISC', 0, 'Box18_L1',     10094, 6998, 1440, 1),
  ('1099-MISC', 0, 'Box18_L2',     10094, 7243, 1440, 1);

-- 1096 annual summary and transmittal, one per page. The 1096 run prints columns 12 and 13
-- (Box4, Box5) as amounts whatever Justify says.
INSERT INTO PrintFormats (FormName, type, fieldname, xPos1, yPos1, fieldlength, Justify) VALUES
  -- filer's name and 3 address lines (0.92, 1.53 and one line apart)
  ('1096', 0, 'PayerName',  1325, 2203, 5760, 0),
  ('1096', 0, 'PayerL1',    1325, 2443, 5760, 0),
  ('1096', 0, 'PayerL2',    1325, 2683, 5760, 0),
  ('1096', 0, 'PayerL3',    1325, 2923, 5760, 0),
  -- name of person to contact (0.92) / telephone number (3.60), at 2.60
  ('1096', 0, 'Contact',    1325, 3744, 3744, 0),
  ('1096', 0, 'Phone',      5184, 3744, 2880, 0),
  -- e-mail address (0.92) / fax number (3.60), at 2.95
  ('1096', 0, 'Email',      1325, 4248, 3744, 0),
  ('1096', 0, 'Fax',        5184, 4248, 2880, 0),
  -- 1 employer identification number (0.74) / 2 social security number (2.10), at 3.47
  ('1096', 0, 'Box1',       1066, 4997, 1872, 0),
  ('1096', 0, 'Box2',       3024, 4997, 1872, 0),
  -- 3 total number of forms (3.54) / 4 federal income tax withheld (4.79) /
  -- 5 total amount reported (6.18), at 3.47; amounts 1.20 wide
  ('1096', 0, 'Box3',       5098, 4997, 1440, 0),
  ('1096', 0, 'Box4',       6898, 4997, 1728, 1),
  ('1096', 0, 'Box5',       8899, 4997, 1728, 1),
  -- 1099-MISC type of form mark (4.90, 4.92)
  ('1096', 0, '1099-MISC',  7056, 7085,  288, 0);
