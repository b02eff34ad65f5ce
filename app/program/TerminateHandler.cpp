// What ends the program when an exception escapes every catch (which only a
// fault in the program itself can cause): an abort, as for any other crash.
//
// The C++ runtime's own handler would first describe the exception on the
// standard error stream, which a window program has not got; defining it here
// also keeps the runtime's symbol demangler, a third of the runtime's code in
// Vevove.exe, out of the program.
#include <cstdlib>

namespace __gnu_cxx {

// NOLINTNEXTLINE(bugprone-reserved-identifier): the runtime's own name, replaced on purpose
void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx
