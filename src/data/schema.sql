-- The Kursan database: four tables and the five stored queries the forms open like tables.
-- Column order is binding: every file is checked against these columns, in this order.

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

-- Letters by their running sequence (the digits after "B/"), so the last row is the newest.
CREATE VIEW QNS AS
SELECT Ns, Jawaban, Jumlah_Kursan
FROM TSurat
ORDER BY CAST(substr(Ns, 3) AS INTEGER), rowid;

-- Trainees by number, so the last row holds the highest trainee number.
CREATE VIEW QLapKursan AS
SELECT Ns, Np, Nama_Kursan
FROM TKursan
ORDER BY CAST(Np AS INTEGER), rowid;

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
ORDER BY TKegiatan.rowid;

-- Every placement with its trainee, letter and unit, for the letter form's grid.
CREATE VIEW QSPM AS
SELECT TKursan.Ns AS Ns,
       TKursan.Nama_Kursan AS Nama_Kursan,
       TKursan.Instansi AS Instansi,
       TSurat.Jawaban AS Jawaban,
       TUnit.Unit AS Unit,
       TKegiatan.Tanggal_Pelaksanaan AS Tanggal_Pelaksanaan,
       TKegiatan.Np AS Np,
       TKegiatan.Kode_Unit AS Kode_Unit,
       TKegiatan.rowid AS IdKegiatan
FROM TKegiatan
LEFT JOIN TKursan ON TKursan.Np = TKegiatan.Np
LEFT JOIN TSurat ON TSurat.Ns = TKursan.Ns
LEFT JOIN TUnit ON TUnit.Kode_Unit = TKegiatan.Kode_Unit
ORDER BY TKegiatan.rowid;
