-- Recipient copies of the 1099-NEC and 1099-MISC drawn on plain paper: Copy B for the recipient and,
-- where a state line is filled, Copy 2 for the recipient's state return, half a Letter sheet each,
-- then the instructions for recipient. Rows of the tables of 10_copies.sql; runs on a new database
-- and on an older file, and running it again leaves the same rows.
--
-- Payers may furnish recipient statements of their own making (Publication 1099 (2026), General
-- Instructions for Certain Information Returns, "Substitute Statements to Recipients": format and
-- content as Pub. 1179 says; the forms' own cover page: "You may download and print Copy B and
-- other copies of this form, which appear in black, to satisfy the requirement to furnish the
-- information to the recipient").
-- Copy A and Copy 1 are never drawn: Copy A filed on paper must be the red-ink form, and Copy 1
-- goes to a state by the payer. The Rev. December 2026 forms have no Copy C (their pages are Copy
-- A, Copy 1, Copy B and Copy 2), so none is drawn.
--
-- Each box as on the Copy B page of the official PDF (f1099nec-2026.pdf and f1099msc-2026.pdf,
-- Rev. December 2026): the comments give it in inches from the page's top-left corner (left, top -
-- right, bottom), read from the field rectangles and the printed rules and captions. The copy
-- draws it at full size, 1/12 in higher than on the page so that the form and its footer fit half
-- a sheet: x = left, y = top - 1/12. Captions are the form's; the payer's and the recipient's
-- address lines go into the form's street, city, state and ZIP boxes (the columns named Payer...
-- and Recipient... are split from the lines by the run; the TINs are formatted by it). Columns
-- joined by + share one line. Copy 2 is drawn only when a column of its "onlyif" slot is filled.

DELETE FROM CopyDrawings WHERE Drawing IN ('1099NEC-2026', '1099MISC-2026');
DELETE FROM CopyItems WHERE Drawing IN ('1099NEC-2026', '1099MISC-2026');
DELETE FROM CopyLegends WHERE Drawing IN ('1099NEC-2026', '1099MISC-2026');
DELETE FROM CopyTexts WHERE Drawing IN ('1099NEC-2026', '1099MISC-2026');

-- Copy B above Copy 2 on a Letter sheet, each 8 1/2 x 5 1/2 in. Only tax year 2026: the forms are
-- continuous-use revisions, but a later year may change their boxes.
INSERT INTO CopyDrawings (Drawing, Form, FirstYear, LastYear, CopyWidth, CopyHeight, PerRow) VALUES
  ('1099NEC-2026', '1099-NEC', 2026, 2026, 12240, 7920, 1),
  ('1099MISC-2026', '1099-MISC', 2026, 2026, 12240, 7920, 1);

