-- Tables and indexes of Sorghum.mdb, the reference database of ZARN.
--
-- Declared types are what the cursor layer checks values against:
--   TEXT / TEXT(n)  text (n: at most n characters are stored; longer texts are cut)
--   REAL            number
--   INTEGER         whole number
--   BOOLEAN         yes/no, stored as 1 / 0
-- Table order is insertion (rowid) order; the last record is the highest rowid.
-- Indexes carry the names the program seeks by ("site", "CeresWeather"); their text
-- keys compare without regard to case, as the seeks do.

-- One record per saved set of defaults; the last record is the current one.
CREATE TABLE "Defaults" (
    "SorghumVariety"             TEXT,
    "HarvestMethod"              TEXT,
    "LoadingMethod"              TEXT,
    "Transportation"             TEXT,
    "UnloadingMethod"            TEXT,
    "CrushingMethod"             TEXT,
    "JuiceExtraction"            TEXT,
    "EnergyType"                 TEXT,
    "CurrencyName"               TEXT,
    "CurrencyType"               TEXT,
    "Institute"                  TEXT,
    "Inst"                       TEXT,
    "Site"                       TEXT,
    "ShortSite"                  TEXT,
    "LandName"                   TEXT(35),
    "SystemConstraint"           TEXT,
    "Soil"                       INTEGER,
    "CalculationsStored"         INTEGER,
    "MoistBagasseEnergy"         REAL,
    "CropYield"                  REAL,
    "WizardOn"                   BOOLEAN,
    "CreationDate"               TEXT,
    "DefaultPath"                TEXT
);

-- Sweet-sorghum varieties: composition (% of fresh weight), inputs per hectare, crop-model genetics.
CREATE TABLE "Variety" (
    "VarietyName"                TEXT,
    "VarietyNumber"              INTEGER,
    "SugarPercent"               REAL,
    "FibrePercent"               REAL,
    "MoisturePercent"            REAL,
    "PaniclePercent"             REAL,
    "RootsPercent"               REAL,
    "AttachedLeavesPercent"      REAL,
    "DetachedLeavesPercent"      REAL,
    "SeedRate"                   REAL,
    "SeedCost"                   REAL,
    "NitrogenRate"               REAL,
    "PhosphorusRate"             REAL,
    "PotassiumRate"              REAL,
    "PesticideRate"              REAL,
    "WaterUseEff"                REAL,
    "WaterUseEffUnits"           TEXT,
    "DegDaysEmergeToJuvenile"    REAL,
    "DegDaysFloraToMaturity"     REAL,
    "SpeedOfDevelopment"         REAL,
    "OptimalPotoperiod"          REAL,
    "CorrectionStalk&Leaves"     REAL,
    "CorrectionStalk&Epis"       REAL
);

-- Harvest methods; Person1..4 name the occupation of each crew member.
CREATE TABLE "Harvest" (
    "Method"                     TEXT,
    "RateOfHarvest"              REAL,
    "FuelUse"                    REAL,
    "LifeTime"                   REAL,
    "PersonnelHours"             REAL,
    "PersonnelRequirements"      REAL,
    "PersonnelCost"              REAL,
    "Person1"                    TEXT,
    "Person2"                    TEXT,
    "Person3"                    TEXT,
    "Person4"                    TEXT
);

-- Loading methods.
CREATE TABLE "Load" (
    "Description"                TEXT,
    "FuelUse"                    REAL,
    "LifeTime"                   REAL,
    "PersonnelRequired"          REAL,
    "SkillLevel"                 REAL
);

-- Unloading methods.
CREATE TABLE "Unload" (
    "Description"                TEXT,
    "FuelUse"                    REAL,
    "LifeTime"                   REAL,
    "PersonnelRequired"          REAL,
    "SkillLevel"                 REAL
);

-- Transport methods.
CREATE TABLE "Transport" (
    "Description"                TEXT,
    "Currency"                   TEXT,
    "Cost"                       REAL,
    "FuelUse"                    REAL,
    "LifeTime"                   REAL
);

