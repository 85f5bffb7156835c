-- The Kursan database on a PostgreSQL server: the four tables and the five stored queries of
-- the file, with the same names and columns in the same order, so every form, report and copy
-- reads the same rows from either. Names are unquoted: the server keeps them in lower case,
-- and the program reads them back as the file writes them.

-- The leading whole number of a text, as the file's CAST(... AS INTEGER) reads it: blanks
-- skipped, then a sign and the digits; 0 for a text that starts otherwise; nothing for nothing.
CREATE FUNCTION kursan_int(t text) RETURNS numeric
LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$
SELECT CASE WHEN t IS NULL THEN NULL
            ELSE COALESCE(CAST(substring(t FROM '^\s*([-+]?[0-9]+)') AS numeric), 0) END
$$;

-- A row's place in its table as one number (the file's rowid): the placements have no key.
CREATE FUNCTION kursan_rowid(id tid) RETURNS bigint
LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$
SELECT CAST((CAST(CAST(id AS text) AS point))[0] AS bigint) * 65536
     + CAST((CAST(CAST(id AS text) AS point))[1] AS bigint)
$$;

CREATE TABLE TUnit (
    Kode_Unit TEXT PRIMARY KEY,
    Unit      TEXT,
    No_Telp   TEXT
);

CREATE TABLE TKursan (
    Ns            TEXT,
    Np            TEXT PRIMARY KEY,
    Nim           TEXT,
    Nama_Kursan   TEXT,
    Tempat_Lahir  TEXT,
    Tanggal_Lahir TEXT,
    Alamat        TEXT,
    Telepon       TEXT,
    Instansi      TEXT,
    Jurusan       TEXT,
    Tujuan        TEXT
);

CREATE TABLE TSurat (
    Ns            TEXT PRIMARY KEY,
    Jawaban       TEXT,
    Jumlah_Kursan INTEGER
);

CREATE TABLE TKegiatan (
    Np                  TEXT,
    Tanggal_Pelaksanaan TEXT,
    Kode_Unit           TEXT
);

-- Rows are read in the order of these (a changed row moves on the server), and the newest
-- numbers are found by them without reading every row.
CREATE INDEX TKursan_Nomor ON TKursan (kursan_int(Np), Np COLLATE "C");
CREATE INDEX TSurat_Urut ON TSurat (kursan_int(substr(Ns, 3)), Ns COLLATE "C");
CREATE INDEX TKegiatan_Np ON TKegiatan (kursan_int(Np));
CREATE INDEX TKegiatan_Trainee ON TKegiatan (Np);

-- The version of this schema, one row.
CREATE TABLE KursanVersi (
    Versi INTEGER NOT NULL
);

-- Letters by their running sequence (the digits after "B/"), so the last row is the newest.
CREATE VIEW QNS AS
SELECT Ns, Jawaban, Jumlah_Kursan
FROM TSurat
ORDER BY kursan_int(substr(Ns, 3)) NULLS FIRST, ctid;

-- Trainees by number, so the last row holds the highest trainee number.
CREATE VIEW QLapKursan AS
SELECT Ns, Np, Nama_Kursan
FROM TKursan
ORDER BY kursan_int(Np) NULLS FIRST, ctid;

CREATE VIEW QKursan AS
SELECT Np, Ns, Nama_Kursan
FROM TKursan;

-- Granted placements with the month (Indonesian name) and year of their start date.
CREATE VIEW QAktiv AS
SELECT TKegiatan.Kode_Unit AS Kode_Unit,
       TUnit.Unit AS Unit,
       TSurat.Jumlah_Kursan AS Jumlah_Kursan,
       CASE substr(TKegiatan.Tanggal_Pelaksanaan, 4, 2)
           WHEN '01' THEN 'Januari'   WHEN '02' THEN 'Februari' WHEN '03' THEN 'Maret'
           WHEN '04' THEN 'April'     WHEN '05' THEN 'Mei'      WHEN '06' THEN 'Juni'
           WHEN '07' THEN 'Juli'      WHEN '08' THEN 'Agustus'  WHEN '09' THEN 'September'
           WHEN '10' THEN 'Oktober'   WHEN '11' THEN 'November' WHEN '12' THEN 'Desember'
       END AS Bulan,
       substr(TKegiatan.Tanggal_Pelaksanaan, 7, 4) AS Tahun
FROM TKegiatan
JOIN TKursan ON TKursan.Np = TKegiatan.Np
JOIN TSurat ON TSurat.Ns = TKursan.Ns
LEFT JOIN TUnit ON TUnit.Kode_Unit = TKegiatan.Kode_Unit
WHERE TSurat.Jawaban = 'Dapat'
ORDER BY TKegiatan.ctid;

-- Every placement with its trainee, letter and unit, for the letter form's grid, as the
-- placements are stored. IdKegiatan is the placement's ctid, which the program reads as the
-- number kursan_rowid gives: ordering and numbering 100,000 rows here would cost more than
-- joining them.
CREATE VIEW QSPM AS
SELECT TKursan.Ns AS Ns,
       TKursan.Nama_Kursan AS Nama_Kursan,
       TKursan.Instansi AS Instansi,
       TSurat.Jawaban AS Jawaban,
       TUnit.Unit AS Unit,
       TKegiatan.Tanggal_Pelaksanaan AS Tanggal_Pelaksanaan,
       TKegiatan.Np AS Np,
       TKegiatan.Kode_Unit AS Kode_Unit,
       TKegiatan.ctid AS IdKegiatan
FROM TKegiatan
LEFT JOIN TKursan ON TKursan.Np = TKegiatan.Np
LEFT JOIN TSurat ON TSurat.Ns = TKursan.Ns
LEFT JOIN TUnit ON TUnit.Kode_Unit = TKegiatan.Kode_Unit;
