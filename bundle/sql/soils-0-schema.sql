-- Tables and indexes of Soils.mdb, the soil profile store of the crop-model interface.
-- The rows are loaded from the soil catalogue sprofile.tot when the bundle is built.

-- One record per soil profile; IDUMSL is the soil number.
CREATE TABLE "Soil" (
    "IDUMSL"                     INTEGER,
    "PEDON"                      TEXT,
    "TAXON"                      TEXT,
    "SALB"                       REAL,
    "U"                          REAL,
    "SWCON"                      REAL,
    "CN2"                        REAL,
    "TAV"                        REAL,
    "AMP"                        REAL,
    "DMOD"                       REAL,
    "SWCON1"                     REAL,
    "SWCON2"                     REAL,
    "SWCON3"                     REAL,
    "RWUMX"                      REAL,
    "PHFAC3"                     REAL,
    "NLAYRTotal"                 INTEGER
);

CREATE INDEX "SoilIndex" ON "Soil" ("IDUMSL");

-- One record per soil layer; DLayerNumber counts 1, 2, ... within a soil.
CREATE TABLE "SoilLayers" (
    "IDUMSL"                     INTEGER,
    "DLayerNumber"               INTEGER,
    "DLAYR"                      REAL,
    "LL"                         REAL,
    "DUL"                        REAL,
    "SAT"                        REAL,
    "SWINIT"                     REAL,
    "WR"                         REAL,
    "BD"                         REAL,
    "OC"                         REAL,
    "DNH4"                       REAL,
    "DNO3"                       REAL,
    "UK1"                        REAL,
    "UK2"                        REAL
);

CREATE INDEX "SoilLayerIndex" ON "SoilLayers" ("IDUMSL", "DLayerNumber");
