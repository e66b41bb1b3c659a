-- Quillory database: every table in the column order the print runs and lists rely on.
-- Declared kinds: TEXT(n) text of size n, CURRENCY money (ten-thousandths in an INTEGER),
-- YESNO flag (-1 / 0), INTEGER, DOUBLE, and counters (INTEGER PRIMARY KEY AUTOINCREMENT).
PRAGMA journal_mode = WAL;

-- One row per filer (an employer for W-2s, a payer for 1099s).
CREATE TABLE FilerInfo (
  FedIDNo    TEXT(11) COLLATE NOCASE,
  EstNo      TEXT(4)  COLLATE NOCASE,
  FilerType  TEXT(25) COLLATE NOCASE,
  PayerName  TEXT(40) COLLATE NOCASE,
  PayerL1    TEXT(40) COLLATE NOCASE,
  PayerL2    TEXT(40) COLLATE NOCASE,
  PayerL3    TEXT(40) COLLATE NOCASE,
  State1     TEXT(2)  COLLATE NOCASE,
  State1ID   TEXT(20) COLLATE NOCASE,
  State2     TEXT(2)  COLLATE NOCASE,
  State2ID   TEXT(20) COLLATE NOCASE,
  AddlEIN    TEXT(11) COLLATE NOCASE,
  Tfid       INTEGER PRIMARY KEY AUTOINCREMENT,
  Contact    TEXT(40) COLLATE NOCASE,
  Phone      TEXT(20) COLLATE NOCASE,
  Email      TEXT(50) COLLATE NOCASE,
  Fax        TEXT(20) COLLATE NOCASE,
  AppliedFor YESNO NOT NULL DEFAULT 0
);
CREATE INDEX FilerInfo_FedIDNo ON FilerInfo (FedIDNo);

