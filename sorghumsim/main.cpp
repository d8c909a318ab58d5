// sorghum.exe: the stand-in sweet sorghum model. It reads its inputs from the
// working directory, simulates one season from planting to physiological
// maturity and writes OUT1.SG ... OUT5.SG there. See README.md.
//
// Exit status: 0 done; 1 an input file is missing or malformed; 2 the season
// cannot be simulated to maturity (weather missing or ended); 3 the outputs
// cannot be written. On every failure one message goes to standard error and
// no output file is left behind.
#include "inputs.h"
#include "model.h"
#include "outputs.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>

using namespace sorghumsim;

namespace {

ModelInputs readInputs(const std::string &dir) {
    ModelInputs in;
    in.experiment = readLastExperiment(readTextFile(dir, "SGEXP.DIR"));
    in.management = readCropManagement(readTextFile(dir, "CROPMAN.sg8"));
    in.genetics = readGenetics(readTextFile(dir, "genetics.sg9"));

    if (!findFileNoCase(dir, "sprofile.sg2").empty()) {
        in.soil = readSoilProfile(readTextFile(dir, "sprofile.sg2"));
        if (in.soil.surfaceDefaults)
            in.notes.push_back("sprofile.sg2, line 2 gives no U and curve number: U 6 mm and "
                               "curve number 75 are used");
    } else {
        in.soil = defaultSoilProfile();
        in.notes.push_back("no sprofile.sg2: the default soil profile is used");
    }
    in.initial = readInitialConditions(readTextFile(dir, in.experiment.initialFile));
    in.weather = readWeather(readTextFile(dir, in.experiment.weatherFile));
    if (!in.weather.hasLatitude)
        in.notes.push_back("the weather file gives no latitude: " +
                           std::to_string(static_cast<int>(kDefaultLatitude)) +
                           " degrees north is used");

    if (in.management.irrigation == Irrigation::Schedule)
        in.irrigationEvents = readSchedule(readTextFile(dir, "irrigate.sg6"));
    if (in.management.nitrogen == 1) {
        if (!findFileNoCase(dir, "fert.sg7").empty())
            in.fertiliserEvents = readSchedule(readTextFile(dir, "fert.sg7"));
        else
            in.notes.push_back("no fert.sg7: no fertiliser is applied");
    }
    return in;
}

} // namespace

int main() {
    const std::string dir = std::filesystem::current_path().string();
    try {
        removeOldOutputs(dir);
    } catch (const std::exception &e) {
        std::cerr << "sorghum.exe: " << e.what() << "\n";
        return 3;
    }

    ModelInputs in;
    try {
        in = readInputs(dir);
    } catch (const InputError &e) {
        std::cerr << "sorghum.exe: " << e.what() << "\n";
        return 1;
    }

    SeasonResult season;
    try {
        season = simulate(in);
    } catch (const SimulationError &e) {
        std::cerr << "sorghum.exe: " << e.what() << "\n";
        return 2;
    }

    try {
        writeOutputs(dir, buildOutputs(in, season));
    } catch (const std::exception &e) {
        std::cerr << "sorghum.exe: " << e.what() << "\n";
        return 3;
    }
    std::printf("sorghum.exe: physiological maturity on %s, above-ground dry biomass %.0f g/m2 "
                "(%.2f t/ha)\n",
                isoDate(season.stages.back().date).c_str(), season.maturityBiomass,
                season.maturityBiomass / 100.0);
    return 0;
}
