// Conversions per second of the bank texts. Filling the derived texts of one amount (12 figure
// boxes, 12 capital boxes and the whole text) must stay well under a microsecond.
#include "core/convert/Convert.h"

#include <benchmark/benchmark.h>

namespace {

constexpr Currency kLongAmount = Currency::fromUnits(123456789012345);   // 12 345 678 901.2345 yuan: 13 places
constexpr Currency kChequeAmount = Currency::fromUnits(164090200);       // 16 409.02 yuan
const QDate kDate(2024, 10, 20);

template <class Conversion>
void BM_Conversion(benchmark::State &state, Conversion conversion)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(conversion());
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(BM_Conversion, BigMoneyAllStr, [] { return BigMoneyAllStr(kLongAmount); });
BENCHMARK_CAPTURE(BM_Conversion, SmallmoneyStr, [] { return SmallmoneyStr(kLongAmount, 7); });
BENCHMARK_CAPTURE(BM_Conversion, BigMoneyDisStr, [] { return BigMoneyDisStr(kLongAmount, 7); });
BENCHMARK_CAPTURE(BM_Conversion, SmallDateDisStr, [] { return SmallDateDisStr(kDate, 2); });
BENCHMARK_CAPTURE(BM_Conversion, BigDateDisStr, [] { return BigDateDisStr(kDate, 2); });

// Everything one amount field derives: one item is one amount.
void BM_DerivedTextsOfOneAmount(benchmark::State &state, Currency amount)
{
    for (auto _ : state) {
        for (int pos = 0; pos < 12; ++pos) {
            benchmark::DoNotOptimize(SmallmoneyStr(amount, pos));
            benchmark::DoNotOptimize(BigMoneyDisStr(amount, pos));
        }
        benchmark::DoNotOptimize(BigMoneyAllStr(amount));
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(BM_DerivedTextsOfOneAmount, cheque, kChequeAmount);
BENCHMARK_CAPTURE(BM_DerivedTextsOfOneAmount, long, kLongAmount);

} // namespace

BENCHMARK_MAIN();
