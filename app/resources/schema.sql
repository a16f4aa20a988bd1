-- The logbook database Zivada.mdb. Dates are ISO text (yyyy-mm-dd).
CREATE TABLE Tbl_Vols (
    Num INTEGER PRIMARY KEY AUTOINCREMENT,
    Date DATE,
    Avion TEXT,
    Type TEXT,
    "Société" TEXT,
    "Durée" INTEGER,
    Vol TEXT,
    Commentaires TEXT
);
CREATE INDEX Tbl_Vols_Date ON Tbl_Vols (Date);

CREATE TABLE Tbl_Avions (
    Avion TEXT,
    Type_Avion TEXT,
    "Société" TEXT
);
