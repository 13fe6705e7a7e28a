// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One whole request each: read the fields, compute, write both lines; and
// one whole LED array (every result and the worst cases), with and without
// building its texts. "allocs" counts heap allocations per request.
// Run: build/bench/bench_requetes

#include "core/montage.h"
#include "core/requetes.h"

#include <benchmark/benchmark.h>

#include "compter_allocations.h"

namespace {

template <typename F>
void mesurer(benchmark::State& etat, F requete)
{
    const long avant = allocationsFaites();
    for (auto _ : etat)
        requete();
    etat.counters["allocs"] = benchmark::Counter(static_cast<double>(allocationsFaites() - avant),
                                                 benchmark::Counter::kAvgIterations);
}

void Serie(benchmark::State& etat)
{
    mesurer(etat, [] { benchmark::DoNotOptimize(ohmira::calculSerie(0, " 12,5 ", ",")); });
}
BENCHMARK(Serie);

void SerieKiloOhms(benchmark::State& etat)
{
    mesurer(etat, [] { benchmark::DoNotOptimize(ohmira::calculSerie(5, "26", ",")); });
}
BENCHMARK(SerieKiloOhms);

void Parallele(benchmark::State& etat)
{
    mesurer(etat, [] { benchmark::DoNotOptimize(ohmira::calculParallele(4, "12", "3", ",")); });
}
BENCHMARK(Parallele);

void ParalleleErreur(benchmark::State& etat)
{
    mesurer(etat, [] {
        try {
            benchmark::DoNotOptimize(ohmira::calculParallele(0, "5", "0", ","));
        } catch (const std::exception&) {
        }
    });
}
BENCHMARK(ParalleleErreur);

// 3 x 2 white LEDs on 12 V, E24.
ohmira::DemandeMontage simple()
{
    ohmira::DemandeMontage d;
    d.tension = "12";
    d.seuil = "3,1";
    d.courant = "20";
    d.serie = "3";
    d.branches = "2";
    d.separateur = ",";
    return d;
}

// 11 LEDs proposed for a car's range, E96, a datasheet maximum: two kinds of
// string, warnings.
ohmira::DemandeMontage voiture()
{
    ohmira::DemandeMontage d;
    d.tension = "12";
    d.plageMin = "11,5";
    d.plageMax = "14,4";
    d.seuil = "2";
    d.courant = "20";
    d.courantMax = "30";
    d.total = "11";
    d.serieE = ohmira::SerieE::E96;
    d.separateur = ",";
    return d;
}

void Montage(benchmark::State& etat)
{
    const ohmira::DemandeMontage d = simple();
    mesurer(etat, [&] { benchmark::DoNotOptimize(ohmira::calculMontage(d)); });
}
BENCHMARK(Montage);

void MontageVoiture(benchmark::State& etat)
{
    const ohmira::DemandeMontage d = voiture();
    mesurer(etat, [&] { benchmark::DoNotOptimize(ohmira::calculMontage(d)); });
}
BENCHMARK(MontageVoiture);

// The same with its two lines per kind of string and the warnings' sentences.
void MontageVoitureEtTextes(benchmark::State& etat)
{
    const ohmira::DemandeMontage d = voiture();
    mesurer(etat, [&] {
        const ohmira::ResultatMontage r = ohmira::calculMontage(d);
        for (int i = 0; i < r.sortes; ++i) {
            benchmark::DoNotOptimize(ohmira::ligne1(r.branches[static_cast<std::size_t>(i)], ","));
            benchmark::DoNotOptimize(ohmira::ligne2(r.branches[static_cast<std::size_t>(i)], ","));
        }
        benchmark::DoNotOptimize(ohmira::avertissements(r, ","));
    });
}
BENCHMARK(MontageVoitureEtTextes);

}  // namespace
