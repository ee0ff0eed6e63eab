#include "support/python_ezdxf.h"

#include "support/temp_folder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace quill_test {

std::optional<std::string> pythonWithEzdxf()
{
    for (const char* candidate : {"/usr/bin/python3", "python3"}) {
        const std::string probe = std::string(candidate) + " -c 'import ezdxf' >/dev/null 2>&1";
        if (std::system(probe.c_str()) == 0)
            return std::string(candidate);
    }
    return std::nullopt;
}

int runPython(const std::string& interpreter, const std::string& script, const std::string& arguments,
              std::string* output)
{
    TempFolder folder;
    const std::string scriptPath = folder.file("check.py");
    const std::string outputPath = folder.file("output.txt");
    std::ofstream(scriptPath) << script;
    const std::string command = interpreter + " '" + scriptPath + "' " + arguments + " >'" + outputPath + "' 2>&1";
    const int status = std::system(command.c_str());
    if (output) {
        std::ifstream in(outputPath);
        std::stringstream text;
        text << in.rdbuf();
        *output = text.str();
    }
    return status;
}

}  // namespace quill_test
