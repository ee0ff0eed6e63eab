#pragma once
// Running the part wizard in a library part editor: the editor's "Part Design Wizard" button,
// and the start of a new part that the main frame opens an editor for.

#include "schemora/workspace/part_symbol_generator.h"
#include "schemora/workspace/wizard_pins.h"

#include <string_view>

class PartPinTable;
namespace plat {
class Wnd;
}

// What a part editor lends the wizard. The current drawing addresses the editor's store while
// the wizard runs.
class PartWizardEditor {
public:
    virtual PartPinTable& wizardPinTable() = 0;
    // Whether the part holds anything besides its reference and name texts.
    virtual bool wizardPartHasDrawing() const = 0;
    // Replaces records 3 on and the pin table with the part of the "Symbol" library; false,
    // with nothing changed, when it cannot be read.
    virtual bool loadWizardGate(std::string_view part) = 0;
    // Shows the generated fields (package, comment, designator, hint) and the part's name.
    virtual void showWizardPart(const GeneratedFields& fields, std::string_view partName) = 0;
    // File > Save Part.
    virtual void saveWizardPart() = 0;
    virtual void markWizardPartChanged() = 0;

protected:
    ~PartWizardEditor() = default;
};

// Draws the answers into the editor and saves the part or leaves it open for editing. False,
// the editor unchanged, when the symbol could not be drawn.
bool FinishPartWizard(const PartWizardAnswers& answers, PartWizardEditor& editor);

// The "Part Design Wizard" button: asks before replacing a part that has anything drawn, then
// runs the wizard; the part changes only on Finish. Whether the wizard finished.
bool RunPartDesignWizard(PartWizardEditor& editor, plat::Wnd* parent);
// The wizard over a new, empty part (no question). Whether it finished.
bool RunPartWizardOnNewPart(PartWizardEditor& editor, plat::Wnd* parent);
