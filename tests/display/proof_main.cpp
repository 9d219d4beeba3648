#include "tests/display/display_proof.h"
#include "tests/support/row_runner.h"

#include <cstdlib>
#include <string_view>

// Without options, the slice an ordinary test run affords; with
// --every-single, all 2^32 singles and a few million doubles; --jobs=N shares
// the singles out to N threads.
int main(int argc, char** argv)
{
    bool everySingle = false;
    int jobs = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--every-single") {
            everySingle = true;
        } else if (option.substr(0, 7) == "--jobs=") {
            jobs = std::atoi(argv[i] + 7);
        } else {
            return 2;
        }
    }
    acpower::test::RunReferenceRows();
    acpower::test::RunSingleSweeps(everySingle, jobs < 1 ? 1 : jobs);
    acpower::test::RunDoubleSweeps(everySingle ? 2000000 : 1 << 16);
    return acpower::test::Summary();
}
