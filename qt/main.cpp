#include "qt/program.h"

int main(int argc, char* argv[])
{
    return acpower::RunCalculator(argc, argv);
}
