#pragma once
// Checks a GPX file the way another program would take it: against the GPX 1.1 schema, with
// xmllint.

#include <string>

// "" when the file validates; otherwise what xmllint said.
std::string gpxSchemaErrors(const std::string& path);