-- Milling and diffusion methods; ProcessRate in tonnes crushed per hour.
CREATE TABLE "Crushing" (
    "Method"                     TEXT,
    "ProcessRate"                REAL,
    "LabourRequirements"         REAL,
    "LabourCost"                 REAL,
    "ElectricityUsageRate"       REAL,
    "ElectricityUseCost"         REAL,
    "ElectricityUsageCurrency"   TEXT,
    "HighPressureSteamRate"      REAL,
    "HighPressureSteamCost"      REAL,
    "HighPressureSteamCurrency"  TEXT,
    "LowPressureSteamRate"       REAL,
    "LowPressureSteamCost"       REAL,
    "LowPressureSteamCurrency"   TEXT
);

-- Juice extraction methods.
CREATE TABLE "JuiceExtraction" (
    "Method"                     TEXT
);

-- Fuels and energy carriers: energy content (GJ/t) as text, price per unit, composition in %.
CREATE TABLE "Energy" (
    "Description"                TEXT,
    "EnergyUnit"                 TEXT,
    "Currency"                   TEXT,
    "Cost"                       REAL,
    "Density"                    REAL,
    "Moisture"                   REAL,
    "CompCarbon"                 REAL,
    "CompHydrogen"               REAL,
    "CompNitrogen"               REAL,
    "CompOxygen"                 REAL,
    "CompSulphur"                REAL
);

-- Catalogue of energy conversion units: HP-steam boilers ("Combustion") and gasifiers ("Gasifier").
CREATE TABLE "EnergyConversion" (
    "Description"                TEXT,
    "EnergyTypes"                TEXT,
    "FuelMix"                    TEXT,
    "EnergyInput1"               TEXT,
    "EnergyInput1Rate"           REAL,
    "EnergyInput1Units"          TEXT,
    "EnergyInput1Cost"           REAL,
    "EnergyInput1CostUnits"      TEXT,
    "EnergyInput2"               TEXT,
    "EnergyInput2Rate"           REAL,
    "EnergyInput2Units"          TEXT,
    "EnergyInput2Cost"           REAL,
    "EnergyInput2CostUnits"      TEXT,
    "EnergyInput3"               TEXT,
    "EnergyInput3Rate"           REAL,
    "EnergyInput3Units"          TEXT,
    "EnergyInput3Cost"           REAL,
    "EnergyInput3CostUnits"      TEXT,
    "EnergyOutput1"              TEXT,
    "EnergyOutput1Rate"          REAL,
    "EnergyOutput1Units"         TEXT,
    "EnergyOutput1Cost"          REAL,
    "EnergyOutput1CostUnits"     TEXT,
    "EnergyOutput2"              TEXT,
    "EnergyOutput2Rate"          REAL,
    "EnergyOutput2Units"         TEXT,
    "EnergyOutput2Cost"          REAL,
    "EnergyOutput2CostUnits"     TEXT,
    "EnergyOutput3"              TEXT,
    "EnergyOutput3Rate"          REAL,
    "EnergyOutput3Units"         TEXT,
    "EnergyOutput3Cost"          REAL,
    "EnergyOutput3CostUnits"     TEXT,
    "Efficiency1"                REAL,
    "Efficiency2"                REAL,
    "Efficiency3"                REAL,
    "EnergyInputMaxRate"         REAL,
    "CapitalCost"                REAL,
    "MaintenanceCost"            REAL,
    "MaintenanceCostRate"        REAL,
    "CapitalCostCurrency"        TEXT,
    "MaintenanceCostUnits"       TEXT
);