-- Form 1099-NEC (Rev. December 2026), f1099nec-2026.pdf, Copy B page (page 4). OMB No. 1545-0116.
INSERT INTO CopyItems (Drawing, Seq, Kind, BoxNo, Caption, X, Y, W, H, Columns, FontSize, Bold) VALUES
  -- CORRECTED check box (3.400, 0.340 - 3.539, 0.479)
  ('1099NEC-2026',  1, 'mark', '', '', 4896, 370, 200, 200, 'CorrectedFlag', 0, 0),
  -- CORRECTED (if checked) (3.600, 0.328 - 5.400, 0.490)
  ('1099NEC-2026',  2, 'legend', '', '', 5184, 352, 2592, 234, 'corrected', 9, 0),
  -- PAYER’S name (0.700, 0.500 - 4.100, 1.000)
  ('1099NEC-2026',  3, 'text', '', 'PAYER’S name', 1008, 600, 4896, 720, 'PayerName', 0, 0),
  -- Street address (0.700, 1.000 - 2.900, 1.333)
  ('1099NEC-2026',  4, 'text', '', 'Street address', 1008, 1320, 3168, 480, 'PayerStreet', 0, 0),
  -- Room or suite no. (2.900, 1.000 - 4.100, 1.333)
  ('1099NEC-2026',  5, 'text', '', 'Room or suite no.', 4176, 1320, 1728, 480, 'PayerRoom', 0, 0),
  -- City or town (0.700, 1.333 - 2.900, 1.667)
  ('1099NEC-2026',  6, 'text', '', 'City or town', 1008, 1800, 3168, 480, 'PayerCity', 0, 0),
  -- Telephone number (2.900, 1.333 - 4.100, 1.667)
  ('1099NEC-2026',  7, 'text', '', 'Telephone number', 4176, 1800, 1728, 480, 'PayerPhone', 0, 0),
  -- State or province (0.700, 1.667 - 2.400, 2.000)
  ('1099NEC-2026',  8, 'text', '', 'State or province', 1008, 2280, 2448, 480, 'PayerState', 0, 0),
  -- Country (2.400, 1.667 - 2.900, 2.000)
  ('1099NEC-2026',  9, 'empty', '', 'Country', 3456, 2280, 720, 480, '', 0, 0),
  -- ZIP or foreign postal code (2.900, 1.667 - 4.100, 2.000)
  ('1099NEC-2026', 10, 'text', '', 'ZIP or foreign postal code', 4176, 2280, 1728, 480, 'PayerZip', 0, 0),
  -- PAYER’S TIN (0.700, 2.000 - 2.400, 2.500)
  ('1099NEC-2026', 11, 'text', '', 'PAYER’S TIN', 1008, 2760, 2448, 720, 'PayerTin', 0, 0),
  -- RECIPIENT’S TIN (2.400, 2.000 - 4.100, 2.500)
  ('1099NEC-2026', 12, 'text', '', 'RECIPIENT’S TIN', 3456, 2760, 2448, 720, 'RecipientTin', 0, 0),
  -- RECIPIENT’S name (0.700, 2.500 - 4.100, 3.000)
  ('1099NEC-2026', 13, 'text', '', 'RECIPIENT’S name', 1008, 3480, 4896, 720, 'RecName1 RecName2', 0, 0),
  -- Street address (0.700, 3.000 - 3.400, 3.333)
  ('1099NEC-2026', 14, 'text', '', 'Street address', 1008, 4200, 3888, 480, 'RecAddr', 0, 0),
  -- Apt. no. (3.400, 3.000 - 4.100, 3.333)
  ('1099NEC-2026', 15, 'empty', '', 'Apt. no.', 4896, 4200, 1008, 480, '', 0, 0),
  -- City or town (0.700, 3.333 - 4.100, 3.667)
  ('1099NEC-2026', 16, 'text', '', 'City or town', 1008, 4680, 4896, 480, 'RecipientCity', 0, 0),
  -- State or province (0.700, 3.667 - 2.400, 4.000)
  ('1099NEC-2026', 17, 'text', '', 'State or province', 1008, 5160, 2448, 480, 'RecipientState', 0, 0),
  -- Country (2.400, 3.667 - 2.900, 4.000)
  ('1099NEC-2026', 18, 'empty', '', 'Country', 3456, 5160, 720, 480, '', 0, 0),
  -- ZIP or foreign postal code (2.900, 3.667 - 4.100, 4.000)
  ('1099NEC-2026', 19, 'text', '', 'ZIP or foreign postal code', 4176, 5160, 1728, 480, 'RecipientZip', 0, 0),
  -- blank box above the account number (0.700, 4.000 - 4.100, 4.500)
  ('1099NEC-2026', 20, 'empty', '', '', 1008, 5640, 4896, 720, '', 0, 0),
  -- Account number (see instructions) (0.700, 4.500 - 4.100, 5.000)
  ('1099NEC-2026', 21, 'text', '', 'Account number (see instructions)', 1008, 6360, 4896, 720, 'AcctNo', 0, 0),
  -- blank box above box 1a (4.100, 0.500 - 5.500, 1.500)
  ('1099NEC-2026', 22, 'empty', '', '', 5904, 600, 2016, 1440, '', 0, 0),
  -- box of the OMB number and form name (5.500, 0.500 - 6.500, 1.167)
  ('1099NEC-2026', 23, 'empty', '', '', 7920, 600, 1440, 960, '', 0, 0),
  -- box of the calendar year (5.500, 1.167 - 6.500, 1.500)
  ('1099NEC-2026', 24, 'empty', '', '', 7920, 1560, 1440, 480, '', 0, 0),
  -- OMB No. 1545-0116 (5.549, 0.532 - 6.500, 0.646)
  ('1099NEC-2026', 25, 'label', '', 'OMB No. 1545-0116', 7991, 646, 1369, 164, '', 7, 0),
  -- Form (5.537, 0.771 - 5.800, 0.894)
  ('1099NEC-2026', 26, 'label', '', 'Form', 7973, 990, 379, 177, '', 7, 0),
  -- 1099-NEC (5.790, 0.729 - 6.500, 0.894)
  ('1099NEC-2026', 27, 'label', '', '1099-NEC', 8338, 930, 1022, 237, '', 10, -1),
  -- (Rev. December 2026) (5.527, 1.012 - 6.500, 1.126)
  ('1099NEC-2026', 28, 'label', '', '(Rev. December 2026)', 7959, 1337, 1401, 164, '', 6.5, 0),
  -- For calendar year (5.594, 1.183 - 6.500, 1.299)
  ('1099NEC-2026', 29, 'label', '', 'For calendar year', 8055, 1584, 1305, 167, '', 7, 0),
  -- the calendar year, in its field (5.850, 1.310 - 6.200, 1.458)
  ('1099NEC-2026', 30, 'label', '', '2026', 8424, 1766, 504, 214, '', 8, -1),
  -- form name (6.937, 0.792 - 8.100, 1.192)
  ('1099NEC-2026', 31, 'label', '', 'Nonemployee Compensation', 9989, 1020, 1675, 576, '', 11, -1),
  -- 1a Nonemployee compensation (4.100, 1.500 - 6.900, 2.000)
  ('1099NEC-2026', 32, 'amount', '1a', 'Nonemployee compensation', 5904, 2040, 4032, 720, 'NonemployeeComp', 0, 0),
  -- 1b Cash tips (4.100, 2.000 - 5.500, 2.500)
  ('1099NEC-2026', 33, 'amount', '1b', 'Cash tips', 5904, 2760, 2016, 720, 'CashTips', 0, 0),
  -- 1c TTOC (5.500, 2.000 - 6.900, 2.500)
  ('1099NEC-2026', 34, 'joined', '1c', 'TTOC', 7920, 2760, 2016, 720, 'TipCode1 TipCode2', 0, 0),
  -- 1d Overtime compensation (4.100, 2.500 - 6.900, 3.000)
  ('1099NEC-2026', 35, 'amount', '1d', 'Overtime compensation', 5904, 3480, 4032, 720, 'Overtime', 0, 0),
  -- 2 Payer made direct sales totaling $5,000 or more of consumer products to recipient for resale (4.100, 3.000 - 6.900, 3.500)
  ('1099NEC-2026', 36, 'empty', '2', 'Payer made direct sales totaling $5,000 or more of consumer products to recipient for resale', 5904, 4200, 4032, 720, '', 0, 0),
  -- box 2 check box (6.700, 3.139 - 6.811, 3.250)
  ('1099NEC-2026', 37, 'mark', '', '', 9648, 4400, 160, 160, 'DirectSales', 0, 0),
  -- 3 Excess golden parachute payments (4.100, 3.500 - 6.900, 4.000)
  ('1099NEC-2026', 38, 'amount', '3', 'Excess golden parachute payments', 5904, 4920, 4032, 720, 'GoldenParachute', 0, 0),
  -- 4 Federal income tax withheld (4.100, 4.000 - 6.900, 4.500)
  ('1099NEC-2026', 39, 'amount', '4', 'Federal income tax withheld', 5904, 5640, 4032, 720, 'FedTaxWithheld', 0, 0),
  -- 5 State tax withheld (4.100, 4.500 - 5.500, 5.000)
  ('1099NEC-2026', 40, 'amount', '5', 'State tax withheld', 5904, 6360, 2016, 720, 'StateTax_L1 StateTax_L2', 0, 0),
  -- 6 State/Payer’s state no. (5.500, 4.500 - 6.900, 5.000)
  ('1099NEC-2026', 41, 'text', '6', 'State/Payer’s state no.', 7920, 6360, 2016, 720, 'State_L1+StateNo_L1 State_L2+StateNo_L2', 0, 0),
  -- 7 State income (6.900, 4.500 - 8.000, 5.000)
  ('1099NEC-2026', 42, 'amount', '7', 'State income', 9936, 6360, 1584, 720, 'StateIncome_L1 StateIncome_L2', 0, 0),
  -- Copy B / Copy 2 (7.200, 1.562 - 8.100, 1.732)
  ('1099NEC-2026', 43, 'legend', '', '', 10368, 2129, 1296, 245, 'copy', 10, -1),
  -- For Recipient / To be filed with ... (6.930, 1.762 - 8.050, 2.312)
  ('1099NEC-2026', 44, 'legend', '', '', 9979, 2417, 1613, 792, 'for', 9, 0),
  -- the notice to the recipient (6.930, 2.310 - 8.000, 4.450)
  ('1099NEC-2026', 45, 'legend', '', '', 9979, 3206, 1541, 3082, 'notice', 8.5, 0),
  -- Form 1099-NEC (Rev. 12-2026) (0.700, 5.000 - 2.500, 5.157)
  ('1099NEC-2026', 46, 'label', '', 'Form 1099-NEC (Rev. 12-2026)', 1008, 7080, 2592, 226, '', 7, 0),
  -- (keep for your records) (2.560, 5.046 - 4.000, 5.160)
  ('1099NEC-2026', 47, 'legend', '', '', 3686, 7146, 2074, 164, 'keep', 7, 0),
  -- www.irs.gov/Form1099NEC (4.093, 5.046 - 5.500, 5.160)
  ('1099NEC-2026', 48, 'label', '', 'www.irs.gov/Form1099NEC', 5894, 7146, 2026, 164, '', 7, 0),
  -- Department of the Treasury - Internal Revenue Service (5.638, 5.046 - 8.100, 5.160)
  ('1099NEC-2026', 49, 'label', '', 'Department of the Treasury - Internal Revenue Service', 8119, 7146, 3545, 164, '', 7, 0);

