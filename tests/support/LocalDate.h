#pragma once
// A moment given as the wall-clock time of the process's time zone, as a camera dates its files.

#include "util/CalendarDate.h"

FileTime localFileTime(int year, int month, int day, int hour, int minute, int second = 0);