-- Twenty working slots: records 1-10 the combustion units, 11-20 the gasifiers. Updated in place.
CREATE TABLE "SteamConfiguration" (
    "Description"                TEXT,
    "EnergyTypes"                TEXT,
    "FuelMix"                    TEXT,
    "EnergyInput1"               TEXT,
    "EnergyInput1Rate"           REAL,
    "EnergyInput1Units"          TEXT,
    "EnergyInput1Cost"           REAL,
    "EnergyInput1CostUnits"      TEXT,
    "EnergyInput2"               TEXT,
    "EnergyInput2Rate"           REAL,
    "EnergyInput2Units"          TEXT,
    "EnergyInput2Cost"           REAL,
    "EnergyInput2CostUnits"      TEXT,
    "EnergyInput3"               TEXT,
    "EnergyInput3Rate"           REAL,
    "EnergyInput3Units"          TEXT,
    "EnergyInput3Cost"           REAL,
    "EnergyInput3CostUnits"      TEXT,
    "EnergyOutput1"              TEXT,
    "EnergyOutput1Rate"          REAL,
    "EnergyOutput1Units"         TEXT,
    "EnergyOutput1Cost"          REAL,
    "EnergyOutput1CostUnits"     TEXT,
    "EnergyOutput2"              TEXT,
    "EnergyOutput2Rate"          REAL,
    "EnergyOutput2Units"         TEXT,
    "EnergyOutput2Cost"          REAL,
    "EnergyOutput2CostUnits"     TEXT,
    "EnergyOutput3"              TEXT,
    "EnergyOutput3Rate"          REAL,
    "EnergyOutput3Units"         TEXT,
    "EnergyOutput3Cost"          REAL,
    "EnergyOutput3CostUnits"     TEXT,
    "Efficiency1"                REAL,
    "Efficiency2"                REAL,
    "Efficiency3"                REAL,
    "CapitalCost"                REAL,
    "MaintenanceCost"            REAL,
    "EnergyInputMaxRate"         REAL,
    "CapitalCostCurrency"        TEXT,
    "MaintenanceCostUnits"       TEXT,
    "MaintenanceCostRateType"    TEXT,
    "UpdatedRecord"              TEXT
);

-- Saved combustion configuration: record k belongs to combustion slot k (10 records).
CREATE TABLE "SteamElectricConfiguration" (
    "Description"                TEXT,
    "EnergyTypes"                TEXT,
    "Efficiency1"                REAL,
    "EnergyInput1"               TEXT,
    "EnergyInput1Rate"           REAL,
    "EnergyInput1Units"          TEXT,
    "EnergyInput1Cost"           REAL,
    "EnergyInput1CostUnits"      TEXT,
    "EnergyOutput1"              TEXT,
    "EnergyOutput1Rate"          REAL,
    "EnergyOutput1Units"         TEXT,
    "EnergyOutput1Cost"          REAL,
    "EnergyOutput1CostUnits"     TEXT
);

-- Saved gasifier configuration: record k belongs to gasifier slot k (10 records).
CREATE TABLE "GasifierElectricConfiguration" (
    "Description"                TEXT,
    "EnergyTypes"                TEXT,
    "FuelMix"                    TEXT,
    "Efficiency1"                REAL,
    "Efficiency2"                REAL,
    "Efficiency3"                REAL,
    "EnergyInputMaxRate"         REAL,
    "EnergyInput1"               TEXT,
    "EnergyInput1Rate"           REAL,
    "EnergyInput1Units"          TEXT,
    "EnergyInput1Cost"           REAL,
    "EnergyInput1CostUnits"      TEXT,
    "EnergyOutput1"              TEXT,
    "EnergyOutput1Rate"          REAL,
    "EnergyOutput1Units"         TEXT,
    "EnergyOutput1Cost"          REAL,
    "EnergyOutput1CostUnits"     TEXT,
    "EnergyOutput2"              TEXT,
    "EnergyOutput2Rate"          REAL,
    "EnergyOutput2Units"         TEXT,
    "EnergyOutput2Cost"          REAL,
    "EnergyOutput2CostUnits"     TEXT,
    "EnergyOutput3"              TEXT,
    "EnergyOutput3Rate"          REAL,
    "EnergyOutput3Units"         TEXT,
    "EnergyOutput3Cost"          REAL,
    "EnergyOutput3CostUnits"     TEXT,
    "CapitalCost"                REAL,
    "CapitalCostCurrency"        TEXT,
    "MaintenanceCost"            REAL,
    "MaintenanceCostUnits"       TEXT
);

-- Occupations; LabourCostRate per month (an hour is 1/176 of it); SkillRate is the skill level.
CREATE TABLE "Occupation" (
    "Reference"                  TEXT,
    "SkillName"                  TEXT,
    "Description"                TEXT,
    "SkillRate"                  REAL,
    "LabourCostRate"             REAL,
    "LabourCostCurrency"         TEXT,
    "LabourCostRateUnit"         TEXT
);

