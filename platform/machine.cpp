#include "platform/machine.h"

namespace platform {
namespace {
Machine* g_installed = nullptr;
}

Machine& CurrentMachine() { return g_installed ? *g_installed : NativeMachine(); }

ScopedMachine::ScopedMachine(Machine& machine) : previous_(g_installed) { g_installed = &machine; }

ScopedMachine::~ScopedMachine() { g_installed = previous_; }

}  // namespace platform
