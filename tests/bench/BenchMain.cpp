#include "BenchTable.h"

int main(int argc, char** argv)
{
    return BenchTable::run(argc, argv);
}
