// The calculator exactly as it ships, through the same start-up function,
// leaving its event loop right after the window's first paint.

#include "bench/startup_probe.h"
#include "qt/program.h"

int main(int argc, char* argv[])
{
    return acpower::RunCalculator(argc, argv, [](QWidget& window) { acpower::bench::QuitAfterFirstPaint(window); });
}
