#include "tests/support/row_runner.h"

int main()
{
    acpower::test::RunNumberRows();
    acpower::test::RunFormulaRows();
    acpower::test::RunEntryRows();
    acpower::test::RunHintRows();
    acpower::test::RunAccountRows();
    acpower::test::RunFormRows();
    return acpower::test::Summary();
}
