#include "platform/core/message_log_host.h"

#include <chrono>

namespace plat {

int MessageLogHost::messageBox(std::string_view text, std::string_view, unsigned type)
{
    messages_.emplace_back(text);
    return closedMessageBoxAnswer(type);
}

uint32_t MessageLogHost::tickCount()
{
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace plat
