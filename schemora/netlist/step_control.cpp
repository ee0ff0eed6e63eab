#include "schemora/netlist/step_control.h"

#include "common/string_helpers.h"
#include "platform/app/frame_wnd.h"
#include "platform/app/win_app.h"
#include "platform/core/ui_host.h"
#include "resources/schemora/simulation_ids.h"
#include "schemora/core/current_document.h"
#include "schemora/core/workspace_services.h"
#include "schemora/netlist/instrument_windows.h"
#include "schemora/netlist/netlist_text.h"
#include "schemora/netlist/sim_traces.h"

#include <cstdlib>
#include <cstring>

using namespace scm;

StepControlState g_stepControl;
CStepControlDlg theStepControlDlg;

namespace {

constexpr int kFieldChars = 19;
constexpr int kStateShift = 3;
constexpr int kStateMask = 3 << kStateShift;

int fieldNumber(const plat::Dialog& d, unsigned id)
{
    const std::string text = d.GetDlgItemText(id, kFieldChars);
    return std::atoi(text.empty() ? "0" : text.c_str());
}

bool levelIsHigh(int channel, int position)
{
    if (channel < 0 || channel >= kTraceChannels || position < 0 || position >= kShownSamples)
        return false;
    return g_simTraces.samples[static_cast<size_t>(channel)][static_cast<size_t>(position)] == '1';
}

// The device's value: its signals with channels, the first one the least significant bit.
int deviceValue(const DeviceRecord& device, int position)
{
    int usable = 0;
    while (usable < device.signalCount && usable < 4 && device.channels[static_cast<size_t>(usable)] < kTraceChannels)
        ++usable;
    int value = 0;
    for (int s = usable - 1; s >= 0; --s)
        value = value * 2 + (levelIsHigh(device.channels[static_cast<size_t>(s)], position) ? 1 : 0);
    return value;
}

std::string partName(const DrawObject& o)
{
    const int symbol = o.symbolIndex();
    return symbol >= 1 && symbol < kPartSymbolSlots ? netlist::Upper(g_partSymbols.entries[static_cast<size_t>(symbol)].name)
                                                    : std::string();
}

// A "VDISP" part shows its value in its text ("label:value"); returns the old state.
int showOnDisplay(DrawObject& o, int value)
{
    const std::string text = o.text ? o.text : "";
    const size_t colon = text.find(':');
    const int old = colon == std::string::npos ? (o.w[5] & kStateMask) : std::atoi(text.c_str() + colon + 1) << kStateShift;
    ReplaceObjectText(o, netlist::Format("%s:%d", text.substr(0, colon).c_str(), value));
    return old;
}

}  // namespace

int WrapStepPosition(int position)
{
    const int count = g_simTraces.digitalCount;
    if (count <= 0)
        return 0;
    return ((position % count) + count) % count;
}

void UpdateSimDevices(int position)
{
    for (int d = 0; d < g_simTraces.deviceCount && d < kMaxDevices; ++d) {
        const DeviceRecord& device = g_simTraces.devices[static_cast<size_t>(d)];
        if (device.signalCount > 4)
            return;
        int value = deviceValue(device, position);
        if (device.objectIndex < 1 || device.objectIndex > g_current.count ||
            device.objectIndex >= static_cast<int>(g_current.objects.size()))
            return;
        DrawObject& o = g_current.objects[static_cast<size_t>(device.objectIndex)];
        int old = o.w[5] & kStateMask;
        o.w[5] &= ~kStateMask;
        const std::string name = partName(o);
        int state = 0;
        if (netlist::Contains(name, "VDISP")) {
            old = showOnDisplay(o, value);
            state = value << kStateShift;
        } else {
            if (netlist::Contains(name, "SPKR") && value > 0)
                plat::MessageBeep();
            if (netlist::Contains(name, "RELAY"))
                value = device.signalCount > 0 && levelIsHigh(device.channels[0], position) ? 1 : 0;
            // Two bits choose the symbol variant; the bits above are the part's own flags.
            state = (value << kStateShift) & kStateMask;
            o.w[5] |= state;
        }
        if (old != state)
            RedrawActiveFrame();
    }
}

void StepTimerTick(plat::Wnd& timerOwner)
{
    StepControlState& s = g_stepControl;
    if (s.stopRequest) {
        timerOwner.KillTimer(kTimerStepRun);
        s.stopRequest = false;
        return;
    }
    if (s.position == kStepResetPosition) {
        timerOwner.KillTimer(kTimerStepRun);
        return;
    }
    const int p = s.position;
    UpdateSimDevices(p);
    ++s.stepsDone;
    s.position = p + 2 > g_simTraces.digitalCount ? 0 : p + 2;
    if (s.stepsDone >= s.numberOfSteps)
        timerOwner.KillTimer(kTimerStepRun);
    theStepControlDlg.ShowStepNumber(s.position / 2);
}

CStepControlDlg::CStepControlDlg() : plat::Dialog(kIddStepControl)
{
    onCommand(kIdcStepButton, &CStepControlDlg::OnStep);
    onCommand(kIdcCycleButton, &CStepControlDlg::OnCycle);
    onCommand(kIdcResetButton, &CStepControlDlg::OnReset);
}

bool CStepControlDlg::Open(plat::Wnd* parent) { return OpenInstrumentWindow(*this, parent); }

bool CStepControlDlg::OnInitDialog()
{
    g_simTraces.instrumentMode = kInstrumentDigital;
    LoadTraces(2);
    g_stepControl.position = 0;
    g_stepControl.numberOfSteps = 20;
    SetDlgItemText(kIdcDigStart, "0");
    ShowStepNumber(g_stepControl.position);
    SetDlgItemText(kIdcDigStop, netlist::Format("%d", g_stepControl.numberOfSteps));
    ReadDeviceFile(2);
    return true;
}

void CStepControlDlg::ShowStepNumber(int number)
{
    if (IsWindow())
        SetDlgItemText(kIdcStepNumber, netlist::Format("%d", number));
}

// A typed start outside the listing is wrapped into it before it is shown.
int CStepControlDlg::startPosition() const { return WrapStepPosition(fieldNumber(*this, kIdcDigStart)); }

void CStepControlDlg::OnStep()
{
    StepControlState& s = g_stepControl;
    if (s.position == kStepResetPosition)
        s.position = startPosition();
    const int p = s.position;
    UpdateSimDevices(p);
    s.position = p + 1 > g_simTraces.digitalCount ? 0 : p + 1;
    ShowStepNumber(s.position);
}

void CStepControlDlg::OnCycle()
{
    g_stepControl.numberOfSteps = fieldNumber(*this, kIdcDigStop);
    g_stepControl.stepsDone = 0;
    // The main frame serves the run's ticks; without one (a window of its own) the dialog does.
    plat::Wnd* owner = plat::GetMainWnd();
    (owner ? owner : this)->SetTimer(kTimerStepRun, kStepPeriodMs);
}

void CStepControlDlg::OnTimer(unsigned id)
{
    if (id == kTimerStepRun)
        StepTimerTick(*this);
}

void CStepControlDlg::OnReset()
{
    g_stepControl.stepsDone = g_stepControl.numberOfSteps;
    g_stepControl.position = startPosition();
}

void CStepControlDlg::OnOK()
{
    g_stepControl.position = kStepResetPosition;
    g_stepControl.stepsDone = g_stepControl.numberOfSteps;
}

void CStepControlDlg::OnClose()
{
    DestroyWindow();
    g_simTraces.instrumentMode = kInstrumentClosed;
}
