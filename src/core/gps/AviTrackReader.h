#pragma once
// Tracks stored inside AVI recordings. The caller has cleared the track; each reader walks the
// file from its start by itself and leaves in the track whatever it could read.
//
// - pmReadAviGpsTrack: the positions of "SLLT", lined up with the end of a recording of
//   `duration` whole seconds, then the aligned G-sensor reader; its result is the latter's.
// - pmReadAviSensorTrack: the G values of "SGLT" put into those samples, aligned to the end.
// - pmReadAviSensorOnly: the G values of "SGLT", one new sample per record.
//
// A file that is not a RIFF AVI, or that holds an unknown chunk before its index, gives true
// with nothing read; no chunk, the end of the file or a "GSEA" chunk gives false.

#include <string>

class ByteSource;
class GpsList;

bool pmReadAviGpsTrack(const std::string& path, GpsList& list, int duration);
bool pmReadAviSensorTrack(const std::string& path, GpsList& list, int duration);
bool pmReadAviSensorOnly(const std::string& path, GpsList& list);

bool readAviGpsTrack(ByteSource& source, GpsList& list, int duration);
bool readAviSensorTrack(ByteSource& source, GpsList& list, int duration);
bool readAviSensorOnly(ByteSource& source, GpsList& list);
