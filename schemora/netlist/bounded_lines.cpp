#include "schemora/netlist/bounded_lines.h"

#include "schemora/netlist/sim_traces.h"

#include "platform/core/input_file.h"

bool OpenResultFile(BoundedLineFile& file, const std::string& base, const char* ext, int reportFlag)
{
    if (file.open(base + ext))
        return true;
    if (reportFlag == 1)
        ShowReaderError(file.refusedNotAFile() ? plat::notAFileText(base + ext) : base + ext + " file not found");
    return false;
}
