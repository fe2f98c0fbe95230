// Machine work data: the working values that the drawing tools and the path optimisation share while the
// program runs, and the two machine speeds of the machining time estimate.
#pragma once

#include <memory>
#include <string>

// Machining speed in mm/s (first speed of the time estimate) and rapid positioning speed in mm/s between paths.
constexpr double workSpeed = 100.0;
constexpr double rapidSpeed = 200.0;

// Every start of the program begins with the standard machine configuration below; changes last until the
// program ends. The work data file is named but neither read nor written.
class ParLav {
public:
    // Names the work data file under the program folder and sets the defaults.
    ParLav();

    // Reads nothing and changes nothing: the defaults are the machine's configuration.
    void Load();
    // Writes nothing; returns true. Called after every change of a field.
    bool Save();

    std::string fileName;          // ProgDir/data/DatiLavoro.dat
    double minJoinDistance = 0.5;  // mm: largest gap that the join operations accept
    bool osnapEnabled = true;      // object snap of the drawing tools
    double osnapRadius = 25.0;     // mm: capture radius of the object snap (distance at most this, within Epsilon)
    bool gridSnapEnabled = true;   // align the drawing tools' points to the grid when no object snap took place
    bool reverseOpenPaths = true;  // the automatic order of the paths may run open paths the other way
};

// The one instance of the process, created by the main window after the program folder and the catalogue.
extern std::unique_ptr<ParLav> TheParLav;
