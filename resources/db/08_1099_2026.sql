-- Form 1099-NEC as a return of its own, the boxes the 1099-MISC gained from tax year 2025, the
-- reporting thresholds by payment year, and the one-time offer to move old box 7 amounts.
-- Runs on a new database after the other scripts and on a database file of an earlier version.

-- 1099-MISC boxes that have no column of their own before 2025 (Form 1099-MISC Rev. April 2025
-- and Rev. December 2026). The others keep their columns: see the form tables of the screen.
ALTER TABLE "1099Misc" ADD COLUMN FishPurchased  CURRENCY NOT NULL DEFAULT 0;  -- box 11
ALTER TABLE "1099Misc" ADD COLUMN Deferrals409A  CURRENCY NOT NULL DEFAULT 0;  -- box 12
ALTER TABLE "1099Misc" ADD COLUMN NqDeferredComp CURRENCY NOT NULL DEFAULT 0;  -- box 15
ALTER TABLE "1099Misc" ADD COLUMN Fatca          YESNO NOT NULL DEFAULT 0;     -- FATCA filing requirement
ALTER TABLE "1099Misc" ADD COLUMN CashTips       CURRENCY NOT NULL DEFAULT 0;  -- 2026 box 13a
ALTER TABLE "1099Misc" ADD COLUMN TipCode1       TEXT(3) COLLATE NOCASE;       -- 2026 box 13b, first code
ALTER TABLE "1099Misc" ADD COLUMN TipCode2       TEXT(3) COLLATE NOCASE;       -- 2026 box 13b, second code
ALTER TABLE "1099Misc" ADD COLUMN Overtime       CURRENCY NOT NULL DEFAULT 0;  -- 2026 box 14

-- One row per 1099-NEC (one recipient of one payer); payer and recipient columns as in 1099Misc.
CREATE TABLE "1099Nec" (
  Counter         INTEGER PRIMARY KEY AUTOINCREMENT,
  CorrectedFlag   YESNO NOT NULL DEFAULT 0,
  PayerName       TEXT(40) COLLATE NOCASE,
  PayerL1         TEXT(40) COLLATE NOCASE,
  PayerL2         TEXT(40) COLLATE NOCASE,
  PayerL3         TEXT(40) COLLATE NOCASE,
  FedIDNo         TEXT(11) COLLATE NOCASE,
  RecIDNo         TEXT(11) COLLATE NOCASE,
  RecName1        TEXT(40) COLLATE NOCASE,
  RecName2        TEXT(40) COLLATE NOCASE,
  RecAddr         TEXT(40) COLLATE NOCASE,
  RecCityStZip    TEXT(40) COLLATE NOCASE,
  AcctNo          TEXT(20) COLLATE NOCASE,
  TIN             YESNO NOT NULL DEFAULT 0,     -- 2nd TIN notice
  NonemployeeComp CURRENCY NOT NULL DEFAULT 0,  -- 2025 box 1, 2026 box 1a
  CashTips        CURRENCY NOT NULL DEFAULT 0,  -- 2026 box 1b
  TipCode1        TEXT(3) COLLATE NOCASE,       -- 2026 box 1c, first code
  TipCode2        TEXT(3) COLLATE NOCASE,       -- 2026 box 1c, second code
  Overtime        CURRENCY NOT NULL DEFAULT 0,  -- 2026 box 1d
  DirectSales     YESNO NOT NULL DEFAULT 0,     -- box 2
  GoldenParachute CURRENCY NOT NULL DEFAULT 0,  -- box 3
  FedTaxWithheld  CURRENCY NOT NULL DEFAULT 0,  -- box 4
  StateTax_L1     CURRENCY NOT NULL DEFAULT 0,  -- box 5
  StateTax_L2     CURRENCY NOT NULL DEFAULT 0,
  State_L1        TEXT(2)  COLLATE NOCASE,      -- box 6
  State_L2        TEXT(2)  COLLATE NOCASE,
  StateNo_L1      TEXT(20) COLLATE NOCASE,
  StateNo_L2      TEXT(20) COLLATE NOCASE,
  StateIncome_L1  CURRENCY NOT NULL DEFAULT 0,  -- box 7
  StateIncome_L2  CURRENCY NOT NULL DEFAULT 0,
  Tfid            INTEGER NOT NULL DEFAULT 0,
  EstNo           TEXT(4)  COLLATE NOCASE,
  FilerType       TEXT(25) COLLATE NOCASE
);
CREATE INDEX "1099Nec_Tfid" ON "1099Nec" (Tfid);
CREATE INDEX "1099Nec_FedIDNo" ON "1099Nec" (FedIDNo);

