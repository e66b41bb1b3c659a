-- Tax year 2001. Money is stored in ten-thousandths: 80400.00 is 804000000.
INSERT INTO Settings (Year, W2AutoNo, W2ctr, SSwages, SSTaxMax, SSTaxPct, MDtaxPct, EICMax, W2box12)
VALUES ('2001', -1, 0,
        804000000,   -- social security wage base 80,400.00
        49848000,    -- largest social security tax 4,984.80
        6.2,         -- social security tax rate, percent
        1.45,        -- Medicare tax rate, percent
        14570000,    -- largest advance EIC payment 1,457.00
        105000000);  -- largest elective deferral in box 12, 10,500.00
