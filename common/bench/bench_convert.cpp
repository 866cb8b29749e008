// Conversions per second of the bank texts. Filling the derived texts of one amount (12 figure
// boxes, 12 capital boxes and the whole text) must stay well under a microsecond.
#include "core/convert/Convert.h"

#include <benchmark/benchmark.h>

namespace {

constexpr CurrencyCount kAmount = 123456789012345;   // 12 345 678 901.2345 yuan: 13 places
constexpr CurrencyCount kChequeAmount = 164090200;   // 16 409.02 yuan
const QDate kDate(2024, 10, 20);

void BM_BigMoneyAllStr(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(BigMoneyAllStr(kAmount));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BigMoneyAllStr);

void BM_SmallmoneyStr(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SmallmoneyStr(kAmount, 7));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SmallmoneyStr);

void BM_BigMoneyDisStr(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(BigMoneyDisStr(kAmount, 7));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BigMoneyDisStr);

void BM_SmallDateDisStr(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SmallDateDisStr(kDate, 2));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SmallDateDisStr);

void BM_BigDateDisStr(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(BigDateDisStr(kDate, 2));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BigDateDisStr);

// Everything one amount field derives: one item is one amount.
void BM_DerivedTextsOfOneAmount(benchmark::State &state)
{
    const CurrencyCount amount = state.range(0) ? kAmount : kChequeAmount;
    for (auto _ : state) {
        for (int pos = 0; pos < 12; ++pos) {
            benchmark::DoNotOptimize(SmallmoneyStr(amount, pos));
            benchmark::DoNotOptimize(BigMoneyDisStr(amount, pos));
        }
        benchmark::DoNotOptimize(BigMoneyAllStr(amount));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DerivedTextsOfOneAmount)->ArgName("long")->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
