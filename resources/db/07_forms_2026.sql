-- Form editions: which layout prints the W-2 and W-3 of a tax year, and the 2026 layouts.
-- Runs on a new database and on an older file that has only the 2001 layouts; running it
-- again leaves the same rows.
--
-- A database's tax year (Settings.Year) chooses the edition whose years hold it; a year that
-- no edition holds is refused rather than printed on a guessed layout. 2025 has none: the
-- 2026 instructions (General Instructions for Forms W-2 and W-3, 2026, What's New) say box 9
-- was made smaller and box 14 split into 14a and 14b on the 2026 form, so the 2025 form is
-- neither the 2026 one nor the early-2000s one (its box a is the employee's SSN).
CREATE TABLE IF NOT EXISTS FormEditions (
  Form            TEXT(10) COLLATE NOCASE NOT NULL,  -- "W2" or "W3"
  FirstYear       INTEGER NOT NULL,                  -- first tax year the edition prints
  LastYear        INTEGER,                           -- last one; Null: every later year
  FormName        TEXT(10) COLLATE NOCASE NOT NULL,  -- PrintFormats FormName of its layout
  LowerFormOffset INTEGER NOT NULL DEFAULT 7920,     -- two-up sheets: twips from the upper form down to the lower
  DeferralCodes   TEXT(60) COLLATE NOCASE,           -- W-3: the W-2 box 12 codes its deferred compensation box totals
  PRIMARY KEY (Form, FirstYear)
);

-- DeferralCodes: codes apart by spaces; "D-H" is every code that sorts from D to H, as the
-- early-2000s program totalled them.
DELETE FROM FormEditions WHERE Form IN ('W2', 'W3');
INSERT INTO FormEditions (Form, FirstYear, LastYear, FormName, LowerFormOffset, DeferralCodes) VALUES
  -- The early-2000s forms as shipped (box a the control number, box d the SSN).
  ('W2', 2001, 2024, 'W2', 7920, NULL),
  ('W3', 2001, 2024, 'W3', 0, 'D-H S'),
  -- The 2026 forms. The Copy A page of the 2026 fw2.pdf shows one form, its boxes in the top
  -- half of the sheet; the lower form of a two-up sheet is taken as 5.5 in below, as on the
  -- two-up stock of the early-2000s forms.
  ('W2', 2026, NULL, 'W2-2026', 7920, NULL),
  -- W-3 box 12a "Deferred compensation": "the total of all amounts reported with codes D
  -- through H, S, Y, AA, BB, and EE in box 12 on Forms W-2" (2026 General Instructions for
  -- Forms W-2 and W-3, Box 12a).
  ('W3', 2026, NULL, 'W3-2026', 0, 'D E F G H S Y AA BB EE');

-- The 2026 layouts, measured from the fillable 2026 forms of the IRS (fw2.pdf Copy A page,
-- fw3.pdf form page, both "Created 1/7/26"): each value sits on the fill-in field that the
-- form puts in its box below the caption. Comments give the box, its caption and that field's
-- rectangle in inches from the page's top-left corner (left, top - right, bottom). Twips as in
-- 05_print_formats.sql; a text takes one 12-point line (240 twips) from yPos1 down. The marks
-- are an 0.14 in check box: the mark's letter (0.03 to 0.14 in below the line's top in the
-- 12-point face) is centred on it.
DELETE FROM PrintFormats WHERE FormName IN ('W2-2026', 'W3-2026');