-- One row per W-2 (one employee of one filer).
CREATE TABLE W2 (
  id          INTEGER PRIMARY KEY AUTOINCREMENT,
  Boxa        TEXT(10) COLLATE NOCASE,
  Boxb        TEXT(11) COLLATE NOCASE,
  Boxc_L1     TEXT(40) COLLATE NOCASE,
  Boxc_L2     TEXT(40) COLLATE NOCASE,
  Boxc_L3     TEXT(40) COLLATE NOCASE,
  Boxc_L4     TEXT(40) COLLATE NOCASE,
  Boxd        TEXT(11) COLLATE NOCASE,
  Boxe_FName  TEXT(25) COLLATE NOCASE,
  Boxe_LName  TEXT(30) COLLATE NOCASE,
  Boxf_L1     TEXT(40) COLLATE NOCASE,
  Boxf_L2     TEXT(40) COLLATE NOCASE,
  Boxf_L3     TEXT(40) COLLATE NOCASE,
  Box1        CURRENCY NOT NULL DEFAULT 0,
  Box2        CURRENCY NOT NULL DEFAULT 0,
  Box3        CURRENCY NOT NULL DEFAULT 0,
  Box4        CURRENCY NOT NULL DEFAULT 0,
  Box5        CURRENCY NOT NULL DEFAULT 0,
  Box6        CURRENCY NOT NULL DEFAULT 0,
  Box7        CURRENCY NOT NULL DEFAULT 0,
  Box8        CURRENCY NOT NULL DEFAULT 0,
  Box9        CURRENCY NOT NULL DEFAULT 0,
  Box10       CURRENCY NOT NULL DEFAULT 0,
  Box11       CURRENCY NOT NULL DEFAULT 0,
  Box12a_Code TEXT(2)  COLLATE NOCASE,
  Box12a_Amt  CURRENCY NOT NULL DEFAULT 0,
  Box12b_Code TEXT(2)  COLLATE NOCASE,
  Box12b_Amt  CURRENCY NOT NULL DEFAULT 0,
  Box12c_Code TEXT(2)  COLLATE NOCASE,
  Box12c_Amt  CURRENCY NOT NULL DEFAULT 0,
  Box12d_Code TEXT(2)  COLLATE NOCASE,
  Box12d_Amt  CURRENCY NOT NULL DEFAULT 0,
  Box13a      YESNO NOT NULL DEFAULT 0,  -- statutory employee
  Box13b      YESNO NOT NULL DEFAULT 0,  -- retirement plan
  Box13c      YESNO NOT NULL DEFAULT 0,  -- third-party sick pay
  Box13d      YESNO NOT NULL DEFAULT 0,  -- spare box 13 mark, printed when a layout names it
  Tfid        INTEGER NOT NULL DEFAULT 0,
  EstNo       TEXT(4)  COLLATE NOCASE,
  FilerType   TEXT(25) COLLATE NOCASE,
  SickPay     CURRENCY NOT NULL DEFAULT 0,
  Box14_L1    TEXT(20) COLLATE NOCASE,
  Box14_L2    TEXT(20) COLLATE NOCASE,
  Box14_L3    TEXT(20) COLLATE NOCASE,
  Box15a_L1   TEXT(2)  COLLATE NOCASE,
  Box15a_L2   TEXT(2)  COLLATE NOCASE,
  Box15b_L1   TEXT(20) COLLATE NOCASE,
  Box15b_L2   TEXT(20) COLLATE NOCASE,
  Box16_L1    CURRENCY NOT NULL DEFAULT 0,
  Box16_L2    CURRENCY NOT NULL DEFAULT 0,
  Box17_L1    CURRENCY NOT NULL DEFAULT 0,
  Box17_L2    CURRENCY NOT NULL DEFAULT 0,
  Box18_L1    CURRENCY NOT NULL DEFAULT 0,
  Box18_L2    CURRENCY NOT NULL DEFAULT 0,
  Box19_L1    CURRENCY NOT NULL DEFAULT 0,
  Box19_L2    CURRENCY NOT NULL DEFAULT 0,
  Box20_L1    TEXT(15) COLLATE NOCASE,
  Box20_L2    TEXT(15) COLLATE NOCASE,
  Box14b_L1   TEXT(3)  COLLATE NOCASE,  -- Treasury tipped occupation codes (box 14b, 2026 on)
  Box14b_L2   TEXT(3)  COLLATE NOCASE
);
CREATE INDEX W2_Tfid ON W2 (Tfid);
CREATE INDEX W2_Employer ON W2 (Boxb, FilerType, EstNo);

-- One row per 1099-MISC (one recipient of one payer).
CREATE TABLE "1099Misc" (
  Counter       INTEGER PRIMARY KEY AUTOINCREMENT,
  CorrectedFlag YESNO NOT NULL DEFAULT 0,
  PayerName     TEXT(40) COLLATE NOCASE,
  PayerL1       TEXT(40) COLLATE NOCASE,
  PayerL2       TEXT(40) COLLATE NOCASE,
  PayerL3       TEXT(40) COLLATE NOCASE,
  FedIDNo       TEXT(11) COLLATE NOCASE,
  RecIDNo       TEXT(11) COLLATE NOCASE,
  RecName1      TEXT(40) COLLATE NOCASE,
  RecName2      TEXT(40) COLLATE NOCASE,
  RecAddr       TEXT(40) COLLATE NOCASE,
  RecCityStZip  TEXT(40) COLLATE NOCASE,
  AcctNo        TEXT(20) COLLATE NOCASE,
  TIN           YESNO NOT NULL DEFAULT 0,
  Box1          CURRENCY NOT NULL DEFAULT 0,
  Box2          CURRENCY NOT NULL DEFAULT 0,
  Box3          CURRENCY NOT NULL DEFAULT 0,
  Box4          CURRENCY NOT NULL DEFAULT 0,
  Box5          CURRENCY NOT NULL DEFAULT 0,
  Box6          CURRENCY NOT NULL DEFAULT 0,
  Box7          CURRENCY NOT NULL DEFAULT 0,
  Box8          CURRENCY NOT NULL DEFAULT 0,
  Box9          YESNO NOT NULL DEFAULT 0,
  Box10         CURRENCY NOT NULL DEFAULT 0,
  Box13         CURRENCY NOT NULL DEFAULT 0,
  Box14         CURRENCY NOT NULL DEFAULT 0,
  Box15a        TEXT(20) COLLATE NOCASE,
  Box15b        TEXT(20) COLLATE NOCASE,
  Box16_L1      CURRENCY NOT NULL DEFAULT 0,
  Box16_L2      CURRENCY NOT NULL DEFAULT 0,
  Box17a_L1     TEXT(2)  COLLATE NOCASE,
  Box17a_L2     TEXT(2)  COLLATE NOCASE,
  Box17b_L1     TEXT(20) COLLATE NOCASE,
  Box17b_L2     TEXT(20) COLLATE NOCASE,
  Box18_L1      CURRENCY NOT NULL DEFAULT 0,
  Box18_L2      CURRENCY NOT NULL DEFAULT 0,
  Tfid          INTEGER NOT NULL DEFAULT 0,
  EstNo         TEXT(4)  COLLATE NOCASE,
  FilerType     TEXT(25) COLLATE NOCASE
);
CREATE INDEX "1099Misc_Tfid" ON "1099Misc" (Tfid);
CREATE INDEX "1099Misc_FedIDNo" ON "1099Misc" (FedIDNo);

