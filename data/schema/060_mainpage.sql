-- The icon pictures the main page stores: MenuId is the RefNo of the format (s_ui.ModId),
-- DefIcon a 50 x 50 bitmap. SmallIcon is kept for old databases and not used.
CREATE TABLE s_MenuIcon (
  MenuId    INTEGER UNIQUE,
  DefIcon   BLOB,
  SmallIcon BLOB
);
