#include "BenchTable.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <vector>

namespace BenchTable {

namespace {

struct Row {
    Budget limits;
    double ms[3] = {-1, -1, -1};
    bool median[3] = {false, false, false};
    bool failed = false;
};

// Rows in the order they were first seen.
struct Table {
    std::map<std::string, Row> rows;
    std::vector<std::string> order;

    Row& at(const std::string& name)
    {
        auto [it, added] = rows.try_emplace(name);
        if (added)
            order.push_back(name);
        return it->second;
    }
};

Table& table()
{
    static Table t;
    return t;
}

double toMs(double value, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond:
        return value / 1e6;
    case benchmark::kMicrosecond:
        return value / 1e3;
    case benchmark::kMillisecond:
        return value;
    case benchmark::kSecond:
        return value * 1e3;
    }
    return value;
}

// Collects every row while the console shows the usual report.
class Collector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const bool isMedian = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !isMedian)
                continue;
            int column = 0;
            if (run.run_name.args == "1")
                column = 1;
            else if (run.run_name.args == "2")
                column = 2;
            Row& row = table().at(run.run_name.function_name);
            if (run.error_occurred) {
                row.failed = true;
                continue;
            }
            if (row.median[column] && !isMedian)
                continue;
            row.ms[column] = toMs(run.GetAdjustedRealTime(), run.time_unit);
            row.median[column] = isMedian;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

std::string figure(double ms)
{
    char text[32];
    if (ms < 0)
        return "-";
    if (ms < 0.1)
        std::snprintf(text, sizeof text, "%.1f us", ms * 1000);
    else
        std::snprintf(text, sizeof text, "%.2f ms", ms);
    return text;
}

std::string limitText(const Budget& b)
{
    char text[64];
    if (b.sample <= 0 && b.large <= 0 && b.huge <= 0)
        return "-";
    if (b.large <= 0 && b.huge <= 0)
        std::snprintf(text, sizeof text, "< %g ms (sample)", b.sample);
    else if (b.sample == b.large && b.large == b.huge)
        std::snprintf(text, sizeof text, "< %g ms", b.sample);
    else if (b.huge <= 0)
        std::snprintf(text, sizeof text, "< %g / %g / - ms", b.sample, b.large);
    else
        std::snprintf(text, sizeof text, "< %g / %g / %g ms", b.sample, b.large, b.huge);
    return text;
}

void print()
{
    std::printf("\n| path | sample | 100x | 1000x | budget |\n|---|---|---|---|---|\n");
    int over = 0;
    for (const std::string& name : table().order) {
        const Row& row = table().rows.at(name);
        const double limits[3] = {row.limits.sample, row.limits.large, row.limits.huge};
        std::printf("| %s%s |", name.c_str(), row.failed ? " (failed)" : "");
        for (int c = 0; c < 3; ++c) {
            const bool beyond = row.ms[c] >= 0 && limits[c] > 0 && row.ms[c] >= limits[c];
            over += beyond ? 1 : 0;
            std::printf(" %s%s |", figure(row.ms[c]).c_str(), beyond ? " OVER" : "");
        }
        std::printf(" %s |\n", limitText(row.limits).c_str());
    }
    std::printf("\n%d figure(s) over budget\n", over);
}

} // namespace

bool budget(const std::string& row, Budget limits)
{
    table().at(row).limits = limits;
    return true;
}

int run(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Only rows that ran appear.
    Table& t = table();
    std::map<std::string, Budget> limits;
    for (const auto& [name, row] : t.rows)
        limits[name] = row.limits;
    t.rows.clear();
    t.order.clear();
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    for (auto& [name, row] : t.rows)
        if (auto it = limits.find(name); it != limits.end())
            row.limits = it->second;
    print();
    benchmark::Shutdown();
    return 0;
}

} // namespace BenchTable
