#include "platform/app/cmd_target.h"

namespace plat {

void CmdTarget::addCommand(unsigned first, unsigned last, std::function<bool(unsigned)> handler)
{
    commands_.push_back({first, last, std::move(handler)});
}

void CmdTarget::addUpdate(unsigned first, unsigned last, std::function<void(CmdUI&)> handler)
{
    updates_.push_back({first, last, std::move(handler)});
}

void CmdTarget::addNotify(unsigned first, unsigned last, unsigned code, std::function<void(unsigned)> handler)
{
    notifies_.push_back({first, last, code, std::move(handler)});
}

// Handlers registered later (a derived class's constructor) take precedence over earlier ones
// (the framework's defaults in the base constructor), so entries are searched newest first.
bool CmdTarget::dispatchOwn(unsigned id, CmdUI* ui)
{
    if (ui) {
        for (auto it = updates_.rbegin(); it != updates_.rend(); ++it) {
            if (id >= it->first && id <= it->last) {
                ui->handled = true;
                auto fn = it->fn;   // the handler may register more handlers
                fn(*ui);
                return true;
            }
        }
        return false;
    }
    for (auto it = commands_.rbegin(); it != commands_.rend(); ++it) {
        if (id >= it->first && id <= it->last) {
            auto fn = it->fn;
            if (fn(id))
                return true;
        }
    }
    return false;
}

bool CmdTarget::OnCmdMsg(unsigned id, CmdUI* ui) { return dispatchOwn(id, ui); }

bool CmdTarget::hasCommandHandler(unsigned id) const
{
    for (const auto& e : commands_)
        if (id >= e.first && id <= e.last)
            return true;
    return false;
}

bool CmdTarget::dispatchNotify(unsigned id, unsigned code)
{
    for (auto it = notifies_.rbegin(); it != notifies_.rend(); ++it) {
        if (id >= it->first && id <= it->last && it->code == code) {
            auto fn = it->fn;
            fn(id);
            return true;
        }
    }
    return false;
}

}  // namespace plat
