#pragma once
// What the option pages of both editors' General Setup sheets have in common: check boxes and
// radio groups tied to integer settings, numbers read from bounded edits, the fill-pattern
// buttons with their swatch, and the sheet itself (titled "General Setup", no parent window,
// no Apply button, OK stores the visited pages only).

#include "platform/app/property_sheet.h"
#include "platform/gdi/gdi_types.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <tuple>

namespace plat { class Dc; }

// A check box and the setting it shows: non-zero checks it, the box stores 1 or 0.
struct CheckSetting {
    unsigned id;
    int32_t* setting;
};
void FillChecks(plat::Dialog& page, std::span<const CheckSetting> checks);
void StoreChecks(const plat::Dialog& page, std::span<const CheckSetting> checks);

// A radio group first..last shown from a value; a value outside the group checks nothing.
void CheckRadioValue(plat::Dialog& page, unsigned first, unsigned last, int value);
// The checked id less base; nothing checked keeps the setting.
void StoreRadio(const plat::Dialog& page, unsigned first, unsigned last, int base, int32_t& setting);

// The number at the start of the edit's first maxChars characters; 0 when there is none or it
// is not finite.
double NumberTyped(const plat::Dialog& page, unsigned id, int maxChars = 20);
// printf of one number, for the edits.
std::string Formatted(const char* format, double value);

// An angle edit: the radians shown in degrees with two decimals, and what is typed read back
// in radians.
void ShowAngleDegrees(plat::Dialog& page, unsigned id, double radians);
double AngleTyped(const plat::Dialog& page, unsigned id);

// A combo of the counts first to last with `count` (held to that range) chosen, and the count
// chosen in it; nothing when the combo is missing or has nothing chosen.
void FillCountCombo(plat::Dialog& page, unsigned id, int first, int last, int count);
std::optional<int> CountChosen(const plat::Dialog& page, unsigned id, int first);

// The backup combo: its stock intervals, showing the one in force.
void FillBackupCombo(plat::Dialog& page, unsigned id, int minutes);

// A page with the eight fill-pattern buttons first..first + 7 and the swatch that shows the
// pattern chosen: a click chooses at once; the buttons and the swatch paint their pattern (0
// hollow, 1 solid, 2 to 7 the hatch styles 0 to 5) in the colour the program gives.
class FillPatternPage : public plat::PropertyPage {
public:
    FillPatternPage(unsigned templateId, std::string caption, unsigned firstButton, unsigned swatch);
    void OnDrawItem(unsigned ctlId, plat::DrawItem& item) override;

protected:
    int fillPattern() const { return fillPattern_; }
    void setFillPattern(int pattern) { fillPattern_ = pattern; }
    // Realises the program's palette on the device context and answers the pattern colour.
    virtual plat::ColorRef preparePatternDc(plat::Dc& dc) = 0;

private:
    void OnFillPattern(unsigned id);
    unsigned firstButton_;
    unsigned swatch_;
    int fillPattern_ = 0;
};

// The "General Setup" sheet over the pages given, in tab order.
class GeneralSetupSheet : public plat::PropertySheet {
public:
    GeneralSetupSheet(std::span<plat::PropertyPage* const> pages, plat::Wnd* parent);
};

// A program's pages of its sheet, one of each kind in tab order. A base listed before the sheet
// is built before it and destroyed after it, so the sheet's destructor still finds them alive.
template <class... Pages>
struct SetupPageSet {
    std::tuple<Pages...> pages_;
    std::array<plat::PropertyPage*, sizeof...(Pages)> pages()
    {
        return std::apply([](Pages&... page) { return std::array<plat::PropertyPage*, sizeof...(Pages)>{&page...}; },
                          pages_);
    }
};

// The "General Setup" sheet over pages of its own.
template <class... Pages>
class GeneralSetupSheetOf : private SetupPageSet<Pages...>, public GeneralSetupSheet {
public:
    explicit GeneralSetupSheetOf(plat::Wnd* parent) : GeneralSetupSheet(SetupPageSet<Pages...>::pages(), parent) {}

protected:
    template <class Page>
    const Page& page() const
    {
        return std::get<Page>(SetupPageSet<Pages...>::pages_);
    }
};
