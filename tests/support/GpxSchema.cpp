#include "GpxSchema.h"

#include "CommandRunner.h"

SchemaCheck validateGpx(const std::string& path)
{
    const CommandResult r = runCommand("xmllint --noout --schema '" KORIV_TEST_DATA "/gpx11.xsd' '" + path + "' 2>&1");
    return {r.exitCode == 0, r.out};
}