-- W-2, 2026, one of two per sheet.
INSERT INTO PrintFormats (FormName, type, fieldname, xPos1, yPos1, fieldlength, Justify) VALUES
  -- a Employee's social security number (2.128, 0.667 - 3.872, 0.833)
  ('W2-2026', 0, 'Boxd',         3064,  960, 2512, 0),
  -- b Employer identification number (EIN) (0.528, 1.000 - 4.586, 1.167)
  ('W2-2026', 0, 'Boxb',          760, 1440, 5844, 0),
  -- c Employer's name, address, and ZIP code, 4 lines (0.528, 1.333 - 4.586, 2.167)
  ('W2-2026', 0, 'Boxc_L1',       760, 1920, 5844, 0),
  ('W2-2026', 0, 'Boxc_L2',       760, 2160, 5844, 0),
  ('W2-2026', 0, 'Boxc_L3',       760, 2400, 5844, 0),
  ('W2-2026', 0, 'Boxc_L4',       760, 2640, 5844, 0),
  -- d Control number (0.528, 2.333 - 4.586, 2.500)
  ('W2-2026', 0, 'Boxa',          760, 3360, 5844, 0),
  -- e Employee's first name and initial (0.528, 2.667 - 2.386, 2.833)
  ('W2-2026', 0, 'Boxe_FName',    760, 3840, 2676, 0),
  -- e Last name (2.414, 2.667 - 4.286, 2.833); Suff. (4.314 - 4.586) has no column
  ('W2-2026', 0, 'Boxe_LName',   3476, 3840, 2696, 0),
  -- f Employee's address and ZIP code, 3 lines (0.528, 2.861 - 4.586, 3.833)
  ('W2-2026', 0, 'Boxf_L1',       760, 4120, 5844, 0),
  ('W2-2026', 0, 'Boxf_L2',       760, 4360, 5844, 0),
  ('W2-2026', 0, 'Boxf_L3',       760, 4600, 5844, 0),
  -- 1 Wages, tips, other compensation (4.628, 1.000 - 6.272, 1.167)
  ('W2-2026', 0, 'Box1',         6664, 1440, 2368, 1),
  -- 2 Federal income tax withheld (6.328, 1.000 - 7.972, 1.167)
  ('W2-2026', 0, 'Box2',         9112, 1440, 2368, 1),
  -- 3 Social security wages (4.614, 1.333 - 6.286, 1.500)
  ('W2-2026', 0, 'Box3',         6644, 1920, 2408, 1),
  -- 4 Social security tax withheld (6.314, 1.333 - 7.972, 1.500)
  ('W2-2026', 0, 'Box4',         9092, 1920, 2388, 1),
  -- 5 Medicare wages and tips (4.614, 1.667 - 6.286, 1.833)
  ('W2-2026', 0, 'Box5',         6644, 2400, 2408, 1),
  -- 6 Medicare tax withheld (6.314, 1.667 - 7.972, 1.833)
  ('W2-2026', 0, 'Box6',         9092, 2400, 2388, 1),
  -- 7 Social security tips (4.614, 2.000 - 6.286, 2.167)
  ('W2-2026', 0, 'Box7',         6644, 2880, 2408, 1),
  -- 8 Allocated tips (6.314, 2.000 - 7.972, 2.167)
  ('W2-2026', 0, 'Box8',         9092, 2880, 2388, 1),
  -- 9 (4.814, 2.167 - 6.286, 2.333) has no row: the 2026 instructions give it no entry on the
  -- W-2 and say "Do not enter an amount in box 9" of the W-3.
  -- 10 Dependent care benefits (6.314, 2.333 - 7.972, 2.500)
  ('W2-2026', 0, 'Box10',        9092, 3360, 2388, 1),
  -- 11 Nonqualified plans (4.614, 2.500 - 6.286, 2.667)
  ('W2-2026', 0, 'Box11',        6644, 3600, 2408, 1),
  -- 12a code (6.428, 2.667 - 6.786, 2.833) and amount (6.814, 2.667 - 7.972, 2.833)
  ('W2-2026', 0, 'Box12a_Code',  9256, 3840,  516, 0),
  ('W2-2026', 0, 'Box12a_Amt',   9812, 3840, 1668, 1),
  -- 12b code and amount (same columns, 3.000 - 3.167)
  ('W2-2026', 0, 'Box12b_Code',  9256, 4320,  516, 0),
  ('W2-2026', 0, 'Box12b_Amt',   9812, 4320, 1668, 1),
  -- 12c code and amount (3.333 - 3.500)
  ('W2-2026', 0, 'Box12c_Code',  9256, 4800,  516, 0),
  ('W2-2026', 0, 'Box12c_Amt',   9812, 4800, 1668, 1),
  -- 12d code and amount (3.667 - 3.833)
  ('W2-2026', 0, 'Box12d_Code',  9256, 5280,  516, 0),
  ('W2-2026', 0, 'Box12d_Amt',   9812, 5280, 1668, 1),
  -- 13 Statutory employee (4.842, 2.837 - 4.981, 2.976), Retirement plan (5.342, 2.837 -
  -- 5.481, 2.976), Third-party sick pay (5.842, 2.833 - 5.981, 2.972) check boxes
  ('W2-2026', 0, 'Box13a',       7000, 4050,  144, 0),
  ('W2-2026', 0, 'Box13b',       7720, 4050,  144, 0),
  ('W2-2026', 0, 'Box13c',       8440, 4050,  144, 0),
  -- 14a Other, 3 lines (4.614, 3.167 - 6.286, 3.667)
  ('W2-2026', 0, 'Box14_L1',     6644, 4560, 2408, 0),
  ('W2-2026', 0, 'Box14_L2',     6644, 4800, 2408, 0),
  ('W2-2026', 0, 'Box14_L3',     6644, 5040, 2408, 0),
  -- 14b Treasury Tipped Occupation Code(s): first (4.614, 3.833 - 5.436, 4.000) and second
  -- (5.464, 3.833 - 6.286, 4.000) code
  ('W2-2026', 0, 'Box14b_L1',    6644, 5520, 1184, 0),
  ('W2-2026', 0, 'Box14b_L2',    7868, 5520, 1184, 0),
  -- 15 State (0.528, 4.167 - 0.886, 4.333) and Employer's state ID number (0.914 - 2.686);
  -- line 2 at 4.500 - 4.667
  ('W2-2026', 0, 'Box15a_L1',     760, 6000,  516, 0),
  ('W2-2026', 0, 'Box15b_L1',    1316, 6000, 2552, 0),
  ('W2-2026', 0, 'Box15a_L2',     760, 6480,  516, 0),
  ('W2-2026', 0, 'Box15b_L2',    1316, 6480, 2552, 0),
  -- 16 State wages, tips, etc. (2.714 - 3.886)
  ('W2-2026', 0, 'Box16_L1',     3908, 6000, 1688, 1),
  ('W2-2026', 0, 'Box16_L2',     3908, 6480, 1688, 1),
  -- 17 State income tax (3.914 - 4.986)
  ('W2-2026', 0, 'Box17_L1',     5636, 6000, 1544, 1),
  ('W2-2026', 0, 'Box17_L2',     5636, 6480, 1544, 1),
  -- 18 Local wages, tips, etc. (5.014 - 6.186)
  ('W2-2026', 0, 'Box18_L1',     7220, 6000, 1688, 1),
  ('W2-2026', 0, 'Box18_L2',     7220, 6480, 1688, 1),
  -- 19 Local income tax (6.214 - 7.286)
  ('W2-2026', 0, 'Box19_L1',     8948, 6000, 1544, 1),
  ('W2-2026', 0, 'Box19_L2',     8948, 6480, 1544, 1),
  -- 20 Locality name (7.314 - 7.972)
  ('W2-2026', 0, 'Box20_L1',    10532, 6000,  948, 0),
  ('W2-2026', 0, 'Box20_L2',    10532, 6480,  948, 0);

