-- placeholder until the catalogue lands
CREATE TABLE IF NOT EXISTS _placeholder (x INTEGER);
