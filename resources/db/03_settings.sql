-- A new database starts on tax year 2026, with the values of its row in TaxYears
-- (06_tax_years.sql, where each value's source is named). Money is stored in ten-thousandths:
-- 184500.00 is 1845000000.
INSERT INTO Settings (Year, W2AutoNo, W2ctr, SSwages, SSTaxMax, SSTaxPct, MDtaxPct, EICMax, W2box12)
VALUES ('2026', -1, 0,
        1845000000,  -- social security wage base 184,500.00
        114390000,   -- largest social security tax 11,439.00
        6.2,         -- social security tax rate, percent
        1.45,        -- Medicare tax rate, percent
        0,           -- no advance EIC since 2010
        245000000);  -- elective deferral limit for box 12, 24,500.00