-- The one row of program settings: tax year, limits and rates, W-2 auto-numbering.
CREATE TABLE Settings (
  Year     TEXT(4) COLLATE NOCASE NOT NULL,
  W2AutoNo INTEGER NOT NULL DEFAULT 0,
  W2ctr    INTEGER NOT NULL DEFAULT 0,
  SSwages  CURRENCY NOT NULL DEFAULT 0,
  SSTaxMax CURRENCY NOT NULL DEFAULT 0,
  SSTaxPct DOUBLE NOT NULL DEFAULT 0,
  MDtaxPct DOUBLE NOT NULL DEFAULT 0,
  EICMax   CURRENCY NOT NULL DEFAULT 0,
  W2box12  CURRENCY NOT NULL DEFAULT 0
);

-- W-3 summaries, rebuilt from W2 whenever the W-2 print screen opens.
-- The W-3 form run prints positions 18 to 31 and 34 to 37 as amounts.
CREATE TABLE W3 (
  Boxa        TEXT(10) COLLATE NOCASE,
  Boxb_941    TEXT(1)  COLLATE NOCASE,
  Boxb_M      TEXT(1)  COLLATE NOCASE,
  Boxb_943    TEXT(1)  COLLATE NOCASE,
  "Boxb_CT-1" TEXT(1)  COLLATE NOCASE,
  Boxb_HHE    TEXT(1)  COLLATE NOCASE,
  Boxb_MG     TEXT(1)  COLLATE NOCASE,
  Boxb_3PSP   TEXT(1)  COLLATE NOCASE,
  Boxc        INTEGER,                  -- number of W-2s
  Boxd        TEXT(4)  COLLATE NOCASE,
  Boxe        TEXT(11) COLLATE NOCASE,
  Boxf        TEXT(40) COLLATE NOCASE,
  Boxg_L1     TEXT(40) COLLATE NOCASE,
  Boxg_L2     TEXT(40) COLLATE NOCASE,
  Boxg_L3     TEXT(40) COLLATE NOCASE,
  Boxh        TEXT(11) COLLATE NOCASE,
  Boxi        TEXT(20) COLLATE NOCASE,  -- reserved
  Boxj        TEXT(20) COLLATE NOCASE,  -- reserved
  Box1        CURRENCY,
  Box2        CURRENCY,
  Box3        CURRENCY,
  Box4        CURRENCY,
  Box5        CURRENCY,
  Box6        CURRENCY,
  Box7        CURRENCY,
  Box8        CURRENCY,
  Box9        CURRENCY,
  Box10       CURRENCY,
  Box11       CURRENCY,
  Box12       CURRENCY,
  Box13       TEXT(30) COLLATE NOCASE,  -- "Third-Party Sick Pay Recap" label
  Box14       CURRENCY,
  Box15a      TEXT(2)  COLLATE NOCASE,
  Box15b      TEXT(20) COLLATE NOCASE,
  Box16       CURRENCY,
  Box17       CURRENCY,
  Box18       CURRENCY,
  Box19       CURRENCY,
  Contact     TEXT(40) COLLATE NOCASE,
  Phone       TEXT(20) COLLATE NOCASE,
  Email       TEXT(50) COLLATE NOCASE,
  Fax         TEXT(20) COLLATE NOCASE,
  Year        TEXT(4)  COLLATE NOCASE DEFAULT '2001',
  box15       CURRENCY                  -- read by the summary report, never written
);

