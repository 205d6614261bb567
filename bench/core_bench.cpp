#include "core/binary_rendering.hpp"
#include "core/binary_sum.hpp"
#include "core/number_text.hpp"
#include "core/octet_rules.hpp"
#include "core/same_network.hpp"
#include "core/subnet_planning.hpp"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

// A paste of n characters that all take part in the reading: blanks and digits.
std::string pathological(std::size_t n)
{
    std::string text;
    for (std::size_t i = 0; i < n; ++i)
        text += i % 2 ? '9' : ' ';
    return text;
}

void BM_LeadingNumber_Octet(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(core::leadingNumber("192"));
}
BENCHMARK(BM_LeadingNumber_Octet);

void BM_LeadingNumber_Paste(benchmark::State &state)
{
    const std::string text = pathological(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(core::leadingNumber(text));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LeadingNumber_Paste)->RangeMultiplier(10)->Range(1'000, 100'000)->Complexity();

// Long texts whose digits all count: "0.000…0001e…" with the exponent that brings it back to
// 10000, and a run of significant digits past what a double can hold.
void BM_LeadingNumber_LongFraction(benchmark::State &state)
{
    const auto n = static_cast<std::size_t>(state.range(0));
    const std::string text = "0." + std::string(n, '0') + "1e" + std::to_string(n + 5);
    for (auto _ : state)
        benchmark::DoNotOptimize(core::leadingNumber(text));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LeadingNumber_LongFraction)
    ->RangeMultiplier(10)
    ->Range(1'000, 10'000'000)
    ->Complexity();

void BM_LeadingNumber_LongDigits(benchmark::State &state)
{
    const auto n = static_cast<std::size_t>(state.range(0));
    std::string text;
    for (std::size_t i = 0; i < n; ++i)
        text += static_cast<char>('1' + i % 9);
    text += "E-" + std::to_string(n - 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(core::leadingNumber(text));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LeadingNumber_LongDigits)->RangeMultiplier(10)->Range(1'000, 10'000'000)->Complexity();

void BM_ClassStep_Paste(benchmark::State &state)
{
    std::string text(static_cast<std::size_t>(state.range(0)) + 3, ' ');
    text.front() = '1';
    text.replace(text.size() - 2, 2, "92");
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::firstCharacterRule(text));
        benchmark::DoNotOptimize(core::Verif_Octet(text));
        benchmark::DoNotOptimize(core::classStep(text));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ClassStep_Paste)->RangeMultiplier(10)->Range(1'000, 100'000)->Complexity();

void BM_ClassStep_Octet(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::firstCharacterRule("192"));
        benchmark::DoNotOptimize(core::Verif_Octet("192"));
        benchmark::DoNotOptimize(core::classStep("192"));
    }
}
BENCHMARK(BM_ClassStep_Octet);

void BM_RenderAndCompareTwoNetworks(benchmark::State &state)
{
    const core::Octets adresse1 {"192", "168", "1", "0"}, adresse2 {"192", "168", "2", "0"};
    const core::Octets masque {"255", "255", "255", "0"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::checkPairs(adresse1, masque, adresse2, masque));
        const auto one = core::renderNetwork(adresse1, masque);
        const auto two = core::renderNetwork(adresse2, masque);
        benchmark::DoNotOptimize(core::Meme_Reseau(one.result, two.result));
    }
}
BENCHMARK(BM_RenderAndCompareTwoNetworks);

void BM_SubnetPlan(benchmark::State &state)
{
    const std::string desired = std::to_string(state.range(0));
    const core::Octets adresse {"10", "0", "0", "1"};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            core::Calcul_SousReseaux(desired, core::IpClass::A, core::IpClass::A, adresse));
}
BENCHMARK(BM_SubnetPlan)->Arg(6)->Arg(200);

void BM_SubnetPlan_PastedCount(benchmark::State &state)
{
    const std::string desired = pathological(static_cast<std::size_t>(state.range(0)));
    const core::Octets adresse {"10", "0", "0", "1"};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            core::Calcul_SousReseaux(desired, core::IpClass::A, core::IpClass::A, adresse));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SubnetPlan_PastedCount)->RangeMultiplier(10)->Range(1'000, 100'000)->Complexity();

void BM_Slash(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(core::Calcul_Slash("255", "255", "224"));
}
BENCHMARK(BM_Slash);

void BM_BinarySum(benchmark::State &state)
{
    for (auto _ : state) {
        const auto a = core::Conversion_Binaire("200");
        const auto b = core::Conversion_Binaire("100");
        benchmark::DoNotOptimize(core::Somme_Binaire(a, b));
    }
}
BENCHMARK(BM_BinarySum);

void BM_BinarySum_Paste(benchmark::State &state)
{
    const std::string text = pathological(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        if (core::Verif_Nombre(text))
            benchmark::DoNotOptimize(core::Conversion_Binaire(text));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_BinarySum_Paste)->RangeMultiplier(10)->Range(1'000, 100'000)->Complexity();

} // namespace