-- Form 1099-MISC (Rev. December 2026), f1099msc-2026.pdf, Copy B page (page 4). OMB No. 1545-0115.
INSERT INTO CopyItems (Drawing, Seq, Kind, BoxNo, Caption, X, Y, W, H, Columns, FontSize, Bold) VALUES
  -- CORRECTED check box (3.400, 0.340 - 3.539, 0.479)
  ('1099MISC-2026',  1, 'mark', '', '', 4896, 370, 200, 200, 'CorrectedFlag', 0, 0),
  -- CORRECTED (if checked) (3.600, 0.328 - 5.400, 0.490)
  ('1099MISC-2026',  2, 'legend', '', '', 5184, 352, 2592, 234, 'corrected', 9, 0),
  -- PAYER’S name (0.700, 0.500 - 4.100, 1.000)
  ('1099MISC-2026',  3, 'text', '', 'PAYER’S name', 1008, 600, 4896, 720, 'PayerName', 0, 0),
  -- Street address (0.700, 1.000 - 2.900, 1.333)
  ('1099MISC-2026',  4, 'text', '', 'Street address', 1008, 1320, 3168, 480, 'PayerStreet', 0, 0),
  -- Room or suite no. (2.900, 1.000 - 4.100, 1.333)
  ('1099MISC-2026',  5, 'text', '', 'Room or suite no.', 4176, 1320, 1728, 480, 'PayerRoom', 0, 0),
  -- City or town (0.700, 1.333 - 2.900, 1.667)
  ('1099MISC-2026',  6, 'text', '', 'City or town', 1008, 1800, 3168, 480, 'PayerCity', 0, 0),
  -- Telephone number (2.900, 1.333 - 4.100, 1.667)
  ('1099MISC-2026',  7, 'text', '', 'Telephone number', 4176, 1800, 1728, 480, 'PayerPhone', 0, 0),
  -- State or province (0.700, 1.667 - 2.400, 2.000)
  ('1099MISC-2026',  8, 'text', '', 'State or province', 1008, 2280, 2448, 480, 'PayerState', 0, 0),
  -- Country (2.400, 1.667 - 2.900, 2.000)
  ('1099MISC-2026',  9, 'empty', '', 'Country', 3456, 2280, 720, 480, '', 0, 0),
  -- ZIP or foreign postal code (2.900, 1.667 - 4.100, 2.000)
  ('1099MISC-2026', 10, 'text', '', 'ZIP or foreign postal code', 4176, 2280, 1728, 480, 'PayerZip', 0, 0),
  -- PAYER’S TIN (0.700, 2.000 - 2.400, 2.417)
  ('1099MISC-2026', 11, 'text', '', 'PAYER’S TIN', 1008, 2760, 2448, 600, 'PayerTin', 0, 0),
  -- RECIPIENT’S TIN (2.400, 2.000 - 4.100, 2.417)
  ('1099MISC-2026', 12, 'text', '', 'RECIPIENT’S TIN', 3456, 2760, 2448, 600, 'RecipientTin', 0, 0),
  -- RECIPIENT’S name (0.700, 2.417 - 4.100, 2.917)
  ('1099MISC-2026', 13, 'text', '', 'RECIPIENT’S name', 1008, 3360, 4896, 720, 'RecName1 RecName2', 0, 0),
  -- Street address (0.700, 2.917 - 3.400, 3.333)
  ('1099MISC-2026', 14, 'text', '', 'Street address', 1008, 4080, 3888, 600, 'RecAddr', 0, 0),
  -- Apt. no. (3.400, 2.917 - 4.100, 3.333)
  ('1099MISC-2026', 15, 'empty', '', 'Apt. no.', 4896, 4080, 1008, 600, '', 0, 0),
  -- City or town (0.700, 3.333 - 4.100, 3.667)
  ('1099MISC-2026', 16, 'text', '', 'City or town', 1008, 4680, 4896, 480, 'RecipientCity', 0, 0),
  -- State or province (0.700, 3.667 - 2.400, 4.000)
  ('1099MISC-2026', 17, 'text', '', 'State or province', 1008, 5160, 2448, 480, 'RecipientState', 0, 0),
  -- Country (2.400, 3.667 - 2.900, 4.000)
  ('1099MISC-2026', 18, 'empty', '', 'Country', 3456, 5160, 720, 480, '', 0, 0),
  -- ZIP or foreign postal code (2.900, 3.667 - 4.100, 4.000)
  ('1099MISC-2026', 19, 'text', '', 'ZIP or foreign postal code', 4176, 5160, 1728, 480, 'RecipientZip', 0, 0),
  -- blank box above the account number (0.700, 4.000 - 3.400, 4.500)
  ('1099MISC-2026', 20, 'empty', '', '', 1008, 5640, 3888, 720, '', 0, 0),
  -- FATCA filing requirement (3.400, 4.000 - 4.100, 4.500)
  ('1099MISC-2026', 21, 'empty', '', 'FATCA filing requirement', 4896, 5640, 1008, 720, '', 0, 0),
  -- FATCA check box (3.694, 4.306 - 3.806, 4.417)
  ('1099MISC-2026', 22, 'mark', '', '', 5319, 6081, 162, 159, 'Fatca', 0, 0),
  -- Account number (see instructions) (0.700, 4.500 - 4.100, 5.000)
  ('1099MISC-2026', 23, 'text', '', 'Account number (see instructions)', 1008, 6360, 4896, 720, 'AcctNo', 0, 0),
  -- box of the OMB number and form name (5.500, 0.500 - 6.500, 1.167)
  ('1099MISC-2026', 24, 'empty', '', '', 7920, 600, 1440, 960, '', 0, 0),
  -- box of the calendar year (5.500, 1.167 - 6.500, 1.500)
  ('1099MISC-2026', 25, 'empty', '', '', 7920, 1560, 1440, 480, '', 0, 0),
  -- OMB No. 1545-0115 (5.549, 0.532 - 6.500, 0.646)
  ('1099MISC-2026', 26, 'label', '', 'OMB No. 1545-0115', 7991, 646, 1369, 164, '', 7, 0),
  -- Form (5.537, 0.771 - 5.800, 0.894)
  ('1099MISC-2026', 27, 'label', '', 'Form', 7973, 990, 379, 177, '', 7, 0),
  -- 1099-MISC (5.790, 0.729 - 6.500, 0.894)
  ('1099MISC-2026', 28, 'label', '', '1099-MISC', 8338, 930, 1022, 237, '', 10, -1),
  -- (Rev. December 2026) (5.527, 1.012 - 6.500, 1.126)
  ('1099MISC-2026', 29, 'label', '', '(Rev. December 2026)', 7959, 1337, 1401, 164, '', 6.5, 0),
  -- For calendar year (5.594, 1.183 - 6.500, 1.299)
  ('1099MISC-2026', 30, 'label', '', 'For calendar year', 8055, 1584, 1305, 167, '', 7, 0),
  -- the calendar year, in its field (5.850, 1.310 - 6.200, 1.458)
  ('1099MISC-2026', 31, 'label', '', '2026', 8424, 1766, 504, 214, '', 8, -1),
  -- form name (6.859, 0.773 - 8.100, 1.173)
  ('1099MISC-2026', 32, 'label', '', 'Miscellaneous Information', 9877, 993, 1787, 576, '', 11, -1),
  -- 1 Rents (4.100, 0.500 - 5.500, 1.000)
  ('1099MISC-2026', 33, 'amount', '1', 'Rents', 5904, 600, 2016, 720, 'Box1', 0, 0),
  -- 2 Royalties (4.100, 1.000 - 5.500, 1.500)
  ('1099MISC-2026', 34, 'amount', '2', 'Royalties', 5904, 1320, 2016, 720, 'Box2', 0, 0),
  -- 3 Other income (4.100, 1.500 - 5.500, 2.000)
  ('1099MISC-2026', 35, 'amount', '3', 'Other income', 5904, 2040, 2016, 720, 'Box3', 0, 0),
  -- 4 Federal income tax withheld (5.500, 1.500 - 6.900, 2.000)
  ('1099MISC-2026', 36, 'amount', '4', 'Federal income tax withheld', 7920, 2040, 2016, 720, 'Box4', 0, 0),
  -- 5 Fishing boat proceeds (4.100, 2.000 - 5.500, 2.417)
  ('1099MISC-2026', 37, 'amount', '5', 'Fishing boat proceeds', 5904, 2760, 2016, 600, 'Box5', 0, 0),
  -- 6 Medical and health care payments (5.500, 2.000 - 6.900, 2.417)
  ('1099MISC-2026', 38, 'amount', '6', 'Medical and health care payments', 7920, 2760, 2016, 600, 'Box6', 0, 0),
  -- 7 Payer made direct sales totaling $5,000 or more of consumer products to recipient for resale (4.100, 2.417 - 5.500, 2.917)
  ('1099MISC-2026', 39, 'empty', '7', 'Payer made direct sales totaling $5,000 or more of consumer products to recipient for resale', 5904, 3360, 2016, 720, '', 0, 0),
  -- box 7 check box (5.300, 2.771 - 5.411, 2.882)
  ('1099MISC-2026', 40, 'mark', '', '', 7632, 3870, 160, 160, 'Box9', 0, 0),
  -- 8 Substitute payments in lieu of dividends or interest (5.500, 2.417 - 6.900, 2.917)
  ('1099MISC-2026', 41, 'amount', '8', 'Substitute payments in lieu of dividends or interest', 7920, 3360, 2016, 720, 'Box8', 0, 0),
  -- 9 Crop insurance proceeds (4.100, 2.917 - 5.500, 3.333)
  ('1099MISC-2026', 42, 'amount', '9', 'Crop insurance proceeds', 5904, 4080, 2016, 600, 'Box10', 0, 0),
  -- 10 Gross proceeds paid to an attorney (5.500, 2.917 - 6.900, 3.333)
  ('1099MISC-2026', 43, 'amount', '10', 'Gross proceeds paid to an attorney', 7920, 4080, 2016, 600, 'Box14', 0, 0),
  -- 11 Fish purchased for resale (4.100, 3.333 - 5.500, 3.667)
  ('1099MISC-2026', 44, 'amount', '11', 'Fish purchased for resale', 5904, 4680, 2016, 480, 'FishPurchased', 0, 0),
  -- 12 Section 409A deferrals (5.500, 3.333 - 6.900, 3.667)
  ('1099MISC-2026', 45, 'amount', '12', 'Section 409A deferrals', 7920, 4680, 2016, 480, 'Deferrals409A', 0, 0),
  -- 13a Cash tips (4.100, 3.667 - 5.500, 4.000)
  ('1099MISC-2026', 46, 'amount', '13a', 'Cash tips', 5904, 5160, 2016, 480, 'CashTips', 0, 0),
  -- 13b TTOC (5.500, 3.667 - 6.900, 4.000)
  ('1099MISC-2026', 47, 'joined', '13b', 'TTOC', 7920, 5160, 2016, 480, 'TipCode1 TipCode2', 0, 0),
  -- 14 Overtime compensation (4.100, 4.000 - 5.500, 4.500)
  ('1099MISC-2026', 48, 'amount', '14', 'Overtime compensation', 5904, 5640, 2016, 720, 'Overtime', 0, 0),
  -- 15 Nonqualified deferred compensation (5.500, 4.000 - 6.900, 4.500)
  ('1099MISC-2026', 49, 'amount', '15', 'Nonqualified deferred compensation', 7920, 5640, 2016, 720, 'NqDeferredComp', 0, 0),
  -- 16 State tax withheld (4.100, 4.500 - 5.500, 5.000)
  ('1099MISC-2026', 50, 'amount', '16', 'State tax withheld', 5904, 6360, 2016, 720, 'Box16_L1 Box16_L2', 0, 0),
  -- 17 State/Payer’s state no. (5.500, 4.500 - 6.900, 5.000)
  ('1099MISC-2026', 51, 'text', '17', 'State/Payer’s state no.', 7920, 6360, 2016, 720, 'Box17a_L1+Box17b_L1 Box17a_L2+Box17b_L2', 0, 0),
  -- 18 State income (6.900, 4.500 - 8.000, 5.000)
  ('1099MISC-2026', 52, 'amount', '18', 'State income', 9936, 6360, 1584, 720, 'Box18_L1 Box18_L2', 0, 0),
  -- Copy B / Copy 2 (7.200, 1.492 - 8.100, 1.662)
  ('1099MISC-2026', 53, 'legend', '', '', 10368, 2028, 1296, 245, 'copy', 10, -1),
  -- For Recipient / To be filed with ... (6.930, 1.692 - 8.050, 2.242)
  ('1099MISC-2026', 54, 'legend', '', '', 9979, 2316, 1613, 792, 'for', 9, 0),
  -- the notice to the recipient (6.930, 2.610 - 8.000, 4.450)
  ('1099MISC-2026', 55, 'legend', '', '', 9979, 3638, 1541, 2650, 'notice', 8.5, 0),
  -- Form 1099-MISC (Rev. 12-2026) (0.700, 5.000 - 2.500, 5.157)
  ('1099MISC-2026', 56, 'label', '', 'Form 1099-MISC (Rev. 12-2026)', 1008, 7080, 2592, 226, '', 7, 0),
  -- (keep for your records) (2.560, 5.046 - 4.000, 5.160)
  ('1099MISC-2026', 57, 'legend', '', '', 3686, 7146, 2074, 164, 'keep', 7, 0),
  -- www.irs.gov/Form1099MISC (4.093, 5.046 - 5.500, 5.160)
  ('1099MISC-2026', 58, 'label', '', 'www.irs.gov/Form1099MISC', 5894, 7146, 2026, 164, '', 7, 0),
  -- Department of the Treasury - Internal Revenue Service (5.638, 5.046 - 8.100, 5.160)
  ('1099MISC-2026', 59, 'label', '', 'Department of the Treasury - Internal Revenue Service', 8119, 7146, 3545, 164, '', 7, 0);

