#pragma once
// A dash camera's card of a day's driving, written by code: recordings of a minute (the front
// camera's, and the rear's five seconds longer), dated in local time on 2026-03-10, with 1 Hz
// NMEA logs shared by both cameras. The drive heads north along longitude 121 at 2^-13 degree
// a second (13.588805 m on the 6378.137 km sphere, 48.6 km/h) from latitude 25, and each log
// goes on from the drive's second it is given, at 08:00:00 UTC plus that second.

#include "TempDir.h"
#include "library/AMediaFile.h"

#include <string>
#include <vector>

class DriveCard {
public:
    static constexpr double kStep = 1.0 / 8192;
    static constexpr double kStepMetres = 13.588805028475779;
    static constexpr double kKnots = 26.4;

    explicit DriveCard(const TempDir& dir) : mDir(dir) {}

    // DCIM/CARDF/<stem>F.MP4 (and DCIM/CARDR/<stem>R.MP4) at hour:minute, and
    // DCIM/NMEA/<stem>N.NMEA from driveSecond on.
    void writeMinute(const std::string& stem, int hour, int minute, int driveSecond, bool rear = true) const;
    // A day of one drive from 09:00: FILE0000 to FILE<minutes - 1>, front and rear, minute m
    // going on from drive second 60 m.
    void writeDay(int minutes) const;
    // The folder to scan.
    std::string folder() const { return mDir.file("DCIM"); }
    // The card's recordings as the library finds them, in date order.
    std::vector<AMediaFile> scan() const;
    static double latitudeAt(int driveSecond) { return 25.0 + driveSecond * kStep; }

private:
    const TempDir& mDir;
};
