// Reading the price service's answer, from its bytes to the answer lines: a
// valid answer near the 4 MB cap, and a hostile one of 500,000 nested elements
// (3.5 MB), which is to be refused at once.

#include "BenchTable.h"
#include "shell/Globals.h"
#include "shell/PriceRequest.h"

#include <benchmark/benchmark.h>

#include <limits>
#include <stdexcept>

namespace {

QByteArray largeAnswer()
{
    QByteArray answer = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><PriceAvailabilityResponse>";
    for (int k = 1; answer.size() < 4000000 - 200; ++k)
        answer += "<PartDetail><Model>ACC-" + QByteArray::number(k)
                  + "</Model><PromiseDate>20240307</PromiseDate><Unit>EA</Unit></PartDetail>";
    return answer + "</PriceAvailabilityResponse>";
}

void read(benchmark::State& state, const QByteArray& answer, bool refused)
{
    bool asExpected = true;
    for (auto _ : state) {
        Globals::Response_Count = 0;
        Globals::Price_Response = answer;
        try {
            const int lines = Globals::Read_Price_Availability_Response(1, std::numeric_limits<int>::max() - 1);
            asExpected = asExpected && !refused && lines > 40000 && Globals::Response_Count == lines;
        } catch (const std::runtime_error&) {
            asExpected = asExpected && refused;
        }
    }
    Globals::Reset_All_State();
    if (!asExpected)
        state.SkipWithError(refused ? "the nested answer was not refused" : "the valid answer was not read whole");
}

void BM_PriceAnswerLarge(benchmark::State& state)
{
    read(state, largeAnswer(), false);
}

void BM_PriceAnswerDeep(benchmark::State& state)
{
    read(state, QByteArray("<a>").repeated(500000) + QByteArray("</a>").repeated(500000), true);
}

[[maybe_unused]] const bool registered = [] {
    benchmark::RegisterBenchmark("BM_PriceAnswerLarge", BM_PriceAnswerLarge)->Arg(0)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_PriceAnswerDeep", BM_PriceAnswerDeep)->Arg(0)->Unit(benchmark::kMillisecond);
    // Well inside the request's time limit, which the read comes after.
    BenchTable::budget("BM_PriceAnswerLarge", {500, 0, 0});
    BenchTable::budget("BM_PriceAnswerDeep", {10, 0, 0});
    return true;
}();

} // namespace