-- 1096 summaries, rebuilt from 1099Misc whenever the 1099 print screen opens.
-- The 1096 form run prints positions 12 and 13 as amounts and 14 as a mark.
CREATE TABLE "1096" (
  PayerName   TEXT(40) COLLATE NOCASE,
  PayerL1     TEXT(40) COLLATE NOCASE,
  PayerL2     TEXT(40) COLLATE NOCASE,
  PayerL3     TEXT(40) COLLATE NOCASE,
  Contact     TEXT(40) COLLATE NOCASE,
  Phone       TEXT(20) COLLATE NOCASE,
  Email       TEXT(50) COLLATE NOCASE,
  Fax         TEXT(20) COLLATE NOCASE,
  Box1        TEXT(11) COLLATE NOCASE,  -- payer's EIN
  Box2        TEXT(11) COLLATE NOCASE,  -- payer's SSN
  Box3        INTEGER,                  -- number of forms
  Year        TEXT(4)  COLLATE NOCASE DEFAULT '2001',
  Box4        CURRENCY,
  Box5        CURRENCY,
  FinalReturn YESNO NOT NULL DEFAULT 0,
  "1099-MISC" TEXT(1)  COLLATE NOCASE
);

-- Where each form kind sits on the paper: fixed origin and the user's shift, in twips.
CREATE TABLE PrintMargins (
  FormName       TEXT(10) COLLATE NOCASE PRIMARY KEY,
  TopMargin      INTEGER NOT NULL DEFAULT 0,
  LeftMargin     INTEGER NOT NULL DEFAULT 0,
  TopMargAdjust  INTEGER NOT NULL DEFAULT 0,
  LeftMargAdjust INTEGER NOT NULL DEFAULT 0
);

-- One row per printed field of a form layout.
CREATE TABLE PrintFormats (
  FormName    TEXT(10) COLLATE NOCASE NOT NULL,
  type        INTEGER NOT NULL DEFAULT 0,
  fieldname   TEXT(30) COLLATE NOCASE NOT NULL,
  xPos1       INTEGER NOT NULL DEFAULT 0,
  yPos1       INTEGER NOT NULL DEFAULT 0,
  fieldlength INTEGER NOT NULL DEFAULT 0,
  Justify     INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX PrintFormats_Form ON PrintFormats (FormName, type);

-- Valid state abbreviations.
CREATE TABLE lstStates (
  STabbrv TEXT(2) COLLATE NOCASE PRIMARY KEY
);

-- Who sends the electronic W-2 and 1099 files; one row once the user has entered it.
-- A database file made before this table existed gets it when the program opens the file.
CREATE TABLE EfileSubmitter (
  EIN       TEXT(10) COLLATE NOCASE,
  SSAUserID TEXT(8)  COLLATE NOCASE,
  TCC       TEXT(5)  COLLATE NOCASE,
  Name      TEXT(40) COLLATE NOCASE,
  Address   TEXT(22) COLLATE NOCASE,
  City      TEXT(22) COLLATE NOCASE,
  State     TEXT(2)  COLLATE NOCASE,
  ZIP       TEXT(10) COLLATE NOCASE,
  Contact   TEXT(27) COLLATE NOCASE,
  Phone     TEXT(15) COLLATE NOCASE,
  Email     TEXT(40) COLLATE NOCASE,
  Preparer  TEXT(1)  COLLATE NOCASE,
  TestFile  YESNO NOT NULL DEFAULT 0
);