-- The smallest payment of a box that needs a return, by payment year; 0 means any amount (or a
-- ticked mark). A box without a row (state lines, amounts included in another box) needs none.
CREATE TABLE Thresholds1099 (
  Year       TEXT(4)  COLLATE NOCASE NOT NULL,
  Form       TEXT(10) COLLATE NOCASE NOT NULL,
  Box        TEXT(4)  COLLATE NOCASE NOT NULL,
  ColumnName TEXT(30) COLLATE NOCASE NOT NULL,
  Amount     CURRENCY NOT NULL DEFAULT 0,
  Source     TEXT(120) COLLATE NOCASE
);
CREATE INDEX Thresholds1099_Year ON Thresholds1099 (Year, Form);

-- Payments made in 2025: Instructions for Forms 1099-MISC and 1099-NEC for 2025 ($600; royalties
-- and substitute payments $10; any fishing boat proceeds or withholding). Excess golden parachute
-- payments: "any", the wording of the 1099-MISC box 14 instructions before 2025 and of the 1099-NEC
-- box 3 instructions of Rev. December 2026; the lower threshold never calls a needed return unneeded.
INSERT INTO Thresholds1099 (Year, Form, Box, ColumnName, Amount, Source) VALUES
  ('2025', '1099-NEC', '1',  'NonemployeeComp', 6000000, 'Instr. 1099-MISC/NEC 2025, box 1'),
  ('2025', '1099-NEC', '2',  'DirectSales',     0,       'Instr. 1099-MISC/NEC 2025, box 2'),
  ('2025', '1099-NEC', '3',  'GoldenParachute', 0,       'Instr. 1099-MISC/NEC 2025, box 3: any'),
  ('2025', '1099-NEC', '4',  'FedTaxWithheld',  0,       'Instr. 1099-MISC/NEC 2025: any backup withholding'),
  ('2025', '1099-MISC', '1',  'Box1',           6000000, 'Instr. 1099-MISC/NEC 2025, rents'),
  ('2025', '1099-MISC', '2',  'Box2',           100000,  'Instr. 1099-MISC/NEC 2025, royalties'),
  ('2025', '1099-MISC', '3',  'Box3',           6000000, 'Instr. 1099-MISC/NEC 2025, other income'),
  ('2025', '1099-MISC', '4',  'Box4',           0,       'Instr. 1099-MISC/NEC 2025: any backup withholding'),
  ('2025', '1099-MISC', '5',  'Box5',           0,       'Instr. 1099-MISC/NEC 2025: any fishing boat proceeds'),
  ('2025', '1099-MISC', '6',  'Box6',           6000000, 'Instr. 1099-MISC/NEC 2025, medical and health care'),
  ('2025', '1099-MISC', '7',  'Box9',           0,       'Instr. 1099-MISC/NEC 2025, direct sales mark'),
  ('2025', '1099-MISC', '8',  'Box8',           100000,  'Instr. 1099-MISC/NEC 2025, substitute payments'),
  ('2025', '1099-MISC', '9',  'Box10',          6000000, 'Instr. 1099-MISC/NEC 2025, crop insurance'),
  ('2025', '1099-MISC', '10', 'Box14',          6000000, 'Instr. 1099-MISC/NEC 2025, attorney gross proceeds'),
  ('2025', '1099-MISC', '11', 'FishPurchased',  6000000, 'Instr. 1099-MISC/NEC 2025, fish purchased for resale'),
  ('2025', '1099-MISC', '12', 'Deferrals409A',  6000000, 'Instr. 1099-MISC/NEC 2025, section 409A deferrals'),
  ('2025', '1099-MISC', '15', 'NqDeferredComp', 6000000, 'Instr. 1099-MISC/NEC 2025, nonqualified deferred comp.');