-- The texts of the Copy B and Copy 2 pages of each form, right column and top line: "For Recipient"
-- and the notice on Copy B only, "(keep for your records)" in its footer.
INSERT INTO CopyLegends (Drawing, CopyNo, Slot, Text) VALUES
  ('1099NEC-2026', 1, 'corrected', 'CORRECTED (if checked)'),
  ('1099NEC-2026', 1, 'copy', 'Copy B'),
  ('1099NEC-2026', 1, 'for', 'For Recipient'),
  ('1099NEC-2026', 1, 'notice', 'This is important tax information and is being furnished to the IRS. If you are required to file a return, a negligence penalty or other sanction may be imposed on you if this income is taxable and the IRS determines that it has not been reported.'),
  ('1099NEC-2026', 1, 'keep', '(keep for your records)'),
  ('1099NEC-2026', 2, 'corrected', 'CORRECTED'),
  ('1099NEC-2026', 2, 'copy', 'Copy 2'),
  ('1099NEC-2026', 2, 'for', 'To be filed with recipient’s state income tax return, when required.'),
  ('1099NEC-2026', 2, 'onlyif', 'StateTax_L1 State_L1 StateNo_L1 StateIncome_L1 StateTax_L2 State_L2 StateNo_L2 StateIncome_L2'),
  ('1099MISC-2026', 1, 'corrected', 'CORRECTED (if checked)'),
  ('1099MISC-2026', 1, 'copy', 'Copy B'),
  ('1099MISC-2026', 1, 'for', 'For Recipient'),
  ('1099MISC-2026', 1, 'notice', 'This is important tax information and is being furnished to the IRS. If you are required to file a return, a negligence penalty or other sanction may be imposed on you if this income is taxable and the IRS determines that it has not been reported.'),
  ('1099MISC-2026', 1, 'keep', '(keep for your records)'),
  ('1099MISC-2026', 2, 'corrected', 'CORRECTED'),
  ('1099MISC-2026', 2, 'copy', 'Copy 2'),
  ('1099MISC-2026', 2, 'for', 'To be filed with recipient’s state income tax return, when required.'),
  ('1099MISC-2026', 2, 'onlyif', 'Box16_L1 Box17a_L1 Box17b_L1 Box18_L1 Box16_L2 Box17a_L2 Box17b_L2 Box18_L2');

