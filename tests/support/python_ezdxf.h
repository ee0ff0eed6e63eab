#pragma once
// Finds a Python interpreter that can import ezdxf, the independent DXF reader tests hand our
// DXF files to. The Debian package installs it for the system's /usr/bin/python3, which need
// not be the first python3 on the PATH.

#include <optional>
#include <string>

namespace quill_test {

// The interpreter's command, or nothing when no interpreter has ezdxf (tests then skip).
std::optional<std::string> pythonWithEzdxf();
// Runs script (Python source) with the interpreter and the arguments; returns the exit status
// and puts what it printed into output.
int runPython(const std::string& interpreter, const std::string& script, const std::string& arguments,
              std::string* output);

}  // namespace quill_test