-- W-3, 2026, one per page. As on the early-2000s W-3, the run prints W3 columns 18 to 31 and
-- 34 to 37 as amounts.
INSERT INTO PrintFormats (FormName, type, fieldname, xPos1, yPos1, fieldlength, Justify) VALUES
  -- a Control number (1.367, 0.667 - 2.990, 0.833)
  ('W3-2026', 0, 'Boxa',         1969,  960, 2336, 0),
  -- b Kind of Payer check boxes, row 1: 941 (1.700, 1.000 - 1.839, 1.139), Military (2.200),
  -- 943 (2.700); 944 (3.200) has no column
  ('W3-2026', 0, 'Boxb_941',     2476, 1419,  144, 0),
  ('W3-2026', 0, 'Boxb_M',       3196, 1419,  144, 0),
  ('W3-2026', 0, 'Boxb_943',     3916, 1419,  144, 0),
  -- row 2: CT-1 (1.700, 1.333 - 1.839, 1.472), Hshld. emp. (2.200), Medicare govt. emp. (2.700)
  ('W3-2026', 0, 'Boxb_CT-1',    2476, 1899,  144, 0),
  ('W3-2026', 0, 'Boxb_HHE',     3196, 1899,  144, 0),
  ('W3-2026', 0, 'Boxb_MG',      3916, 1899,  144, 0),
  -- Third-party sick pay (Check if applicable) (7.500, 1.333 - 7.639, 1.472); the Kind of
  -- Employer boxes have no column
  ('W3-2026', 0, 'Boxb_3PSP',   10828, 1899,  144, 0),
  -- c Total number of Forms W-2 (0.514, 1.667 - 2.086, 1.833)
  ('W3-2026', 0, 'Boxc',          740, 2400, 2264, 0),
  -- d Establishment number (2.114, 1.667 - 3.686, 1.833)
  ('W3-2026', 0, 'Boxd',         3044, 2400, 2264, 0),
  -- e Employer identification number (EIN) (0.514, 2.000 - 3.686, 2.167)
  ('W3-2026', 0, 'Boxe',          740, 2880, 4568, 0),
  -- f Employer's name (0.514, 2.333 - 3.686, 2.500)
  ('W3-2026', 0, 'Boxf',          740, 3360, 4568, 0),
  -- g Employer's address and ZIP code, 3 lines (0.514, 2.833 - 3.686, 3.333)
  ('W3-2026', 0, 'Boxg_L1',       740, 4080, 4568, 0),
  ('W3-2026', 0, 'Boxg_L2',       740, 4320, 4568, 0),
  ('W3-2026', 0, 'Boxg_L3',       740, 4560, 4568, 0),
  -- h Other EIN used this year (0.514, 3.667 - 3.686, 3.833)
  ('W3-2026', 0, 'Boxh',          740, 5280, 4568, 0),
  -- 1 Wages, tips, other compensation (3.714, 1.667 - 5.836, 1.833)
  ('W3-2026', 0, 'Box1',         5348, 2400, 3056, 1),
  -- 2 Federal income tax withheld (5.864, 1.667 - 7.986, 1.833)
  ('W3-2026', 0, 'Box2',         8444, 2400, 3056, 1),
  -- 3 Social security wages / 4 Social security tax withheld (2.000 - 2.167)
  ('W3-2026', 0, 'Box3',         5348, 2880, 3056, 1),
  ('W3-2026', 0, 'Box4',         8444, 2880, 3056, 1),
  -- 5 Medicare wages and tips / 6 Medicare tax withheld (2.333 - 2.500)
  ('W3-2026', 0, 'Box5',         5348, 3360, 3056, 1),
  ('W3-2026', 0, 'Box6',         8444, 3360, 3056, 1),
  -- 7 Social security tips / 8 Allocated tips (2.667 - 2.833)
  ('W3-2026', 0, 'Box7',         5348, 3840, 3056, 1),
  ('W3-2026', 0, 'Box8',         8444, 3840, 3056, 1),
  -- 9 (3.714, 3.000 - 5.836, 3.167) has no row: "Do not enter an amount in box 9."
  -- 10 Dependent care benefits (5.864, 3.000 - 7.986, 3.167)
  ('W3-2026', 0, 'Box10',        8444, 4320, 3056, 1),
  -- 11 Nonqualified plans (3.714, 3.333 - 5.836, 3.500)
  ('W3-2026', 0, 'Box11',        5348, 4800, 3056, 1),
  -- 12a Deferred compensation (5.864, 3.333 - 7.986, 3.500)
  ('W3-2026', 0, 'Box12',        8444, 4800, 3056, 1),
  -- 13 For third-party sick pay use only (3.714, 3.667 - 5.836, 3.833) has no row: "Leave
  -- this box blank." 12b (5.864, 3.667) is shaded.
  -- 14 Income tax withheld by payer of third-party sick pay (3.714, 4.000 - 7.986, 4.167)
  ('W3-2026', 0, 'Box14',        5348, 5760, 6152, 1),
  -- 15 State (0.514, 4.000 - 1.086, 4.167) / Employer's state ID number (1.100 - 3.686)
  ('W3-2026', 0, 'Box15a',        740, 5760,  824, 0),
  ('W3-2026', 0, 'Box15b',       1584, 5760, 3724, 0),
  -- 16 State wages, tips, etc. (0.514, 4.333 - 2.086, 4.500), 17 State income tax (2.114 -
  -- 3.686), 18 Local wages, tips, etc. (3.714 - 5.836), 19 Local income tax (5.864 - 7.986)
  ('W3-2026', 0, 'Box16',         740, 6240, 2264, 1),
  ('W3-2026', 0, 'Box17',        3044, 6240, 2264, 1),
  ('W3-2026', 0, 'Box18',        5348, 6240, 3056, 1),
  ('W3-2026', 0, 'Box19',        8444, 6240, 3056, 1),
  -- Employer's contact person (0.514, 4.667 - 3.686, 4.833) / telephone number (3.714 - 5.836)
  ('W3-2026', 0, 'Contact',       740, 6720, 4568, 0),
  ('W3-2026', 0, 'Phone',        5348, 6720, 3056, 0),
  -- Employer's fax number (0.514, 5.000 - 3.686, 5.167) / email address (3.714 - 7.986)
  ('W3-2026', 0, 'Fax',           740, 7200, 4568, 0),
  ('W3-2026', 0, 'Email',        5348, 7200, 6152, 0);
