#pragma once
// The track of a planned recording, as the camera would have stored it: NMEA log text, or
// "SLLT"/"SGLT" chunks for AVI files. One sample per second along the city route.

#include "CardPlan.h"

#include <string>

std::string pmSampleNmeaLog(const PlannedClip& clip);
// The chunks to append after the AVI index; empty when the clip keeps no chunks.
std::string pmSampleAviChunks(const PlannedClip& clip);
