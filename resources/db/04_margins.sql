-- One row per printable form kind; origins in twips.
INSERT INTO PrintMargins (FormName, TopMargin, LeftMargin) VALUES
  ('W2-L', 0, 0),      -- W-2 laser cut sheet
  ('W2-C', 0, 0),      -- W-2 continuous
  ('W2-M', 0, 0),      -- W-2 mailer
  ('W3', 0, 0),
  ('1099-L', 0, 0),    -- 1099-MISC laser cut sheet
  ('1099-C', 0, 0),    -- 1099-MISC continuous
  ('1099-M', 0, 0),    -- 1099-MISC mailer
  ('1096', 0, 0);
