#include "shell/sharedstate.h"

namespace zarn {

namespace {
SharedState g_state;
}

SharedState &shared() {
    return g_state;
}

void resetSharedState() {
    g_state = SharedState{};
}

} // namespace zarn