-- Instructions for Recipient, the back of Copy B (page 5 of each PDF), whole and in order.
INSERT INTO CopyTexts (Drawing, Seq, Heading, Text) VALUES
  ('1099NEC-2026',  1, -1, 'Instructions for Recipient'),
  ('1099NEC-2026',  2, 0, 'You received this form instead of Form W-2 because the payer did not consider you an employee and did not withhold income tax or social security and Medicare taxes.'),
  ('1099NEC-2026',  3, 0, 'If you believe you are an employee and cannot get the payer to correct this form, report the amount shown in box 1 on the line for “Wages, salaries, tips, etc.” of Form 1040, 1040-SR, or 1040-NR. You must also complete Form 8919 and attach it to your return. For more information, see Pub. 1779, Independent Contractor or Employee.'),
  ('1099NEC-2026',  4, 0, 'If you are not an employee but the amount in box 1 is not self-employment (SE) income (for example, it is income from a sporadic activity or a hobby), report the amount shown in box 1 on the “Other income” line (on Schedule 1 (Form 1040)).'),
  ('1099NEC-2026',  5, 0, 'Recipient’s taxpayer identification number (TIN). For your protection, this form may show only the last four digits of your TIN (social security number (SSN), individual taxpayer identification number (ITIN), adoption taxpayer identification number (ATIN), or employer identification number (EIN)). However, the issuer has reported your complete TIN to the IRS.'),
  ('1099NEC-2026',  6, 0, 'Account number. May show an account or other unique number the payer assigned to distinguish your account.'),
  ('1099NEC-2026',  7, 0, 'Box 1a. Shows your total nonemployee compensation. If the amount in this box is SE income, report it on Schedule C or F (Form 1040) if a sole proprietor or on Form 1065 and Schedule K-1 (Form 1065) if a partnership, and the recipient/partner completes Schedule SE (Form 1040).'),
  ('1099NEC-2026',  8, 0, 'Box 1b. Shows the total amount of cash tips. “Cash tips” include tips received in cash or charged. This amount has been included in the amount reported in box 1a. Use the amount in box 1b when determining the qualified tip deduction in Part II of Schedule 1-A (Form 1040).'),
  ('1099NEC-2026',  9, 0, 'Box 1c. Shows up to two Treasury Tipped Occupation Code(s) (TTOC) for your tipped occupation(s). Use this code(s) in determining the deduction for qualified tips in Part II of Schedule 1-A (Form 1040). If the occupation code 000 is used, and no other code is included in box 1c, your cash tips are not qualified tips; do not use the amount reported in box 1b for the deduction for qualified tips.'),
  ('1099NEC-2026', 10, 0, 'Box 1d. Shows the total amount of qualified overtime compensation. This amount has been included in the amount reported in box 1a. Use the amount in box 1d when determining the qualified overtime compensation deduction in Part III of Schedule 1-A (Form 1040).'),
  ('1099NEC-2026', 11, 0, 'Note: If you are receiving payments on which no income, social security, and Medicare taxes are withheld, you should make estimated tax payments. See Form 1040-ES (or Form 1040-ES (NR)). Individuals must report these amounts as explained in these box 1 instructions. Corporations, fiduciaries, and partnerships must report these amounts on the appropriate lines of their tax returns.'),
  ('1099NEC-2026', 12, 0, 'Box 2. If checked, consumer products totaling $5,000 or more were sold to you for resale on a buy-sell, a deposit-commission, or another basis. Generally, report any income from your sale of these products on Schedule C (Form 1040).'),
  ('1099NEC-2026', 13, 0, 'Box 3. Shows your total compensation of excess golden parachute payments subject to a 20% excise tax. See your tax return instructions for where to report.'),
  ('1099NEC-2026', 14, 0, 'Box 4. Shows backup withholding. A payer must backup withhold on certain payments if you did not give your TIN to the payer. See Form W-9, Request for Taxpayer Identification Number and Certification, for information on backup withholding. Include this amount on your income tax return as tax withheld.'),
  ('1099NEC-2026', 15, 0, 'Boxes 5–7. State income tax withheld reporting boxes.'),
  ('1099NEC-2026', 16, 0, 'Future developments. For the latest information about developments related to Form 1099-NEC and its instructions, such as legislation enacted after they were published, go to www.irs.gov/Form1099NEC.'),
  ('1099NEC-2026', 17, 0, 'Free File Program. Go to www.irs.gov/FreeFile to see if you qualify for no-cost online federal tax preparation, e-filing, and direct deposit or payment options.'),
  ('1099MISC-2026',  1, -1, 'Instructions for Recipient'),
  ('1099MISC-2026',  2, 0, 'Recipient’s taxpayer identification number (TIN). For your protection, this form may show only the last four digits of your social security number (SSN), individual taxpayer identification number (ITIN), adoption taxpayer identification number (ATIN), or employer identification number (EIN). However, the payer has reported your complete TIN to the IRS.'),
  ('1099MISC-2026',  3, 0, 'Account number. May show an account or other unique number the payer assigned to distinguish your account.'),
  ('1099MISC-2026',  4, 0, 'FATCA filing requirement. If the FATCA filing requirement box is checked, the payer is reporting on this Form 1099 to satisfy its account reporting requirement under chapter 4 of the Internal Revenue Code. You may also have a filing requirement. See the Instructions for Form 8938.'),
  ('1099MISC-2026',  5, 0, 'Amounts shown may be subject to self-employment (SE) tax. Individuals should see the Instructions for Schedule SE (Form 1040). Corporations, fiduciaries, or partnerships must report the amounts on the appropriate lines of their tax returns.'),
  ('1099MISC-2026',  6, 0, 'Form 1099-MISC incorrect? If this form is incorrect or has been issued in error, contact the payer. If you cannot get this form corrected, attach an explanation to your tax return and report your information correctly.'),
  ('1099MISC-2026',  7, 0, 'Box 1. Report rents from real estate on Schedule E (Form 1040). However, report rents on Schedule C (Form 1040) if you provided significant services to the tenant, sold real estate as a business, or rented personal property as a business. See Pub. 527.'),
  ('1099MISC-2026',  8, 0, 'Box 2. Report royalties from oil, gas, or mineral properties; copyrights; and patents on Schedule E (Form 1040). However, report payments for a working interest as explained in the Schedule E (Form 1040) instructions. For royalties on timber, coal, and iron ore, see Pub. 544.'),
  ('1099MISC-2026',  9, 0, 'Box 3. Generally, report this amount on the “Other income” line of Schedule 1 (Form 1040) and identify the payment. The amount shown may be payments received as the beneficiary of a deceased employee, prizes, awards, taxable damages, Indian gaming profits, or other taxable income. See Pub. 525. If it is trade or business income, report this amount on Schedule C or F (Form 1040).'),
  ('1099MISC-2026', 10, 0, 'Box 4. Shows backup withholding or withholding on Indian gaming profits. Generally, a payer must backup withhold if you did not furnish your TIN. See Form W-9 and Pub. 505 for more information. Report this amount on your income tax return as tax withheld.'),
  ('1099MISC-2026', 11, 0, 'Box 5. Shows the amount paid to you as a fishing boat crew member by the operator, who considers you to be self-employed. Self-employed individuals must report this amount on Schedule C (Form 1040). See Pub. 334.'),
  ('1099MISC-2026', 12, 0, 'Box 6. For individuals, report on Schedule C (Form 1040).'),
  ('1099MISC-2026', 13, 0, 'Box 7. If checked, consumer products totaling $5,000 or more were sold to you for resale on a buy-sell, a deposit-commission, or another basis. Generally, report any income from your sale of these products on Schedule C (Form 1040).'),
  ('1099MISC-2026', 14, 0, 'Box 8. Shows substitute payments in lieu of dividends or tax-exempt interest received by your broker on your behalf as a result of a loan of your securities. Report on the “Other income” line of Schedule 1 (Form 1040).'),
  ('1099MISC-2026', 15, 0, 'Box 9. Report this amount on Schedule F (Form 1040).'),
  ('1099MISC-2026', 16, 0, 'Box 10. Shows gross proceeds paid to an attorney in connection with legal services. Report only the taxable part as income on your return.'),
  ('1099MISC-2026', 17, 0, 'Box 11. Shows the amount of cash you received for the sale of fish if you are in the trade or business of catching fish.'),
  ('1099MISC-2026', 18, 0, 'Box 12. May show current-year deferrals as a nonemployee under a nonqualified deferred compensation (NQDC) plan that is subject to the requirements of section 409A plus any earnings on current- and prior-year deferrals.'),
  ('1099MISC-2026', 19, 0, 'Box 13a. Shows the total amount of cash tips. “Cash tips” include tips received in cash or charged. This amount has been included in the amount reported in box 3. Use the amount in box 13a when determining the qualified tip deduction in Part II of Schedule 1-A (Form 1040).'),
  ('1099MISC-2026', 20, 0, 'Box 13b. Shows up to two Treasury Tipped Occupation Code(s) (TTOC) for your tipped occupation(s). Use this code(s) in determining the deduction for qualified tips in Part II of Schedule 1-A (Form 1040). If the occupation code 000 is used, and no other code is included in box 13b, your cash tips are not qualified tips; do not use the amount reported in box 13a for the deduction for qualified tips.'),
  ('1099MISC-2026', 21, 0, 'Box 14. Shows the total amount of qualified overtime compensation. This amount has been included in the amount reported in box 3. Use the amount in box 14 when determining the qualified overtime compensation deduction in Part III of Schedule 1-A (Form 1040).'),
  ('1099MISC-2026', 22, 0, 'Box 15. Shows income as a nonemployee under an NQDC plan that does not meet the requirements of section 409A. Any amount included in box 12 that is currently taxable is also included in this box. Report this amount as income on your tax return. This income is also subject to a substantial additional tax to be reported on Form 1040, 1040-SR, or 1040-NR. See the instructions for your tax return.'),
  ('1099MISC-2026', 23, 0, 'Boxes 16–18. Show state or local income tax withheld from the payments.'),
  ('1099MISC-2026', 24, 0, 'Future developments. For the latest information about developments related to Form 1099-MISC and its instructions, such as legislation enacted after they were published, go to www.irs.gov/Form1099MISC.'),
  ('1099MISC-2026', 25, 0, 'Free File Program. Go to www.irs.gov/FreeFile to see if you qualify for no-cost online federal tax preparation, e-filing, and direct deposit or payment options.');
