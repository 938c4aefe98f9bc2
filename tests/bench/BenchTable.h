#pragma once

#include <string>

// The closing table of quenro_bench: per row (a benchmark's name without its
// catalogue argument) the median wall time on the sample, 100x and 1000x
// catalogues against the row's budget.
namespace BenchTable {

// Budgets in milliseconds per catalogue; 0 leaves a column without one.
struct Budget {
    double sample = 0;
    double large = 0;
    double huge = 0;
};
// Returns true so that a row can declare its budget in a static initialiser.
bool budget(const std::string& row, Budget limits);

// Runs the benchmarks named on the command line and prints the table.
int run(int argc, char** argv);

} // namespace BenchTable
