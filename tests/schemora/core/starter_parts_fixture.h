#pragma once
// A running Schemora whose temporary folder holds starter libraries copied from the built
// program folder, with helpers that place their parts through the chooser and draw wires.

#include "schemora/core/edit_view_fixture.h"
#include "support/whole_file.h"

#include <filesystem>
#include <initializer_list>
#include <string>

namespace schemora_test {

// The folder the built programs and the files shipped beside them are laid out in; empty when
// the tests are not told.
std::filesystem::path builtProgramFolder();
using quill_test::readText;

// A netlist from its "Number of signals" line on: the nets alone, without the header above.
inline std::string withoutHeader(const std::string& netlist)
{
    const size_t at = netlist.find("Number of signals");
    return at == std::string::npos ? netlist : netlist.substr(at);
}

class StarterPartsView : public EditView {
protected:
    // Copies the .CON and .CAT files of the named libraries from the program folder's LIB into
    // this test's LIB; false (nothing copied) when the starter library has not been built.
    bool copyStarterLibraries(std::initializer_list<const char*> libraries);
    // Copies the named starter libraries and starts the program with automatic reference
    // numbers; false (nothing started) when the starter library has not been built.
    bool startWithStarterLibraries(std::initializer_list<const char*> libraries);
    // Answers the next part chooser with the library and part as a person would, or with Cancel
    // when the library is not offered.
    void answerPartChooser(const char* library, const char* part);
    // Copies the starter package catalogue (PACKAGES/STANDARD.CAT, written by the board
    // program's catalogue writer) into this test's PACKAGES and names that folder as the board
    // program's package folder; false when the starter packages have not been built.
    bool useStarterPackages();
    void wire(int x1, int y1, int x2, int y2);
};

}  // namespace schemora_test
