-- The messenger's shared database: the users and their presence, the
-- messages not yet picked up, and the legacy user table of the options form.
-- Tables hold Windows-1254 text in latin5 (the same bytes for the Turkish
-- letters); clients connect with the latin5 character set, so every byte
-- passes unchanged. Safe to run again: nothing existing is dropped.
-- This file is UTF-8; load it with a utf8mb4 client connection.

CREATE DATABASE IF NOT EXISTS vorlendi_db
  CHARACTER SET latin5 COLLATE latin5_turkish_ci;

-- Registered users. The nickname is the log-in name and the address of
-- messages, so it is unique. Resim is an 11-byte fixed binary column: the
-- clients check that size when they open the table.
CREATE TABLE IF NOT EXISTS vorlendi_db.msg_kimlik (
  Id INT NOT NULL AUTO_INCREMENT,
  TakmaAd VARCHAR(50) NOT NULL,
  AdSoyad VARCHAR(200) NULL,
  Parola VARCHAR(20) NULL,
  `E-Posta` VARCHAR(100) NULL,
  Durum VARCHAR(20) NULL,
  Ileti VARCHAR(200) NULL,
  Resim BINARY(11) NULL,
  PRIMARY KEY (Id),
  UNIQUE KEY uk_msg_kimlik_takmaad (TakmaAd)
) ENGINE=InnoDB DEFAULT CHARSET=latin5 COLLATE=latin5_turkish_ci;

-- Messages sent and not yet picked up. Sender and recipient are nicknames,
-- as long as msg_kimlik.TakmaAd so that no nickname is cut. Tarih receives
-- the text 'Now' from the clients, which the server's non-strict SQL mode
-- stores as a zero date.
CREATE TABLE IF NOT EXISTS vorlendi_db.msg_mesaj (
  Id INT NOT NULL AUTO_INCREMENT,
  Gonderen VARCHAR(50) NULL,
  Alan VARCHAR(50) NULL,
  Mesaj MEDIUMTEXT NULL,
  Tarih DATETIME NULL,
  Durum VARCHAR(20) NULL,
  PRIMARY KEY (Id),
  KEY ix_msg_mesaj_alan (Alan)
) ENGINE=InnoDB DEFAULT CHARSET=latin5 COLLATE=latin5_turkish_ci;

-- The legacy user table that the options form edits.
CREATE DATABASE IF NOT EXISTS torvane_mycon
  CHARACTER SET latin5 COLLATE latin5_turkish_ci;

CREATE TABLE IF NOT EXISTS torvane_mycon.quillpost (
  id BIGINT NOT NULL AUTO_INCREMENT,
  `User` VARCHAR(40) NOT NULL,
  Pass VARCHAR(10) NULL,
  Name VARCHAR(200) NULL,
  Stat VARCHAR(10) NULL,
  deneme2 VARCHAR(12) NULL,
  Message VARCHAR(200) NULL,
  Kimden VARCHAR(40) NULL,
  Mail VARCHAR(200) NULL,
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=latin5 COLLATE=latin5_turkish_ci;

-- The account every client uses. Temporary tables let a session keep
-- scratch rows of its own without touching the shared ones.
CREATE USER IF NOT EXISTS 'vorlendi'@'%' IDENTIFIED BY 'Tun8rQwzEk3M';
ALTER USER 'vorlendi'@'%' IDENTIFIED BY 'Tun8rQwzEk3M';
GRANT SELECT, INSERT, UPDATE, DELETE, CREATE TEMPORARY TABLES
  ON vorlendi_db.* TO 'vorlendi'@'%';
GRANT SELECT, INSERT, UPDATE, DELETE ON torvane_mycon.quillpost TO 'vorlendi'@'%';
