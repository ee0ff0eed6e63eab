#pragma once
// Two pickers that look outside the schematic's own libraries, run from Edit Part: the SPICE
// models of a model file that fit a diode, bipolar transistor or junction FET, and the board
// program's package catalogues.

#include "platform/app/dialog.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The ".MODEL" lines of a model file's text that fit the part: device letter 'D' takes every
// model type beginning with 'D'; 'Q' the NPN (PNP) types when the part's model type begins with
// NPN (PNP); 'J' the NJF (PJF) types when it begins with NJFET (PJFET). Lines are compared in
// capitals and cut at 199 characters; a line with fewer than three words is passed over.
// Returns the model names, in capitals, in file order.
std::vector<std::string> FittingSemiconductorModels(std::string_view text, char letter, std::string_view modelType);

// A part named after one of the text's models ("2N3904") has that model's type ("NPN"); any
// other part's name is its type, in capitals.
std::string PartModelType(std::string_view text, std::string_view partName);

// "Semiconductor Models" over the model file at path; the chosen model name (cut at its first
// '.') after "Assign Model" (which needs a model chosen), nothing after Cancel.
std::optional<std::string> ChooseSemiconductorModel(const std::string& path, char letter,
                                                    const std::string& modelType, plat::Wnd* parent);

// The board program's package folder from its registry value "library_path" (ending in a
// separator); "Can't find Tracelyn directory" and nothing when it is not there.
std::optional<std::string> ReadBoardLibraryPath();

// "Tracelyn Packages": the catalogues of the board package folder and their parts; the chosen
// package as "LIBRARY\PART" after "Assign Package" (which needs a part chosen), nothing after Cancel.
std::optional<std::string> ChooseBoardPackage(plat::Wnd* parent);
