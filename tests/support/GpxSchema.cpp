#include "GpxSchema.h"

#include "CommandRunner.h"

std::string gpxSchemaErrors(const std::string& path)
{
    const CommandResult result = runCommand("(xmllint --noout --nonet --schema '" KORIV_TEST_DATA "/gpx11.xsd' '" +
                                            path + "' 2>&1)");
    return result.exitCode == 0 ? std::string() : "xmllint exit " + std::to_string(result.exitCode) + ": " + result.out;
}
