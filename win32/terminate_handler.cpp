// libstdc++'s default handler for an exception nobody catches prints its type,
// demangled, to a console this GUI program does not have; the demangler alone
// is a tenth of the program. Ending at once keeps the outcome (abnormal
// termination) without it.

#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler()
{
    std::abort();
}

}  // namespace __gnu_cxx
