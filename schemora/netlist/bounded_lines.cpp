#include "schemora/netlist/bounded_lines.h"

#include "schemora/netlist/sim_traces.h"

bool OpenResultFile(BoundedLineFile& file, const std::string& base, const char* ext, int reportFlag)
{
    if (file.open(base + ext))
        return true;
    if (reportFlag == 1)
        ShowReaderError(base + ext + " file not found");
    return false;
}
