// A test stand-in for the crop-model program, put in place of
// WINCERES/sorghum.exe by the run tests. It is started without arguments in
// the crop-model directory and is steered by files there:
//
//   fakemodel.cfg      optional, "key=value" lines:
//                        sleep_ms=N   wait N milliseconds before anything else
//                        exit=N       exit status (default 0)
//                        stderr=TEXT  one line written to standard error
//   fakemodel-out/     every file in it is copied into the working directory
//                      (the model's outputs: OUT1.SG ...); absent = no outputs
//   fakemodel-runs.txt one line appended per start: the working directory, so
//                      a test can count the starts and see where they ran
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

namespace fs = std::filesystem;

int main() {
    const fs::path here = fs::current_path();
    {
        std::ofstream log("fakemodel-runs.txt", std::ios::app);
        log << here.string() << "\n";
    }

    long sleepMs = 0;
    int exitStatus = 0;
    std::string errorLine;
    std::ifstream cfg("fakemodel.cfg");
    for (std::string line; std::getline(cfg, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "sleep_ms")
            sleepMs = std::stol(value);
        else if (key == "exit")
            exitStatus = std::stoi(value);
        else if (key == "stderr")
            errorLine = value;
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(sleepMs));

    std::error_code ec;
    if (fs::is_directory("fakemodel-out", ec)) {
        for (const auto &entry : fs::directory_iterator("fakemodel-out")) {
            if (entry.is_regular_file())
                fs::copy_file(entry.path(), here / entry.path().filename(),
                              fs::copy_options::overwrite_existing);
        }
    }
    if (!errorLine.empty())
        std::cerr << errorLine << std::endl;
    return exitStatus;
}
