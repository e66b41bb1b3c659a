-- One row per printable form kind: where the form sits on the paper, in twips (1440 to the
-- inch) from the paper's top-left corner. The adjustments start at 0; the user sets them.
INSERT INTO PrintMargins (FormName, TopMargin, LeftMargin) VALUES
  ('W2-L', 0, 0),        -- W-2 cut sheet
  ('W2-C', 0, 720),      -- W-2 continuous: the form sits right of a 0.5 in pin-feed strip
  ('W2-M', 360, 360),    -- W-2 mailer: the data block sits 0.25 in lower and further right
  ('W3', 0, 0),
  ('1099-L', 0, 0),      -- 1099-MISC cut sheet
  ('1099-C', 0, 720),    -- 1099-MISC continuous
  ('1099-M', 360, 360),  -- 1099-MISC mailer
  ('1096', 0, 0);
