// One whole request each: read the fields, compute, write both lines.
// Run: build/bench/bench_requetes

#include "core/requetes.h"

#include <benchmark/benchmark.h>

namespace {

void Serie(benchmark::State& etat)
{
    for (auto _ : etat)
        benchmark::DoNotOptimize(ohmira::calculSerie(0, " 12,5 ", ","));
}
BENCHMARK(Serie);

void SerieKiloOhms(benchmark::State& etat)
{
    for (auto _ : etat)
        benchmark::DoNotOptimize(ohmira::calculSerie(5, "26", ","));
}
BENCHMARK(SerieKiloOhms);

void Parallele(benchmark::State& etat)
{
    for (auto _ : etat)
        benchmark::DoNotOptimize(ohmira::calculParallele(4, "12", "3", ","));
}
BENCHMARK(Parallele);

void ParalleleErreur(benchmark::State& etat)
{
    for (auto _ : etat) {
        try {
            benchmark::DoNotOptimize(ohmira::calculParallele(0, "5", "0", ","));
        } catch (const std::exception&) {
        }
    }
}
BENCHMARK(ParalleleErreur);

}  // namespace
