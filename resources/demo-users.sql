-- A few demo users for trying the messenger out; safe to run again (rows
-- whose nickname or id already exists are kept as they are).
-- This file is UTF-8; load it with a utf8mb4 client connection.

INSERT IGNORE INTO vorlendi_db.msg_kimlik (TakmaAd, AdSoyad, Parola, `E-Posta`, Durum, Ileti)
VALUES
  ('ayse', 'Ayşe Yılmaz', 'ayse123', 'ayse@example.com', 'Çevrimdışı', 'Merhaba!'),
  ('mehmet', 'Mehmet Öztürk', 'mehmet123', 'mehmet@example.com', 'Çevrimdışı', ''),
  ('gulsen', 'Gülşen Çağlar', 'gulsen123', 'gulsen@example.com', 'Çevrimdışı', 'İşteyim');

INSERT IGNORE INTO torvane_mycon.quillpost (id, `User`, Pass, Name, Stat, Mail)
VALUES
  (1, 'ayse', 'ayse123', 'Ayşe Yılmaz', 'Online', 'ayse@example.com'),
  (2, 'mehmet', 'mehmet123', 'Mehmet Öztürk', 'Online', 'mehmet@example.com');