-- Machinery; OperationRate1 is the working speed (km/h) or rate, Personnal Skill the crew skill levels.
CREATE TABLE "Equipment" (
    "Type"                       TEXT(25),
    "Description"                TEXT(60),
    "Manufacturer"               TEXT(35),
    "Model"                      TEXT(25),
    "Fuel Type"                  TEXT(25),
    "PowerRating"                REAL,
    "Capital Cost"               REAL,
    "Capital Cost Units"         TEXT(3),
    "AnnualInterest"             REAL,
    "Lifetime"                   REAL,
    "LitresPerHr"                REAL,
    "LitresPerHa"                REAL,
    "LitresPerKm"                REAL,
    "Personnal Required"         REAL,
    "Personnal Skill"            REAL,
    "PersonnalSkill2"            REAL,
    "OperationRate1"             REAL
);

-- Land plots and their costs per hectare.
CREATE TABLE "Land" (
    "Name"                       TEXT,
    "Site"                       TEXT(35),
    "ShortSite"                  TEXT(2),
    "Area"                       REAL,
    "Area Unit"                  TEXT,
    "Rental Costs"               REAL,
    "Rental Cost Units"          TEXT,
    "Purchase Cost"              REAL,
    "Purchase Cost Units"        TEXT,
    "Opportunity Cost"           REAL,
    "Opportunity Cost Units"     TEXT,
    "Remarks"                    TEXT
);

-- Stored process-cost calculations, one record per step. SubTotCost keeps the sub-total as the windows show it.
CREATE TABLE "Calculation" (
    "Name"                       TEXT,
    "Number"                     INTEGER,
    "Date"                       TEXT,
    "ProcessName"                TEXT,
    "ProcessRate"                REAL,
    "Duration"                   REAL,
    "LabourReqd"                 REAL,
    "LabourCost"                 REAL,
    "Energy1"                    TEXT,
    "Energy2"                    TEXT,
    "Energy3"                    TEXT,
    "Energy1Cost"                REAL,
    "Energy2Cost"                REAL,
    "Energy3Cost"                REAL,
    "SubTotCost"                 TEXT
);

-- Currencies and the symbol shown before amounts.
CREATE TABLE "Currency" (
    "CurrencyName"               TEXT,
    "Symbol"                     TEXT
);

-- Research institutes and their 2-letter codes.
CREATE TABLE "Institutes" (
    "Institute"                  TEXT,
    "Inst"                       TEXT(2)
);

-- Sites; Default Soil Type is a soil number of Soils.mdb.
CREATE TABLE "Sites" (
    "Sites"                      TEXT,
    "ShortSite"                  TEXT,
    "Address1"                   TEXT,
    "Address2"                   TEXT,
    "City"                       TEXT,
    "Country"                    TEXT,
    "Postal Code"                TEXT(10),
    "Phone"                      TEXT,
    "Fax"                        TEXT,
    "e-mail"                     TEXT,
    "Latitude"                   REAL,
    "Longitude"                  REAL,
    "Elevation"                  REAL,
    "Default Soil Type"          INTEGER
);

CREATE INDEX "site" ON "Sites" ("Sites" COLLATE NOCASE);

-- Daily weather per site. The four measurements are kept as the formatted texts ("000.0", "000.00")
-- that go unchanged into the crop-model weather files.
CREATE TABLE "CeresWeather" (
    "InstituteCode"              TEXT,
    "SiteCode"                   TEXT,
    "Year"                       INTEGER,
    "JulianDay"                  INTEGER,
    "MaximumTemperature"         TEXT,
    "MinimumTemperature"         TEXT,
    "Rainfall"                   TEXT,
    "DayTotalSolarRadiation"     TEXT
);

-- An index may not share its name with a table, so this one is stored as
-- "<table>.<index>"; the cursor layer knows it by the part after the dot. It is
-- unique: one row per institute, site, year and day.
CREATE UNIQUE INDEX "CeresWeather.CeresWeather" ON "CeresWeather" ("InstituteCode" COLLATE NOCASE, "SiteCode" COLLATE NOCASE, "Year", "JulianDay");
