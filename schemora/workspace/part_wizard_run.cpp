#include "schemora/workspace/part_wizard_run.h"

#include "platform/app/resources.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/part_wizard_ids.h"
#include "schemora/workspace/part_wizard.h"

bool FinishPartWizard(const PartWizardAnswers& answers, PartWizardEditor& editor)
{
    SymbolTarget target{editor.wizardPinTable(), [&editor](std::string_view part) { return editor.loadWizardGate(part); }};
    GeneratedFields fields;
    if (GenerateSymbol(answers, target, fields) != 1)
        return false;
    editor.showWizardPart(fields, answers.name);
    if (answers.saveToLibrary) {
        editor.saveWizardPart();
    } else {
        plat::MessageBox(plat::LoadString(scm::kStrPartCreated), plat::kMbIconInformation);
        editor.markWizardPartChanged();
    }
    return true;
}

bool RunPartWizardOnNewPart(PartWizardEditor& editor, plat::Wnd* parent)
{
    CPartWizard wizard(g_partWizard, [&editor](const PartWizardAnswers& a) { return FinishPartWizard(a, editor); }, parent);
    return wizard.DoModal() == static_cast<int>(plat::kIdWizFinish);
}

bool RunPartDesignWizard(PartWizardEditor& editor, plat::Wnd* parent)
{
    if (editor.wizardPartHasDrawing() &&
        plat::MessageBox("This will overwrite existing part information--Proceed?", plat::kMbYesNo | plat::kMbIconQuestion) !=
            plat::kIdYes)
        return false;
    return RunPartWizardOnNewPart(editor, parent);
}
