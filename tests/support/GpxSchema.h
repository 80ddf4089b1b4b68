#pragma once
// Validates a GPX file against the GPX 1.1 schema (a copy in tests/data) with xmllint.

#include <string>

struct SchemaCheck {
    bool valid = false;
    std::string output; // xmllint's report
};

SchemaCheck validateGpx(const std::string& path);