-- Payments made from 2026 (section 6041(a) as amended by P.L. 119-21 section 70433):
-- Instructions for Forms 1099-MISC and 1099-NEC (Rev. December 2026), pages 1, 2, 7, 10 and 11.
INSERT INTO Thresholds1099 (Year, Form, Box, ColumnName, Amount, Source) VALUES
  ('2026', '1099-NEC', '1a', 'NonemployeeComp', 20000000, 'Instr. 1099-MISC/NEC Rev. 12-2026, box 1a'),
  ('2026', '1099-NEC', '2',  'DirectSales',     0,        'Instr. 1099-MISC/NEC Rev. 12-2026, box 2'),
  ('2026', '1099-NEC', '3',  'GoldenParachute', 0,        'Instr. 1099-MISC/NEC Rev. 12-2026, box 3: any'),
  ('2026', '1099-NEC', '4',  'FedTaxWithheld',  0,        'Instr. 1099-MISC/NEC Rev. 12-2026: any withholding, whatever the payment'),
  ('2026', '1099-MISC', '1',  'Box1',           20000000, 'Instr. 1099-MISC/NEC Rev. 12-2026, page 2, rents'),
  ('2026', '1099-MISC', '2',  'Box2',           100000,   'Instr. 1099-MISC/NEC Rev. 12-2026, page 2, royalties'),
  ('2026', '1099-MISC', '3',  'Box3',           20000000, 'Instr. 1099-MISC/NEC Rev. 12-2026, page 2, other income'),
  ('2026', '1099-MISC', '4',  'Box4',           0,        'Instr. 1099-MISC/NEC Rev. 12-2026: any withholding, whatever the payment'),
  ('2026', '1099-MISC', '5',  'Box5',           0,        'Instr. 1099-MISC/NEC Rev. 12-2026, page 2: any fishing boat proceeds'),
  ('2026', '1099-MISC', '6',  'Box6',           20000000, 'Instr. 1099-MISC/NEC Rev. 12-2026, page 2, medical'),
  ('2026', '1099-MISC', '7',  'Box9',           0,        'Instr. 1099-MISC/NEC Rev. 12-2026, box 7 direct sales mark'),
  ('2026', '1099-MISC', '8',  'Box8',           100000,   'Instr. 1099-MISC/NEC Rev. 12-2026, box 8 substitute payments'),
  ('2026', '1099-MISC', '9',  'Box10',          20000000, 'Instr. 1099-MISC/NEC Rev. 12-2026, box 9 crop insurance'),
  ('2026', '1099-MISC', '10', 'Box14',          6000000,  'Instr. 1099-MISC/NEC Rev. 12-2026, box 10 attorney'),
  ('2026', '1099-MISC', '11', 'FishPurchased',  6000000,  'Instr. 1099-MISC/NEC Rev. 12-2026, box 11 fish for resale'),
  ('2026', '1099-MISC', '12', 'Deferrals409A',  20000000, 'Instr. 1099-MISC/NEC Rev. 12-2026, box 12'),
  ('2026', '1099-MISC', '15', 'NqDeferredComp', 20000000, 'Instr. 1099-MISC/NEC Rev. 12-2026, box 15');

-- Whether a database moved to 2025 or later has been offered to move its 1099-MISC box 7
-- amounts (nonemployee compensation) to 1099-NEC returns; offered once, whatever the answer.
CREATE TABLE NecMoveOffer (
  Offered YESNO NOT NULL DEFAULT 0
);
INSERT INTO NecMoveOffer (Offered) VALUES (0);
